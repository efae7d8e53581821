-- Demo data of client 1 (schema MANDANT1, "Werk Nord", site 10001). The
-- demo day is Monday 2024-06-17; "today", "yesterday" and "tomorrow" below
-- refer to it. Dates are day numbers: unixepoch('YYYY-MM-DD')/86400.0.

-- Personnel. 1001-1005 hold the badges 10000001-10000005; 4711 has no badge.
INSERT INTO VLS300PNR VALUES
  ('1001', 'Müller, Anna', 1, 1, 'Frau'),
  ('1002', 'Schmidt, Bernd', 1, 1, 'Herr'),
  ('1003', 'Nguyen, Lan', 2, 2, NULL),
  ('1004', 'Weber, Jörg', 1, 1, 'Herr'),
  ('1005', 'Koch, Eva', 1, 1, 'Frau'),
  ('4711', 'Becker, Paul', 1, 1, 'Herr');

-- BSVMAP: 1001 has one current row (2), 1002 one with a NULL value, 1003 two
-- current rows (which makes the lookup ambiguous: the field stays blank).
INSERT INTO VLS310BSV VALUES
  ('1001', unixepoch('2020-01-01')/86400.0, unixepoch('2023-12-31')/86400.0, 1),
  ('1001', unixepoch('2024-01-01')/86400.0, NULL, 2),
  ('1002', unixepoch('2023-06-01')/86400.0, NULL, NULL),
  ('1003', unixepoch('2024-01-01')/86400.0, NULL, 3),
  ('1003', unixepoch('2024-06-01')/86400.0, unixepoch('2024-06-30')/86400.0, 4);

-- Cost centre and calendar of the persons; 1003 has no row.
INSERT INTO PERSONALSTAMM VALUES
  ('1001', 'K100', 'STD'),
  ('1002', 'K200', 'S2');

-- Cost centres: K200's text ends in blanks, K300 has no count, K400 and
-- K500 are retired (status 4 and 8).
INSERT INTO O1003KSTSTELLE VALUES
  ('K100', 'Verwaltung', 'admin', 12, NULL),
  ('K200', 'Produktion   ', 'admin', -3, 0),
  ('K300', 'Lager', 'meier', NULL, 1),
  ('K400', 'Altbau', 'admin', 5, 4),
  ('K500', 'Projekt X', 'admin', 2, 8);

-- Day types: 20 and 21 are holidays.
INSERT INTO VLS132TT2 VALUES
  (1, 'Arbeitstag', 'A', 0),
  (2, 'Samstag', 'S', 0),
  (3, 'Sonntag', 'S', 0),
  (20, 'Feiertag', 'F', 1),
  (21, 'Halber Feiertag', 'H', 1);

-- Calendars 1 and 2, every day of 2022-2025, then the holidays. Calendar 1
-- has a holiday in 2022 (before last year, so not exported) and others in
-- 2023-2025; calendar 2 shares 1 May 2024 and adds 15 August 2024.
INSERT INTO VLS133KA2 (KA2NUM, KA2DTM, KA2TTP)
  WITH RECURSIVE d(day) AS (
    SELECT unixepoch('2022-01-01') / 86400
    UNION ALL
    SELECT day + 1 FROM d WHERE day < unixepoch('2025-12-31') / 86400),
  k(num) AS (VALUES (1), (2))
  SELECT num, day,
         CASE strftime('%w', day * 86400, 'unixepoch') WHEN '0' THEN 3 WHEN '6' THEN 2 ELSE 1 END
  FROM k, d;
UPDATE VLS133KA2 SET KA2TTP = 20 WHERE KA2NUM = 1 AND KA2DTM IN (
  unixepoch('2022-12-26')/86400, unixepoch('2023-12-25')/86400, unixepoch('2023-12-26')/86400,
  unixepoch('2024-01-01')/86400, unixepoch('2024-05-01')/86400, unixepoch('2024-12-25')/86400,
  unixepoch('2025-01-01')/86400);
UPDATE VLS133KA2 SET KA2TTP = 21 WHERE KA2NUM = 1 AND KA2DTM = unixepoch('2024-12-24')/86400;
UPDATE VLS133KA2 SET KA2TTP = 20 WHERE KA2NUM = 2 AND KA2DTM IN (
  unixepoch('2024-05-01')/86400, unixepoch('2024-08-15')/86400);

