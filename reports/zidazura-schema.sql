-- The report-data database Zidazura.mdb: one table per printout.
--
-- The build runs this file into a new, empty SQLite file (tools/kestrel-makedb; the
-- build fails with the line of the statement when a statement or a field type is wrong).
-- Single-record tables are created with their one record (every print overwrites it in
-- place); the multi-row tables (Amort, compcar) are created empty (every print empties and
-- refills them).
--
-- Declared field types, which the report store converts written values to:
--   DOUBLE    double-precision number
--   SINGLE    single-precision number (rounded to the nearest float when written)
--   SMALLINT  16-bit integer (a value that does not fit is an error)
--   INTEGER   32-bit integer (a value that does not fit is an error)
--   TEXT      text
-- Names are case-insensitive; quote any name that is not a plain identifier ("TAXCOM4/2").
--
-- A single-record table, for example:
--   CREATE TABLE "Inflation" (
--     "PresCost"  DOUBLE,
--     "Period"    DOUBLE
--   );
--   INSERT INTO "Inflation" DEFAULT VALUES;
-- A field that a print does not write keeps its value, and one never written is empty
-- (NULL) and prints as nothing; give it "DEFAULT 0" (or DEFAULT '') where the printout
-- should show 0.

-- ===== Pay-period and annual tax printouts: IRP5Mon, IRP5Week, IRP5Day, IRP5Ann =====
-- Label fields hold the texts of the printout's language (English or Afrikaans); the *Num
-- fields hold the values. Date spans and day counts are written as texts (SDateNum, EDateNum).

-- Monthly printout (Monthly.rpt).
CREATE TABLE "IRP5Mon" (
  "TypeAM"             TEXT,
  "Employee"           TEXT,
  "Age"                TEXT,
  "AgeNum"             SMALLINT,
  "Sal"                TEXT,
  "SalNum"             DOUBLE,
  "DirFees"            TEXT,
  "DirFeesNum"         DOUBLE,
  "TravAll"            TEXT,
  "TravOne"            DOUBLE,
  "TravTwo"            DOUBLE,
  "Bonus"              TEXT,
  "BonusNum"           DOUBLE,
  "MedExp"             TEXT,
  "MedExpNum"          DOUBLE,
  "PenCont"            TEXT,
  "PenContNum"         DOUBLE,
  "RACont"             TEXT,
  "RAContNum"          DOUBLE,
  "SDate"              TEXT,
  "SDateNum"           TEXT,
  "EDate"              TEXT,
  "EDateNum"           TEXT,
  "UIFEMPE"            TEXT,
  "UIFEMPENum"         DOUBLE,
  "UIFEMPR"            TEXT,
  "UIFEMPRNum"         DOUBLE,
  "SDL"                TEXT,
  "SDLNum"             DOUBLE,
  "EOE"                TEXT,
  "Taxliability"       TEXT,
  "Taxliabilitynum"    DOUBLE,
  "TaxCredit"          TEXT,
  "Taxcreditnum"       DOUBLE,
  "TaxCreditCons"      TEXT,
  "TaxcreditnumCons"   DOUBLE,
  "EmpERMedAidCont"    TEXT,
  "EmpERMedAidContnum" DOUBLE,
  "EmpEEMedAidCont"    TEXT,
  "EmpEEMedAidContnum" DOUBLE,
  "AnnCalcBens3"       TEXT,
  "AnnCalcBens3num"    SMALLINT,
  "MedAidBens"         TEXT,
  "TOTAL"              TEXT,
  "TotalNum"           DOUBLE
);
INSERT INTO "IRP5Mon" DEFAULT VALUES;

