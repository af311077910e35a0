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

-- The car allowance claim: one record, edited in place by every print. The fields of the
-- method not printed keep the values of an earlier print.
CREATE TABLE "traveldeduction" (
  "TPName" TEXT,
  "CARNO" SMALLINT,
  "mta01" TEXT,
  "mta03" DOUBLE,
  "mta04" DOUBLE,
  "mta05" DOUBLE,
  "mta06" DOUBLE,
  "mta07" DOUBLE,
  "mta08" DOUBLE,
  "mta09" DOUBLE,
  "mta10" DOUBLE,
  "mta11" DOUBLE,
  "mta12" DOUBLE,
  "mta13" DOUBLE,
  "mta14" DOUBLE,
  "tadeduction" DOUBLE,
  "MTD" DOUBLE,
  "MBD" DOUBLE,
  "mpd" DOUBLE,
  "totcost" DOUBLE,
  "pu" DOUBLE,
  "cv" DOUBLE,
  "fce" DOUBLE,
  "fc" DOUBLE,
  "mc" DOUBLE,
  "tatc" DOUBLE,
  "FCDet" TEXT,
  "MCDet" TEXT,
  "DateStart" TEXT,
  "DateEnd" TEXT
);
INSERT INTO "traveldeduction" DEFAULT VALUES;

-- The company cars: one row per vehicle, emptied and refilled by every print.
CREATE TABLE "compcar" (
  "CarNum" SMALLINT,
  "CMVMaxNum" SMALLINT,
  "CCRegNumber" TEXT,
  "CCMake" TEXT,
  "CCModel" TEXT,
  "CCPrice" DOUBLE,
  "MaintIncluded" TEXT,
  "CCMonths" DOUBLE,
  "EndMileage" DOUBLE,
  "StartMileage" DOUBLE,
  "TotalDistance" DOUBLE,
  "BusDistance" DOUBLE,
  "ActualExpEmployee" DOUBLE,
  "SARSTable" TEXT,
  "FuelReimbEmployer" DOUBLE,
  "EmpPaidInsurance" DOUBLE,
  "EmpPaidLicence" DOUBLE,
  "EmpPaidMaintenance" DOUBLE,
  "Actual3802" DOUBLE,
  "FB3802ThisCar" DOUBLE,
  "AdjustTaxableInc" DOUBLE,
  "SARSDeductionClaim" DOUBLE,
  "TrueInclusion" DOUBLE,
  "PrivateDistance" DOUBLE,
  "FuelComponent" DOUBLE,
  "Arr_FuelClaim" DOUBLE,
  "TotAddExpense" DOUBLE,
  "FuelExp" DOUBLE,
  "BussMilage" TEXT,
  "YearOfManfact" TEXT,
  "CCStartDate" TEXT,
  "CCEndDate" TEXT,
  "IRP53802" DOUBLE,
  "MonFB80" DOUBLE,
  "MonFB20" DOUBLE,
  "FortFB80" DOUBLE,
  "FortFB20" DOUBLE,
  "WeekFB80" DOUBLE,
  "WeekFB20" DOUBLE
);

-- ===== Loan printouts: Loans, Amort =====
-- The loan with its calculate mode as the heading; the FinText/FinNum fields hold the
-- finance charges when the window shows them (empty texts and zeros otherwise); YearMon
-- names the schedule's first column ("Year" or "Month") when a schedule is printed.
CREATE TABLE "Loans" (
  "Heading" TEXT,
  "Num1" DOUBLE,
  "Num2" DOUBLE,
  "Num3" DOUBLE,
  "Num4" DOUBLE,
  "FinText1" TEXT,
  "FinText1A" TEXT,
  "FinNum1" DOUBLE,
  "FinText2" TEXT,
  "FinNum2" DOUBLE,
  "YearMon" TEXT
);
INSERT INTO "Loans" DEFAULT VALUES;

-- One row per month or per year of the schedule printed with a loan.
CREATE TABLE "Amort" (
  "Year" SMALLINT,
  "Capital" DOUBLE,
  "Interest" DOUBLE,
  "Required" DOUBLE
);

-- ===== Loan buster printout: BondBust =====
CREATE TABLE "BondBust" (
  "PAmt" DOUBLE,
  "Period" SMALLINT,
  "IntRate" SINGLE,
  "MonRep" DOUBLE,
  "TotIntPaid" DOUBLE,
  "TotRep" DOUBLE,
  "XtraPay" DOUBLE,
  "Xper" SMALLINT,
  "XMonRep" DOUBLE,
  "XTotIntPaid" DOUBLE,
  "XTotRep" DOUBLE,
  "XTotSavings" DOUBLE
);
INSERT INTO "BondBust" DEFAULT VALUES;

-- ===== Loan comparison printout: BondComp =====
-- Terms 1 to 6 are 5, 10, 15, 20, 25 and 30 years.
CREATE TABLE "BondComp" (
  "PAmt" DOUBLE,
  "IntRate" SINGLE,
  "MonRep1" DOUBLE,
  "IntPaid1" DOUBLE,
  "Total1" DOUBLE,
  "MonRep2" DOUBLE,
  "IntPaid2" DOUBLE,
  "Total2" DOUBLE,
  "MonRep3" DOUBLE,
  "IntPaid3" DOUBLE,
  "Total3" DOUBLE,
  "MonRep4" DOUBLE,
  "IntPaid4" DOUBLE,
  "Total4" DOUBLE,
  "MonRep5" DOUBLE,
  "IntPaid5" DOUBLE,
  "Total5" DOUBLE,
  "MonRep6" DOUBLE,
  "IntPaid6" DOUBLE,
  "Total6" DOUBLE
);
INSERT INTO "BondComp" DEFAULT VALUES;

-- ===== Daily balance printout: DailyBal =====
-- StartDate and EndDate are day numbers; ANS1 is the interest accrued, ANS2 the days.
CREATE TABLE "DailyBal" (
  "CapAmount" SINGLE,
  "StartDate" INTEGER,
  "EndDate" INTEGER,
  "IntRate" SINGLE,
  "ANS1" SINGLE,
  "ANS2" INTEGER
);
INSERT INTO "DailyBal" DEFAULT VALUES;

-- ===== Inflation printout: Inflation =====
-- Ans1 is the future value/cost, ANS2 the buying power.
CREATE TABLE "Inflation" (
  "PresCost" DOUBLE,
  "Period" DOUBLE,
  "InflaRate" DOUBLE,
  "Ans1" DOUBLE,
  "ANS2" DOUBLE
);
INSERT INTO "Inflation" DEFAULT VALUES;
