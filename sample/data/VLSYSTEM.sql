-- Demo data of the system schema VLSYSTEM. The demo day is Monday
-- 2024-06-17; "today", "yesterday" and "tomorrow" below refer to it.
-- Dates are day numbers: unixepoch('YYYY-MM-DD hh:mm:ss')/86400.0.

-- Clients. MANDANT1 and MANDANT2 take part in the per-client exports; client
-- 3 is listed in the client master file only (MNDKON 1, and its second row
-- has no schema). The two rows of client 3 agree in every column that the
-- client master file shows, so that file holds client 3 once.
INSERT INTO VLS112MND VALUES
  ('00001', '1', 'Werk Nord', '0', unixepoch('2024-03-01 12:00:00')/86400.0, 'admin', 0, 'MANDANT1', '10001'),
  ('00001', '2', 'Bäckerei Süd', '0', unixepoch('2024-05-14 07:45:10')/86400.0, 'schmidt', 0, 'MANDANT2', '42381'),
  ('00001', '3', NULL, '1', NULL, 'admin', 1, 'MANDANT3', '10003'),
  ('00001', '3', NULL, '1', NULL, 'admin', 0, NULL, NULL);

-- Licences: the installed version of product 7418-002 is 05.90.
INSERT INTO VLS110LIZ VALUES
  ('7418-002-01', '05.40'),
  ('7418-002-02', '05.90'),
  ('7418-002-03', NULL),
  ('7418-001-01', '06.10');

-- Badges. Client 1: 10000001 open-ended, 10000002 ends today, 10000003
-- starts today, 10000004 ended yesterday, 10000005 starts tomorrow. Client 2:
-- 20000001 open-ended, 20000002 ends this year, 20000003 has no start date
-- (the balance file takes it, the badge master file does not).
INSERT INTO VLS301ASW VALUES
  ('10000001', '1001', '00001', '1', unixepoch('2020-01-01')/86400.0, NULL, '500', '4711', 'VW', 1, 'Stammausweis', 0, unixepoch('2024-06-03 08:12:00')/86400.0, 'admin'),
  ('10000002', '1002', '00001', '1', unixepoch('2023-06-01')/86400.0, unixepoch('2024-06-17')/86400.0, '500', '1234', 'PR', 1, 'Stammausweis', 0, unixepoch('2023-05-30 16:40:05')/86400.0, 'admin'),
  ('10000003', '1003', '00001', '1', unixepoch('2024-06-17')/86400.0, unixepoch('2025-12-31')/86400.0, '52001', NULL, 'GA', 2, 'Gastausweis', 0, unixepoch('2024-06-14 11:00:00')/86400.0, 'empfang'),
  ('10000004', '1004', '00001', '1', unixepoch('2022-01-01')/86400.0, unixepoch('2024-06-16')/86400.0, '500', '9876', 'VS', 1, 'Stammausweis', 1, unixepoch('2024-06-16 17:05:00')/86400.0, 'admin'),
  ('10000005', '1005', '00001', '1', unixepoch('2024-06-18')/86400.0, NULL, '500', '5555', 'VW', 1, 'Stammausweis', 0, unixepoch('2024-06-14 11:30:00')/86400.0, 'admin'),
  ('20000001', '2001', '00001', '2', unixepoch('2021-03-01')/86400.0, NULL, '500', '2580', 'BA', 1, 'Stammausweis', 0, unixepoch('2024-02-20 09:30:00')/86400.0, 'schmidt'),
  ('20000002', '2002', '00001', '2', unixepoch('2024-01-01')/86400.0, unixepoch('2024-12-31')/86400.0, '510', '3690', 'VK', 1, 'Stammausweis', 0, unixepoch('2024-01-02 10:00:00')/86400.0, 'schmidt'),
  ('20000003', '2003', '00001', '2', NULL, unixepoch('2024-12-31')/86400.0, '510', NULL, 'VK', 2, 'Aushilfe', 0, unixepoch('2024-04-30 15:20:00')/86400.0, 'schmidt');

INSERT INTO VLS113AWV VALUES
  ('10000001', '10001', 'A'),
  ('10000002', '10001', 'A'),
  ('10000003', '10001', 'G'),
  ('10000004', '10001', 'A'),
  ('10000005', '10001', 'A'),
  ('20000001', '42381', 'B'),
  ('20000002', '42381', 'B'),
  ('20000003', '42381', 'B');

-- Permission classes of the badges. Valid today: 10000001 500 and 510 (its
-- 52001 ended yesterday), 10000002 500, 10000003 52001 (its 500 starts
-- tomorrow), 20000001 500 and 510, 20000002 510.
INSERT INTO VLS301BKL VALUES
  ('10000001', '500', '00001', '1', '1', unixepoch('2020-01-01')/86400.0, NULL),
  ('10000001', '52001', '00001', '1', '0', unixepoch('2024-01-01')/86400.0, unixepoch('2024-06-16')/86400.0),
  ('10000001', '510', '00001', '1', '0', unixepoch('2024-06-01')/86400.0, NULL),
  ('10000002', '500', '00001', '1', '1', unixepoch('2023-06-01')/86400.0, unixepoch('2024-06-17')/86400.0),
  ('10000003', '500', '00001', '1', '1', unixepoch('2024-06-18')/86400.0, NULL),
  ('10000003', '52001', '00001', '1', '1', unixepoch('2024-06-17')/86400.0, unixepoch('2024-06-30')/86400.0),
  ('20000001', '510', '00001', '2', '0', unixepoch('2024-02-01')/86400.0, NULL),
  ('20000001', '500', '00001', '2', '1', unixepoch('2021-03-01')/86400.0, NULL),
  ('20000002', '510', '00001', '2', '1', unixepoch('2024-01-01')/86400.0, unixepoch('2024-12-31')/86400.0);