-- Fortnightly and weekly printouts (FortNightly.rpt, Weekly.rpt): one record, shared.
CREATE TABLE "IRP5Week" (
  "TypeAM"             TEXT,
  "Employee"           TEXT,
  "Age"                TEXT,
  "AgeNum"             SMALLINT,
  "Sal"                TEXT,
  "SalNum"             DOUBLE,
  "DirFees"            TEXT,
  "DirFeesNum"         DOUBLE,
  "TravAll"            TEXT,
  "RecBefNum"          DOUBLE,
  "Bonus"              TEXT,
  "BonusNum"           DOUBLE,
  "MedExp"             TEXT,
  "MedExpNum"          DOUBLE,
  "PenCont"            TEXT,
  "PenContNum"         DOUBLE,
  "RACont"             TEXT,
  "RAContNum"          DOUBLE,
  "SDate"              TEXT,
  "SDateNum"           TEXT,
  "EDate"              TEXT,
  "EDateNum"           TEXT,
  "UIFEMPE"            TEXT,
  "UIFEMPENum"         DOUBLE,
  "UIFEMPR"            TEXT,
  "UIFEMPRNum"         DOUBLE,
  "SDL"                TEXT,
  "SDLNum"             DOUBLE,
  "EOE"                TEXT,
  "Taxliability"       TEXT,
  "Taxliabilitynum"    DOUBLE,
  "TaxCredit"          TEXT,
  "Taxcreditnum"       DOUBLE,
  "TaxCreditCons"      TEXT,
  "TaxcreditnumCons"   DOUBLE,
  "EmpERMedAidCont"    TEXT,
  "EmpERMedAidContnum" DOUBLE,
  "EmpEEMedAidCont"    TEXT,
  "EmpEEMedAidContnum" DOUBLE,
  "AnnCalcBens3"       TEXT,
  "AnnCalcBens3num"    SMALLINT,
  "MedAidBens"         TEXT,
  "TOTAL"              TEXT,
  "TotalNum"           DOUBLE
);
INSERT INTO "IRP5Week" DEFAULT VALUES;

-- Daily printout (Daily.rpt); the daily window writes no date fields.
CREATE TABLE "IRP5Day" (
  "TypeAM"             TEXT,
  "Employee"           TEXT,
  "Age"                TEXT,
  "AgeNum"             SMALLINT,
  "Sal"                TEXT,
  "SalNum"             DOUBLE,
  "DirFees"            TEXT,
  "DirFeesNum"         DOUBLE,
  "TravAll"            TEXT,
  "RecBefNum"          DOUBLE,
  "Bonus"              TEXT,
  "BonusNum"           DOUBLE,
  "MedExp"             TEXT,
  "MedExpNum"          DOUBLE,
  "PenCont"            TEXT,
  "PenContNum"         DOUBLE,
  "RACont"             TEXT,
  "RAContNum"          DOUBLE,
  "SDate"              TEXT,
  "SDateNum"           TEXT,
  "EDate"              TEXT,
  "EDateNum"           TEXT,
  "UIFEMPE"            TEXT,
  "UIFEMPENum"         DOUBLE,
  "UIFEMPR"            TEXT,
  "UIFEMPRNum"         DOUBLE,
  "SDL"                TEXT,
  "SDLNum"             DOUBLE,
  "EOE"                TEXT,
  "Taxliability"       TEXT,
  "Taxliabilitynum"    DOUBLE,
  "TaxCredit"          TEXT,
  "Taxcreditnum"       DOUBLE,
  "TaxCreditCons"      TEXT,
  "TaxcreditnumCons"   DOUBLE,
  "EmpERMedAidCont"    TEXT,
  "EmpERMedAidContnum" DOUBLE,
  "EmpEEMedAidCont"    TEXT,
  "EmpEEMedAidContnum" DOUBLE,
  "AnnCalcBens3"       TEXT,
  "AnnCalcBens3num"    SMALLINT,
  "MedAidBens"         TEXT,
  "TOTAL"              TEXT,
  "TotalNum"           DOUBLE
);
INSERT INTO "IRP5Day" DEFAULT VALUES;

