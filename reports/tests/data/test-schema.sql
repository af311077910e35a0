-- Tables of the report tests: one of each kind, with every declared field type.

-- A single-record statement.
CREATE TABLE "Statement" (
  "Title"     TEXT,
  "Employee"  TEXT,
  "Age"       SMALLINT,
  "Salary"    DOUBLE,
  "Bonus"     DOUBLE,
  "Rate"      SINGLE,
  "StartDay"  INTEGER,
  "Remark"    TEXT,
  "TAXCOM4/2" DOUBLE
);
INSERT INTO "Statement" DEFAULT VALUES;

-- A schedule: many rows.
CREATE TABLE "Amort" (
  "Year"     SMALLINT,
  "Capital"  DOUBLE,
  "Interest" DOUBLE,
  "Required" DOUBLE
);

-- The heading record of the schedule.
CREATE TABLE "Loans" (
  "Heading" TEXT,
  "Num1"    DOUBLE,
  "YearMon" TEXT
);
INSERT INTO "Loans" DEFAULT VALUES;

-- One block per vehicle.
CREATE TABLE "compcar" (
  "CarNum"      SMALLINT,
  "CCRegNumber" TEXT,
  "CCMake"      TEXT,
  "CCPrice"     DOUBLE,
  "MonFB80"     DOUBLE
);

-- A single-record table that has lost its record.
CREATE TABLE "Emptied" (
  "Value" DOUBLE
);
