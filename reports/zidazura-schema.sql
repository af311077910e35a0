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

-- ===== QuickTax printout: merlin =====

-- ===== Salary package printout: SalPackage =====
-- One record, written by the four package windows (Kestrel.rpt: backward, Ospreyrp.rpt:
-- forward). Amounts are rand of the window's period; PMems counts beneficiaries (monthly)
-- or beneficiary-months (annual).
CREATE TABLE "SalPackage" (
  "MonAnn" TEXT,
  "TPName" TEXT,
  "TPAge" DOUBLE,
  "MonAnnSal" TEXT,
  "NetMonSal" DOUBLE,
  "CostToComp" DOUBLE,
  "CompCar" DOUBLE,
  "CompCarCC" DOUBLE,
  "TravAll" DOUBLE,
  "TravAllCC" DOUBLE,
  "MedAidCont" DOUBLE,
  "MedAidContCC" DOUBLE,
  "PMems" DOUBLE,
  "AddBens" DOUBLE,
  "TaxFreeMedPrint" DOUBLE,
  "OtherTaxFB" DOUBLE,
  "OtherTaxFBCC" DOUBLE,
  "PenDeduct" DOUBLE,
  "PenDeductCC" DOUBLE,
  "ProvDeduct" DOUBLE,
  "ProvDeductCC" DOUBLE,
  "RADirective" TEXT,
  "RADeduct" DOUBLE,
  "MedDeduct" DOUBLE,
  "UIFCont" DOUBLE,
  "UIFContCC" DOUBLE,
  "SkillLevy" DOUBLE,
  "TaxDue" DOUBLE,
  "TaxCredit" DOUBLE,
  "TaxDeduct" DOUBLE,
  "PrinMembers" TEXT,
  "BenMembers" TEXT,
  "OEXPTXT" TEXT,
  "ODedTxt0" TEXT,
  "ODedTxt1" TEXT,
  "ODedTxt2" TEXT,
  "ODedTxt3" TEXT,
  "ODedR0" TEXT,
  "ODedR1" TEXT,
  "ODedR2" TEXT,
  "ODedR3" TEXT,
  "ODedNum0" DOUBLE,
  "ODedNum1" DOUBLE,
  "ODedNum2" DOUBLE,
  "ODedNum3" DOUBLE,
  "ODedNumCC0" DOUBLE,
  "ODedNumCC1" DOUBLE,
  "ODedNumCC2" DOUBLE,
  "ODedNumCC3" DOUBLE,
  "GSal" DOUBLE,
  "TotCostComp" DOUBLE,
  "PlusCompCar1" TEXT,
  "PlusCompCar2" TEXT
);
INSERT INTO "SalPackage" DEFAULT VALUES;

-- ===== Vehicle printouts: traveldeduction, compcar =====

-- ===== Loan printouts: Loans, Amort =====

-- ===== Loan buster printout: BondBust =====

-- ===== Loan comparison printout: BondComp =====

-- ===== Daily balance printout: DailyBal =====

-- ===== Inflation printout: Inflation =====