-- Annual tax check printout (Annual.rpt). AnnCalcBens1 is January ... AnnCalcBens12 December.
CREATE TABLE "IRP5Ann" (
  "TypeAM"             TEXT,
  "Employee"           TEXT,
  "Age"                TEXT,
  "AgeNum"             SMALLINT,
  "Sal"                TEXT,
  "SalNum"             DOUBLE,
  "DirFees"            TEXT,
  "DirFeesNum"         DOUBLE,
  "Bonus"              TEXT,
  "BonusNum"           DOUBLE,
  "TravAll"            TEXT,
  "RecBefNum"          DOUBLE,
  "MedExp"             TEXT,
  "MedExpNum"          DOUBLE,
  "PenCont"            TEXT,
  "PenContNum"         DOUBLE,
  "RACont"             TEXT,
  "RAContNum"          DOUBLE,
  "SDate"              TEXT,
  "SDateNum"           TEXT,
  "EDate"              TEXT,
  "EDateNum"           TEXT,
  "SITE"               TEXT,
  "SITENum"            DOUBLE,
  "PAYE"               TEXT,
  "PAYENum"            DOUBLE,
  "Taxliability"       TEXT,
  "Taxliabilitynum"    DOUBLE,
  "TaxCredit"          TEXT,
  "Taxcreditnum"       DOUBLE,
  "TaxCreditCons"      TEXT,
  "TaxcreditnumCons"   DOUBLE,
  "NumOFBens"          TEXT,
  "EmpERMedAidCont"    TEXT,
  "EmpERMedAidContnum" DOUBLE,
  "EmpEEMedAidCont"    TEXT,
  "EmpEEMedAidContnum" DOUBLE,
  "AnnCalcBens3"       TEXT,
  "AnnCalcBens4"       TEXT,
  "AnnCalcBens5"       TEXT,
  "AnnCalcBens6"       TEXT,
  "AnnCalcBens7"       TEXT,
  "AnnCalcBens8"       TEXT,
  "AnnCalcBens9"       TEXT,
  "AnnCalcBens10"      TEXT,
  "AnnCalcBens11"      TEXT,
  "AnnCalcBens12"      TEXT,
  "AnnCalcBens1"       TEXT,
  "AnnCalcBens2"       TEXT,
  "AnnCalcBens3num"    SMALLINT,
  "AnnCalcBens4num"    SMALLINT,
  "AnnCalcBens5num"    SMALLINT,
  "AnnCalcBens6num"    SMALLINT,
  "AnnCalcBens7num"    SMALLINT,
  "AnnCalcBens8num"    SMALLINT,
  "AnnCalcBens9num"    SMALLINT,
  "AnnCalcBens10num"   SMALLINT,
  "AnnCalcBens11num"   SMALLINT,
  "AnnCalcBens12num"   SMALLINT,
  "AnnCalcBens1num"    SMALLINT,
  "AnnCalcBens2num"    SMALLINT,
  "MedAidBens"         TEXT,
  "MedAidBensnum"      INTEGER,
  "TOTAL"              TEXT,
  "TotalNum"           DOUBLE,
  "EOE"                TEXT
);
INSERT INTO "IRP5Ann" DEFAULT VALUES;

-- ===== QuickTax printout: merlin =====
-- QuickTax printout (merlinrp.rpt); TAXCOM4/2 is the monthly tax (tax commitment / 12).
CREATE TABLE "merlin" (
  "AGE"       SMALLINT,
  "TAXINCOME" DOUBLE,
  "TAXTOPAY"  DOUBLE,
  "MARGRATE"  DOUBLE,
  "PORTION"   DOUBLE,
  "TOTTAX"    DOUBLE,
  "REBATE"    DOUBLE,
  "TAXCOM4"   DOUBLE,
  "AVRATE"    DOUBLE,
  "AVRATEAFT" DOUBLE,
  "TAXCOM4/2" DOUBLE
);
INSERT INTO "merlin" DEFAULT VALUES;


-- ===== Salary package printout: SalPackage =====

-- ===== Vehicle printouts: traveldeduction, compcar =====

-- ===== Loan printouts: Loans, Amort =====

-- ===== Loan buster printout: BondBust =====

-- ===== Loan comparison printout: BondComp =====

-- ===== Daily balance printout: DailyBal =====

-- ===== Inflation printout: Inflation =====
