-- SAMPLE dictionary database for olvenir-check and the tests: a few illustrative codes for each
-- dictionary the checks consult. It is NOT an official code list; build your own with
-- `olvenir-dictionary import DB FILE.csv...` for real use.
--
-- olv_codes holds the code lists by dictionary number; valid_from and valid_to are RRRRMMDD,
-- NULL for an open end. Every other table is a value table named by its dictionary name; DATE
-- columns hold RRRRMMDD integers.

CREATE TABLE olv_meta(key TEXT PRIMARY KEY, value TEXT);
INSERT INTO olv_meta VALUES ('label', 'SAMPLE: illustrative codes only, not an official code list');
INSERT INTO olv_meta VALUES ('schema', '1');

CREATE TABLE olv_codes(dictionary INTEGER NOT NULL, code TEXT NOT NULL,
                       valid_from INTEGER, valid_to INTEGER);
CREATE INDEX olv_codes_by_code ON olv_codes(dictionary, code);

INSERT INTO olv_codes VALUES
  -- 10003: insurance title, pension right and disability degree, six digits
  (10003, '011000', 19990101, NULL),
  (10003, '011010', 19990101, NULL),
  (10003, '041100', 19990101, 20081231),
  (10003, '051000', 19990101, NULL),
  (10003, '057000', 20100101, NULL),
  -- 10004: occupation
  (10004, '111101', NULL, NULL),
  (10004, '251201', NULL, NULL),
  (10004, '331401', NULL, NULL),
  -- 10005: health fund branches, two digits first
  (10005, '01R', NULL, NULL),
  (10005, '07R', NULL, NULL),
  (10005, '12R', NULL, NULL),
  -- 10006: kinship degree
  (10006, '11', NULL, NULL),
  (10006, '12', NULL, NULL),
  (10006, '21', NULL, NULL),
  (10006, '40', NULL, NULL),
  -- 10007: degree of incapacity for work
  (10007, '1', NULL, NULL),
  (10007, '2', NULL, NULL),
  (10007, '3', NULL, NULL),
  -- 10008: reason for deregistering a payer
  (10008, '100', NULL, NULL),
  (10008, '200', NULL, NULL),
  -- 10009: reason for deregistering an insured person
  (10009, '100', NULL, NULL),
  (10009, '500', NULL, NULL),
  (10009, '600', 20000101, 20121231),
  -- 10010: work in special conditions
  (10010, '01', NULL, NULL),
  (10010, '02', NULL, NULL),
  -- 10011: deadline for sending declarations
  (10011, '1', NULL, NULL),
  (10011, '2', NULL, NULL),
  (10011, '3', NULL, NULL),
  -- 10012: kind of entitlement
  (10012, '1', NULL, NULL),
  (10012, '2', NULL, NULL),
  -- 10013: degree of disability
  (10013, '0', NULL, NULL),
  (10013, '1', NULL, NULL),
  (10013, '2', NULL, NULL),
  (10013, '3', NULL, NULL),
  -- 10019: benefit or break; 316 ended, 350 began later
  (10019, '311', NULL, NULL),
  (10019, '313', NULL, NULL),
  (10019, '316', 19990101, 20111231),
  (10019, '350', 20090101, NULL),
  -- 10023: document type
  (10023, '1', NULL, NULL),
  (10023, '2', NULL, NULL),
  -- 10024: identifier type
  (10024, 'P', NULL, NULL),
  (10024, '1', NULL, NULL),
  (10024, '2', NULL, NULL),
  -- 10034: sex
  (10034, 'K', NULL, NULL),
  (10034, 'M', NULL, NULL),
  -- 10049: work in special conditions or of a special character
  (10049, '010101', 20090101, NULL),
  (10049, '020101', 20090101, NULL);

-- Kinship: whether the family member lives with the insured person, and the disability degree.
CREATE TABLE "slU_KodPokrew"(STP_KODPOKREW TEXT, STP_WGOSPZOSUBEZP TEXT, STP_KOD_ST_NIEPEL TEXT);
INSERT INTO "slU_KodPokrew" VALUES
  ('11', '0', ' '),
  ('12', '1', ' '),
  ('21', '1', ''),
  ('40', '0', '1');

-- Insurance titles that are not reported on a given form, with their validity.
CREATE TABLE "slU_KodTytNieNaFormularzu"(KOD_TYT_UBEZ TEXT, PR_EM_RENT TEXT, RODZ_FORM TEXT,
                                         DATA_OD DATE, DATA_DO DATE);
INSERT INTO "slU_KodTytNieNaFormularzu" VALUES
  ('0411', '0', 'RSA', 19990101, 20081231),
  ('0510', '0', 'RSA', 19990101, NULL),
  ('0570', '1', 'RSA', 20100101, NULL),
  ('0510', '0', 'RCA', 19990101, NULL);
