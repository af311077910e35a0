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

-- ===== Loan buster printout: BondBust =====

-- ===== Loan comparison printout: BondComp =====

-- ===== Daily balance printout: DailyBal =====

-- ===== Inflation printout: Inflation =====
