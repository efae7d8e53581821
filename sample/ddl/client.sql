-- Tables of a client schema as the exporter reads them: every table and
-- column that one of its statements names, and nothing else. Types as in the
-- system schema: DATE for days and moments (day numbers since 1970-01-01),
-- INTEGER for counters, statuses, flags, minutes, languages, years and the
-- numbers of calendars, day types and function codes, REAL for balance
-- values, TEXT for person numbers, codes and names.

-- Personnel.
CREATE TABLE VLS300PNR (
  PNRNUM TEXT,      -- person number
  PNRNAM TEXT,      -- name
  PNRSPR INTEGER,   -- language number
  PNRMTA INTEGER,
  PNRSAL TEXT       -- salutation
);

-- Periods of the persons' BSVMAP value.
CREATE TABLE VLS310BSV (
  BSVPNR TEXT,      -- person number
  BSVGVO DATE,      -- valid from
  BSVGBI DATE,      -- valid to, NULL when open-ended
  BSVMAP INTEGER
);

-- Personnel master: cost centre and calendar of a person.
CREATE TABLE PERSONALSTAMM (
  PSTPNRNUM TEXT,   -- person number
  PSTZUOKST TEXT,   -- cost centre
  PSTBSVKAL TEXT    -- calendar
);

-- Cost centres.
CREATE TABLE O1003KSTSTELLE (
  KSTNUM TEXT,      -- cost-centre number
  KSTTXT TEXT,      -- text
  KSTERF TEXT,      -- entered by
  KSTAPZ INTEGER,   -- count, exported as a signed number
  KSTSTA INTEGER    -- status; 4 and 8 mean retired
);

-- Client calendars: the day type of every calendar day.
CREATE TABLE VLS133KA2 (
  KA2NUM INTEGER,   -- calendar number
  KA2DTM DATE,      -- day (midnight)
  KA2TTP INTEGER    -- day type
);

-- Day types; TT2FTG 1 marks a holiday.
CREATE TABLE VLS132TT2 (
  TT2NUM INTEGER,   -- day type
  TT2TXT TEXT,      -- text
  TT2KRT TEXT,      -- one-character short text
  TT2FTG INTEGER    -- 1: holiday
);

-- Text dictionary: translations of field texts, key "<value>#".
CREATE TABLE VLS122DI2 (
  DI2KEY TEXT,      -- key
  DI2FNA TEXT,      -- field name
  DI2SPR INTEGER,   -- language number
  DI2TXT TEXT       -- translation
);

-- Status entries (absences and the like) of the persons.
CREATE TABLE VLS382BVF (
  BVFPNR TEXT,      -- person number
  BVFVON DATE,      -- first day
  BVFBIS DATE,      -- last day
  BVFGEN INTEGER,   -- status
  BVFFC1 INTEGER,   -- first function code
  BVFKST TEXT,      -- cost centre
  BVFUH1 DATE       -- time of day
);

-- Function codes.
CREATE TABLE VLS131FCD (
  FCDNUM INTEGER,   -- function code
  FCDKRT TEXT,      -- short text
  FCDTXT TEXT,      -- text
  FCDTYP INTEGER,   -- type
  FCDFCD INTEGER,   -- code on the terminal
  FCDMAP INTEGER    -- 1: sent to the terminals
);

-- Assignments of persons to departments.
CREATE TABLE VLS311ZUO (
  ZUOPNR TEXT,      -- person number
  ZUOGVO DATE,      -- valid from
  ZUOGBI DATE,      -- valid to, NULL when open-ended
  ZUOABT TEXT       -- department
);

-- Daily working-time models of the persons.
CREATE TABLE VLS329ZTG (
  ZTGPNR TEXT,      -- person number
  ZTGVON DATE,      -- day (midnight)
  ZTGAZT INTEGER    -- working-time model
);

-- Working-time models with their target minutes.
CREATE TABLE VLS140AZV (
  AZVNUM INTEGER,   -- working-time model
  AZVGVO DATE,      -- valid from
  AZVGBI DATE,      -- valid to, NULL when open-ended
  AZVSOL INTEGER    -- target minutes
);

-- Vacation carry-over per person and year (days).
CREATE TABLE VLS332URV (
  URVPNR TEXT,      -- person number
  URVJHR INTEGER,   -- year
  URVVJR REAL,      -- carried over from last year
  URVGUR REAL,      -- entitlement
  URVVTG REAL       -- correction
);

-- Vacation days per person and day.
CREATE TABLE VLS332UTG (
  UTGPNR TEXT,      -- person number
  UTGDTM DATE,      -- day
  UTGGUT REAL,      -- taken
  UTGVTG REAL,      -- planned
  UTGRTG REAL       -- remaining
);

-- Shift time-off per person and day.
CREATE TABLE VLS332SFZ (
  SFZPNR TEXT,      -- person number
  SFZDTM DATE,      -- day
  SFZANS REAL,
  SFZGEN REAL,
  SFZRST REAL,
  SFZVPL REAL,
  SFZANT REAL
);

-- Shift time-off carried over per person and year.
CREATE TABLE VLS332SFV (
  SFVPNR TEXT,      -- person number
  SFVJHR INTEGER,   -- year
  SFVVTG REAL       -- carried over
);

-- Daily balances in minutes: seven sums, each with its correction.
CREATE TABLE VLS320TGB (
  TGBPNR TEXT,      -- person number
  TGBDTM DATE,      -- day
  TGBZTR INTEGER,   -- row kind; the exporter reads kind 1
  TGBSA1 INTEGER, TGBVT1 INTEGER,
  TGBSA2 INTEGER, TGBVT2 INTEGER,
  TGBSA3 INTEGER, TGBVT3 INTEGER,
  TGBSA4 INTEGER, TGBVT4 INTEGER,
  TGBSA5 INTEGER, TGBVT5 INTEGER,
  TGBSA6 INTEGER, TGBVT6 INTEGER,
  TGBSA7 INTEGER, TGBVT7 INTEGER
);

-- Daily traffic-light account.
CREATE TABLE VLS327TAG (
  TAGPNR TEXT,      -- person number
  TAGTAG DATE,      -- day
  TAGAKP INTEGER    -- traffic-light value
);
