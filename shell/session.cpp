#include "shell/session.h"

#include "common/busycursor.h"

namespace kestrel {

Session& session()
{
    static Session instance;
    return instance;
}

void ResetSession()
{
    BusyCursor busy;
    Session& s = session();

    // The tax-scale exchange: only the tax and the rate have start values; every lookup
    // overwrites the rest.
    s.taxScale.taxBeforeRebates = 0;
    s.taxScale.marginalRate = 0;

    s.quickTax = QuickTaxState{};

    s.travelInputs = TravelClaimInputs{};
    s.travelResult = TravelClaimResult{};
    s.vehicleScale = VehicleScaleState{};

    s.companyCar = CompanyCarState{};

    s.inflation = InflationState{};

    s.loanBuster = LoanBusterState{};

    s.loanComparison = LoanComparisonState{};

    // The loan keeps its principal and its schedules.
    LoanState& loan = s.loan;
    loan.calculateMode = QStringLiteral("Monthly repayment");
    loan.financeChargeState = QStringLiteral("UP");
    loan.period = 0;
    loan.rate = 0;
    loan.repayment = 0;
    loan.targetPrincipal = 0;
    loan.yearLayout = 0;
    loan.wholeYears = 0;
    loan.yearsWithPart = 0;

    s.dailyBalance = DailyBalanceState{};
}

TaxScaleResult TaxScaleLookupInSession(double income)
{
    const TaxScaleResult result = TaxScaleLookup(income);
    session().taxScale = result;
    return result;
}

}  // namespace kestrel
