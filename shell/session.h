#pragma once
// The session state: the variables that all windows share for the run of the program and
// that outlive a single window (the database paths, the print destination, the tax-scale
// exchange, the state of the business, car-allowance and company-car calculators).
// Windows read and write them directly on the one user-interface thread. ResetSession
// puts every variable that has a start value back to it; nothing is saved between runs.

#include "rules/taxrules.h"
#include "rules/travelclaim.h"
#include "vehicle/companycar.h"

#include <QString>

#include <vector>

namespace kestrel {

/// QuickTax working values (the taxable income itself is the tax-scale exchange's).
struct QuickTaxState {
    double quickTaxIncome = 0;  ///< copy of the taxable income taken at each calculation
    short age = 0;              ///< whole years
    double rebate = 0;
    double totalTax = 0;           ///< tax before rebates
    double taxCommitment = 0;      ///< tax after rebates, never negative
    double averageRateBefore = 0;  ///< per cent
    double averageRateAfter = 0;   ///< per cent, never negative
    /// Base tax, marginal rate and tax on the excess of the last QuickTax calculation, so
    /// that its printout matches the window whatever other windows looked up since.
    TaxScaleResult breakdown;
};

/// Vehicle-scale results of the last deemed-cost claim and their working values.
struct VehicleScaleState {
    double fixedCostPerYear = 0;
    double fuelPerKm = 0;
    double maintenancePerKm = 0;
};

/// Company-car working state beside the set of records.
struct CompanyCarState {
    CompanyCarSet set;
};

struct InflationState {
    double presentCost = 0;
    double period = 0;
    double rate = 0;
    double futureValue = 0;
    double buyingPower = 0;
};

struct LoanBusterState {
    double principal = 0;
    float rate = 0;
    double extra = 0;
};

struct LoanComparisonState {
    double amount = 0;
    float rate = 0;
};

struct LoanState {
    QString calculateMode = QStringLiteral("Monthly repayment");
    QString financeChargeState = QStringLiteral("UP");
    double period = 0;
    double rate = 0;
    double repayment = 0;
    double targetPrincipal = 0;
    double principal = 0;  ///< not reset: "&Initialise All" keeps the principal entered
    // Schedules, entries 1..1000 (entry 0 unused), kept across "&Initialise All".
    std::vector<double> monthlyCapital = std::vector<double>(1001);
    std::vector<double> monthlyInterest = std::vector<double>(1001);
    std::vector<double> balance = std::vector<double>(1001);
    std::vector<double> annualCapital = std::vector<double>(1001);
    std::vector<double> annualInterest = std::vector<double>(1001);
    short yearLayout = 0;
    short wholeYears = 0;
    short yearsWithPart = 0;
};

struct DailyBalanceState {
    DayNumber startDate = kNoDateMarker;
    DayNumber endDate = kNoDateMarker;
    double rateStep = 0.25;
    float capital = 0;
    float rate = 0;
};

struct Session {
    // Database paths: set once at start-up, not reset.
    QString ReportDbPath;
    QString SettingsDbPath;

    // 0 = preview window with export, 1 = straight to the printer; not reset.
    short PrintDestination = 0;

    // The last annual taxable income that any window looked up, and its breakdown.
    TaxScaleResult taxScale;

    QuickTaxState quickTax;
    TravelClaimInputs travelInputs;
    TravelClaimResult travelResult;
    VehicleScaleState vehicleScale;
    CompanyCarState companyCar;
    InflationState inflation;
    LoanBusterState loanBuster;
    LoanComparisonState loanComparison;
    LoanState loan;
    DailyBalanceState dailyBalance;
};

/// The one session of the run.
Session& session();

/// ResetSession: shows the hourglass, sets every variable with a start value back to it,
/// restores the pointer. Database paths, the print destination, the loan principal and
/// its schedules, and the tax-scale exchange's income and bracket are kept.
void ResetSession();

/// Looks an income up on the tax scale and keeps the result in the tax-scale exchange.
TaxScaleResult TaxScaleLookupInSession(double income);

}  // namespace kestrel