-- Terminals: German (1) and English (2) displays, one without a language,
-- and TERM99, which has no reader and so appears in no file.
INSERT INTO VLS1140TRM VALUES
  ('TERM01', 1),
  ('TERM02', 2),
  ('TERM03', NULL),
  ('TERM99', 1);

-- Control areas: 101 main entrance (calendar 1), 102 warehouse (calendar 2,
-- where Saturday is a working day), 199 retired.
INSERT INTO VLS402ZKO VALUES
  ('101', '10', 1, NULL),
  ('102', '20', 2, 0),
  ('199', '10', 1, 4);

-- Readers. TERM01 reader 2 has its own door-release class 11; TERM02 reader 3
-- lies in the retired area; TERM03 reader 1 is retired itself.
INSERT INTO VLS401ZLS VALUES
  ('TERM01', 1, '101', NULL, NULL),
  ('TERM01', 2, '101', '11', 0),
  ('TERM02', 1, '102', NULL, NULL),
  ('TERM02', 3, '199', NULL, NULL),
  ('TERM03', 1, '102', NULL, 8);

-- Time zones and their intervals in minutes. Zone 7 is retired.
INSERT INTO VLS402ZUZ VALUES
  (1, 360, 720, NULL),    -- 06:00-12:00
  (1, 750, 1080, NULL),   -- 12:30-18:00
  (2, 420, 720, 0),       -- 07:00-12:00
  (3, 1140, 1200, NULL),  -- 19:00-20:00
  (3, 1260, 1320, NULL),  -- 21:00-22:00
  (5, 0, 1440, NULL),     -- 00:00-24:00
  (6, 480, 960, NULL),    -- 08:00-16:00
  (7, 600, 660, 4);       -- 10:00-11:00, retired

-- Permission rules. Day types: 1 working day, 2 Saturday, 3 Sunday.
-- Door-release classes 10, 11 and 20 (no control area) give the readers'
-- opening times; access classes 500 (staff), 510 (warehouse) and 52001
-- (visitors) give the permissions per control area.
INSERT INTO VLS404ZBR VALUES
  ('10', NULL, 1, 1, NULL, NULL),
  ('10', NULL, 2, 2, NULL, NULL),
  ('10', NULL, 3, 7, NULL, NULL),
  ('11', NULL, 1, 1, NULL, NULL),
  ('11', NULL, 1, 3, NULL, NULL),
  ('20', NULL, 1, 5, NULL, NULL),
  ('500', '101', 1, 1, 1, NULL),
  ('500', '101', 2, 2, 0, NULL),
  ('52001', '101', 1, 6, 1, NULL),
  ('510', '101', 1, 1, 1, 8),
  ('500', '102', 1, 5, NULL, 0),
  ('510', '102', 1, 5, 2, NULL),
  ('510', '102', 3, 6, 1, NULL),
  ('500', '199', 1, 1, 1, NULL);

-- Day table 2022-2025 with weekday numbers 1 (Monday) to 7 (Sunday).
INSERT INTO VLS133BAK (BAKDTM, BAKWTG)
  WITH RECURSIVE d(day) AS (
    SELECT unixepoch('2022-01-01') / 86400
    UNION ALL
    SELECT day + 1 FROM d WHERE day < unixepoch('2025-12-31') / 86400)
  SELECT day, (CAST(strftime('%w', day * 86400, 'unixepoch') AS INTEGER) + 6) % 7 + 1 FROM d;

-- System calendars 2022-2025: calendar 1 has Monday to Friday as working
-- days, calendar 2 Monday to Saturday; Sunday is day type 3 in both.
INSERT INTO VLS133KAL (KALNUM, KALDTM, KALTTP)
  SELECT 1, BAKDTM, CASE WHEN BAKWTG <= 5 THEN 1 WHEN BAKWTG = 6 THEN 2 ELSE 3 END FROM VLS133BAK;
INSERT INTO VLS133KAL (KALNUM, KALDTM, KALTTP)
  SELECT 2, BAKDTM, CASE WHEN BAKWTG <= 6 THEN 1 ELSE 3 END FROM VLS133BAK;

-- Download queue: key DEMOKEY0000001 holds one badge of each client, in
-- sequence order 1, 2 (inserted the other way round); DEMOKEY0000002 another.
INSERT INTO VLSASWDNL VALUES
  ('DEMOKEY0000001', 2, '2', '00001', '20000001', 0, 'N', 'N', NULL, 0, 'schmidt'),
  ('DEMOKEY0000001', 1, '1', '00001', '10000001', 0, 'N', 'N', NULL, 0, 'admin'),
  ('DEMOKEY0000002', 1, '1', '00001', '10000003', 0, 'N', 'N', NULL, 0, 'empfang');
