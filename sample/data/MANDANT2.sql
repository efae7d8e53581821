-- Demo data of client 2 (schema MANDANT2, "Bäckerei Süd", the premium site
-- 42381). The demo day is Monday 2024-06-17. Dates are day numbers:
-- unixepoch('YYYY-MM-DD')/86400.0.

-- Personnel; the name of 2003 has letters that Windows-1252 lacks (they
-- arrive as "?").
INSERT INTO VLS300PNR VALUES
  ('2001', 'Öztürk, Mehmet', 1, 1, 'Herr'),
  ('2002', 'Schulz, Petra', 1, 1, 'Frau'),
  ('2003', 'Yılmaz, Ayşe', 2, 1, 'Frau');

-- BSVMAP: 2001 current, 2002's row ended yesterday.
INSERT INTO VLS310BSV VALUES
  ('2001', unixepoch('2021-03-01')/86400.0, NULL, 1),
  ('2002', unixepoch('2024-01-01')/86400.0, unixepoch('2024-06-16')/86400.0, 1);

INSERT INTO PERSONALSTAMM VALUES
  ('2001', 'K900', 'BAE'),
  ('2002', 'K910', NULL);

-- Cost centres; K910's text ends in a tab.
INSERT INTO O1003KSTSTELLE VALUES
  ('K900', 'Filiale Süd', 'schmidt', 1, NULL),
  ('K910', 'Backstube' || char(9), 'schmidt', 4, 0);

INSERT INTO VLS132TT2 VALUES
  (1, 'Arbeitstag', 'A', 0),
  (2, 'Samstag', 'S', 0),
  (3, 'Sonntag', 'S', 0),
  (20, 'Feiertag', 'F', 1);

-- Calendar 1, every day of 2022-2025, with one holiday a year around
-- 3 October and Christmas.
INSERT INTO VLS133KA2 (KA2NUM, KA2DTM, KA2TTP)
  WITH RECURSIVE d(day) AS (
    SELECT unixepoch('2022-01-01') / 86400
    UNION ALL
    SELECT day + 1 FROM d WHERE day < unixepoch('2025-12-31') / 86400)
  SELECT 1, day,
         CASE strftime('%w', day * 86400, 'unixepoch') WHEN '0' THEN 3 WHEN '6' THEN 2 ELSE 1 END
  FROM d;
UPDATE VLS133KA2 SET KA2TTP = 20 WHERE KA2NUM = 1 AND KA2DTM IN (
  unixepoch('2022-10-03')/86400, unixepoch('2023-10-03')/86400, unixepoch('2024-10-03')/86400,
  unixepoch('2024-12-25')/86400, unixepoch('2025-12-25')/86400);

INSERT INTO VLS122DI2 VALUES
  ('20#', 'TT2TXT', 2, 'Bank holiday');

INSERT INTO VLS131FCD VALUES
  (1, 'U', 'Urlaub', 1, 10, 1),
  (2, 'K', 'Krankheit', 1, 20, 1);

INSERT INTO VLS311ZUO VALUES
  ('2001', unixepoch('2021-03-01')/86400.0, NULL, 'Backstube'),
  ('2003', unixepoch('2023-01-01')/86400.0, NULL, 'Verkauf');

-- Status entries: 2001 on vacation last week; 2003, whose badge has no start
-- date, is written with the substitute badge number 2_2003.
INSERT INTO VLS382BVF VALUES
  ('2001', unixepoch('2024-06-10')/86400.0, unixepoch('2024-06-12')/86400.0, 2, 1, 'K900', NULL),
  ('2003', unixepoch('2024-05-06')/86400.0, unixepoch('2024-05-06')/86400.0, 3, 2, 'K910', NULL);

INSERT INTO VLS140AZV VALUES
  (1, unixepoch('2021-01-01')/86400.0, NULL, 450);

INSERT INTO VLS329ZTG VALUES
  ('2001', unixepoch('2024-06-10')/86400.0, 1),
  ('2001', unixepoch('2024-06-11')/86400.0, 1),
  ('2001', unixepoch('2024-06-12')/86400.0, 1),
  ('2003', unixepoch('2024-05-06')/86400.0, 1);

INSERT INTO VLS332URV VALUES
  ('2001', 2024, 3, 25, 0);

INSERT INTO VLS332UTG VALUES
  ('2001', unixepoch('2024-06-01')/86400.0, 8, 2, 15);

INSERT INTO VLS332SFZ VALUES
  ('2001', unixepoch('2024-06-16')/86400.0, 2, 1, 1, 0, 0);

INSERT INTO VLS320TGB VALUES
  ('2001', unixepoch('2024-06-15')/86400.0, 1, 480, 0, -30, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);

INSERT INTO VLS327TAG VALUES
  ('2001', unixepoch('2024-06-14')/86400.0, 1);
