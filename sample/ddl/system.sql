-- Tables of the system schema VLSYSTEM as the exporter reads them: every
-- table and column that one of its statements names, and nothing else.
-- Declared types make SQLite compare as Oracle would: DATE columns hold day
-- numbers since 1970-01-01 (time of day as the fraction); counters, statuses,
-- flags, minutes, languages, weekday and reader numbers are INTEGER; codes,
-- numbers that are keys (badges, persons, clients, licences, sites, control
-- areas, permission classes) and names are TEXT. No indexes: the cursors
-- without an order clause then see the rows in the order they were inserted.

-- Clients: one row per client, its schema and its site.
CREATE TABLE VLS112MND (
  MNDLIZ TEXT,      -- licence number
  MNDNUM TEXT,      -- client number
  MNDNA1 TEXT,      -- name
  MNDSTA TEXT,      -- status
  MNDDAT DATE,      -- last change
  MNDERF TEXT,      -- changed by
  MNDKON INTEGER,   -- 0: client takes part in per-client exports
  MNDSCH TEXT,      -- schema holding the client's data
  MNDSTO TEXT       -- site number
);

-- Licences; the product version is the highest LIZVER of the product.
CREATE TABLE VLS110LIZ (
  LIZPRD TEXT,      -- product article number
  LIZVER TEXT       -- version as "05.90"
);

-- Badges and their holders' person numbers.
CREATE TABLE VLS301ASW (
  ASWNUM TEXT,      -- badge number
  ASWPNR TEXT,      -- person number
  ASWLIZ TEXT,      -- licence number
  ASWMND TEXT,      -- client number
  ASWGVO DATE,      -- valid from
  ASWGBI DATE,      -- valid to, NULL when open-ended
  ASWBKL TEXT,      -- main permission class
  ASWPIN TEXT,      -- PIN
  ASWGRP TEXT,      -- badge group
  ASWATP INTEGER,   -- badge type
  ASWAAN TEXT,      -- badge description
  ASWSTA INTEGER,   -- status
  ASWDAT DATE,      -- last change
  ASWERF TEXT       -- changed by
);

-- Badge site data.
CREATE TABLE VLS113AWV (
  AWVNUM TEXT,      -- badge number
  AWVSTO TEXT,      -- site number
  AWVCOD TEXT       -- badge code
);

-- Permission classes of the badges, each with its period of validity.
CREATE TABLE VLS301BKL (
  BKLASW TEXT,      -- badge number
  BKLBKL TEXT,      -- permission class
  BKLLIZ TEXT,      -- licence number
  BKLMND TEXT,      -- client number
  BKLSTM TEXT,      -- one-character marker
  BKLGVO DATE,      -- valid from
  BKLGBI DATE       -- valid to, NULL when open-ended
);

-- Terminals and their display language.
CREATE TABLE VLS1140TRM (
  TRMNAM TEXT,      -- terminal name
  TRMSPR INTEGER    -- language number
);

-- Readers: reader ZLSLES of terminal ZLSTRM guards control area ZLSZKO.
CREATE TABLE VLS401ZLS (
  ZLSTRM TEXT,      -- terminal name
  ZLSLES INTEGER,   -- reader number
  ZLSZKO TEXT,      -- control area
  ZLSTFR TEXT,      -- door-release class of this reader (NULL: the area's)
  ZLSSTA INTEGER    -- status; 4 and 8 mean retired
);

-- Control areas.
CREATE TABLE VLS402ZKO (
  ZKONUM TEXT,      -- control area
  ZKOTFS TEXT,      -- door-release class of the area
  ZKOKAL INTEGER,   -- calendar number
  ZKOSTA INTEGER    -- status; 4 and 8 mean retired
);

-- Permission rules: class ZBRZBK may pass in area ZBRZKO on days of type
-- ZBRTTP during time zone ZBRZZZ.
CREATE TABLE VLS404ZBR (
  ZBRZBK TEXT,      -- permission class
  ZBRZKO TEXT,      -- control area
  ZBRTTP INTEGER,   -- day type
  ZBRZZZ INTEGER,   -- time zone
  ZBRZTB INTEGER,   -- 1: time booking allowed
  ZBRSTA INTEGER    -- status; 4 and 8 mean retired
);

-- Intervals of the time zones, in minutes after midnight.
CREATE TABLE VLS402ZUZ (
  ZUZNUM INTEGER,   -- time zone
  ZUZVON INTEGER,   -- start minute
  ZUZBIS INTEGER,   -- end minute
  ZUZSTA INTEGER    -- status; 4 and 8 mean retired
);

-- System calendars: the day type of every calendar day.
CREATE TABLE VLS133KAL (
  KALNUM INTEGER,   -- calendar number
  KALDTM DATE,      -- day (midnight)
  KALTTP INTEGER    -- day type
);

-- Day table: every day with its weekday number (1 Monday ... 7 Sunday).
CREATE TABLE VLS133BAK (
  BAKDTM DATE,      -- day (midnight)
  BAKWTG INTEGER    -- weekday number
);

-- Download queue of the selective export.
CREATE TABLE VLSASWDNL (
  DNLKEY TEXT,      -- download key, 14 characters
  DNLLFD INTEGER,   -- sequence number
  DNLMND TEXT,      -- client number
  DNLLIZ TEXT,      -- licence number
  DNLASW TEXT,      -- badge number
  DNLKZE INTEGER,
  DNLKZU TEXT,
  DNLKMP TEXT,
  DNLBKL TEXT,
  DNLSTA INTEGER,
  DNLERF TEXT       -- queued by
);