-- Dictionary: holiday texts in German (1) and English (2). The German text of
-- day type 20 is longer than the 20 characters of the holiday file; the
-- German entry of day type 21 is empty and so does not replace the text.
INSERT INTO VLS122DI2 VALUES
  ('20#', 'TT2TXT', 1, 'Gesetzlicher Feiertag'),
  ('20#', 'TT2TXT', 2, 'Public holiday'),
  ('21#', 'TT2TXT', 1, NULL),
  ('21#', 'TT2TXT', 2, 'Half holiday'),
  ('20#', 'TT2KRT', 2, 'P');

-- Function codes: 4 is not sent to the terminals, 3 has no terminal code,
-- 5 has a blank short text.
INSERT INTO VLS131FCD VALUES
  (1, 'U', 'Urlaub', 1, 10, 1),
  (2, 'K', 'Krankheit', 1, 20, 1),
  (3, 'D', 'Dienstreise', 2, NULL, 1),
  (4, 'S', 'Schulung', 2, 40, 0),
  (5, ' ', 'Gleitzeitausgleich', 3, 50, 1);

-- Departments; 1002 moved from Produktion to Lager at the start of 2024.
INSERT INTO VLS311ZUO VALUES
  ('1001', unixepoch('2020-01-01')/86400.0, NULL, 'Verwaltung'),
  ('1002', unixepoch('2023-01-01')/86400.0, unixepoch('2023-12-31')/86400.0, 'Produktion'),
  ('1002', unixepoch('2024-01-01')/86400.0, NULL, 'Lager'),
  ('1003', unixepoch('2024-01-01')/86400.0, NULL, 'Einkauf'),
  ('1004', unixepoch('2022-01-01')/86400.0, NULL, 'Versand'),
  ('4711', unixepoch('2019-01-01')/86400.0, NULL, 'Technik');

-- Status entries. The employee files take entries ending on or after
-- 2023-03-01 (the first day of the month fifteen months back, from
-- midnight): the entry ending 2023-02-28 is left out, the one ending
-- 2023-03-02 is taken. Status 16 is never exported; status 13 only in the
-- status file.
INSERT INTO VLS382BVF VALUES
  ('1001', unixepoch('2024-06-03')/86400.0, unixepoch('2024-06-05')/86400.0, 2, 1, 'K100', NULL),
  ('1001', unixepoch('2024-04-01')/86400.0, unixepoch('2024-04-03')/86400.0, 5, 2, 'K100', NULL),
  ('1001', unixepoch('2024-03-04')/86400.0, unixepoch('2024-03-04')/86400.0, 7, 1, 'K100', unixepoch('2024-03-04 08:15:00')/86400.0),
  ('1001', unixepoch('2023-02-20')/86400.0, unixepoch('2023-02-28')/86400.0, 2, 1, 'K100', NULL),
  ('1001', unixepoch('2023-02-27')/86400.0, unixepoch('2023-03-02')/86400.0, 3, 3, 'K100', NULL),
  ('1002', unixepoch('2023-11-06')/86400.0, unixepoch('2023-11-08')/86400.0, 10, 2, 'K200', NULL),
  ('1002', unixepoch('2024-06-17')/86400.0, unixepoch('2024-06-21')/86400.0, 13, 1, 'K200', NULL),
  ('1003', unixepoch('2024-05-13')/86400.0, unixepoch('2024-05-14')/86400.0, 9, 5, NULL, NULL),
  ('1004', unixepoch('2024-05-21')/86400.0, unixepoch('2024-05-22')/86400.0, 2, 1, 'K300', NULL),
  ('4711', unixepoch('2024-02-12')/86400.0, unixepoch('2024-02-16')/86400.0, 3, 2, 'K300', NULL),
  ('1003', unixepoch('2024-06-10')/86400.0, unixepoch('2024-06-10')/86400.0, 2, 4, NULL, NULL),
  ('1001', unixepoch('2024-05-27')/86400.0, unixepoch('2024-05-27')/86400.0, 16, 1, 'K100', NULL);

-- Working-time models: 1 has target time, 2 has none, 3 ended in October 2023.
INSERT INTO VLS140AZV VALUES
  (1, unixepoch('2020-01-01')/86400.0, NULL, 480),
  (2, unixepoch('2020-01-01')/86400.0, NULL, 0),
  (3, unixepoch('2020-01-01')/86400.0, unixepoch('2023-10-31')/86400.0, 480);

-- Daily models on the days of the status entries. 2024-04-02 has no target
-- time, 2023-11-06 a model that had ended, 2023-02-28, 2023-03-01 and
-- 2023-11-08 none at all: those days give no detail record.
INSERT INTO VLS329ZTG VALUES
  ('1001', unixepoch('2024-06-03')/86400.0, 1),
  ('1001', unixepoch('2024-06-04')/86400.0, 1),
  ('1001', unixepoch('2024-06-05')/86400.0, 1),
  ('1001', unixepoch('2024-04-01')/86400.0, 1),
  ('1001', unixepoch('2024-04-02')/86400.0, 2),
  ('1001', unixepoch('2024-04-03')/86400.0, 1),
  ('1001', unixepoch('2024-03-04')/86400.0, 1),
  ('1001', unixepoch('2023-02-27')/86400.0, 1),
  ('1001', unixepoch('2023-03-02')/86400.0, 1),
  ('1002', unixepoch('2023-11-06')/86400.0, 3),
  ('1002', unixepoch('2023-11-07')/86400.0, 1),
  ('1002', unixepoch('2024-06-17')/86400.0, 1),
  ('1003', unixepoch('2024-05-13')/86400.0, 1),
  ('1003', unixepoch('2024-06-10')/86400.0, 1),
  ('1004', unixepoch('2024-05-21')/86400.0, 1);

-- Vacation carry-over (days) per year.
INSERT INTO VLS332URV VALUES
  ('1001', 2024, 5.5, 30, 2),
  ('1001', 2023, 3, 28, 0),
  ('1002', 2024, 0, 0, 0),
  ('1003', 2024, NULL, 28, NULL);

-- Vacation days; the row of 1001 dated today counts, the one of tomorrow not.
INSERT INTO VLS332UTG VALUES
  ('1001', unixepoch('2024-06-14')/86400.0, 10, 3, 17),
  ('1001', unixepoch('2024-06-17')/86400.0, 12.5, 3, 14.5),
  ('1001', unixepoch('2024-06-18')/86400.0, 13, 2, 15),
  ('1002', unixepoch('2024-05-31')/86400.0, 5, 0, 25);

-- Shift time-off: 1001 and 1002 have a row for yesterday (1002 without a
-- yearly row), 1003 only an older one.
INSERT INTO VLS332SFZ VALUES
  ('1001', unixepoch('2024-06-16')/86400.0, 4, 2, 1.5, 0.5, 0),
  ('1001', unixepoch('2024-06-15')/86400.0, 9, 9, 9, 9, 9),
  ('1002', unixepoch('2024-06-16')/86400.0, 1, 1, 0, 0, NULL),
  ('1003', unixepoch('2024-06-14')/86400.0, 3, 3, 3, 3, 3);

INSERT INTO VLS332SFV VALUES
  ('1001', 2024, 1),
  ('1001', 2023, 3),
  ('1003', 2024, 2);

-- Daily balances in minutes; the last day before today of 1001 is
-- 2024-06-16 (kind 1). Its sixth sum has no correction value.
INSERT INTO VLS320TGB VALUES
  ('1001', unixepoch('2024-06-14')/86400.0, 1, 90, 0, 30, 15, -45, 0, 0, 0, 60, 0, 0, 0, 10, 0),
  ('1001', unixepoch('2024-06-16')/86400.0, 1, 30, 0, 40, 5, -50, 5, 0, 0, 120, 0, 10, NULL, 50, 0),
  ('1001', unixepoch('2024-06-16')/86400.0, 2, 999, 0, 999, 0, 999, 0, 999, 0, 999, 0, 999, 0, 999, 0),
  ('1001', unixepoch('2024-06-17')/86400.0, 1, 500, 0, 500, 0, 500, 0, 500, 0, 500, 0, 500, 0, 500, 0),
  ('1002', unixepoch('2024-06-14')/86400.0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);

-- Traffic-light account; the row of today does not count yet.
INSERT INTO VLS327TAG VALUES
  ('1001', unixepoch('2024-06-14')/86400.0, 2),
  ('1001', unixepoch('2024-06-16')/86400.0, 3),
  ('1001', unixepoch('2024-06-17')/86400.0, 1),
  ('1002', unixepoch('2024-06-10')/86400.0, 0);
