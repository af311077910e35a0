#include "finance/loanbustercalc.h"

#include "finance/loancalc.h"

#include <algorithm>

namespace kestrel {

namespace {
const QString kExtraCaption = QStringLiteral("Incorrect Extra Payment!");
}

LoanBusterResult calculateLoanBuster(const LoanBusterInputs& in)
{
    LoanBusterResult r;
    const double rate = static_cast<double>(in.rate);
    const double M = annuityRepayment(in.principal, in.period, rate);
    r.repayment = M;
    r.totalInterest = std::max(0.0, M * in.period - in.principal);
    r.totalRepayments = std::max(0.0, M * in.period);
    r.extra = in.extra;

    // The second column stays at zero while there is no loan to repay.
    if (M == 0)
        return r;
    if (in.extra > 10 * M) {
        r.message = QStringLiteral("The extra voluntary payment may not be more than ten times the monthly repayment.");
        r.messageCaption = kExtraCaption;
        return r;
    }

    // The search starts a cent below the repayment with the extra payment, as the loan
    // calculator's does, and raises it to the first whole cent that repays the loan.
    const double working = M + (in.extra - 0.01);
    const PeriodSearchResult search = searchRepaymentPeriod(in.principal, monthlyRate(rate), working);
    switch (search.outcome) {
    case PeriodSearchOutcome::RepaidInFirstMonth:
        r.message = QStringLiteral("The monthly repayment with the extra payment is more than the principal plus "
                                   "one month's interest: the first instalment already repays the whole loan.");
        r.messageCaption = kExtraCaption;
        return r;
    case PeriodSearchOutcome::BeyondMaximum:
    case PeriodSearchOutcome::ZeroInput:
        // An extra payment too small to shorten a 600-month loan: the loan stays as it is.
        r.newPeriod = in.period;
        r.newRepayment = M;
        r.newTotalInterest = r.totalInterest;
        r.newTotalRepayments = r.totalRepayments;
        r.totalSaving = 0;
        return r;
    case PeriodSearchOutcome::Found:
        break;
    }

    r.extra = in.extra != 0 ? search.repayment - M : 0;
    r.newRepayment = search.repayment;
    r.newPeriod = search.period;
    r.newTotalInterest = std::max(0.0, r.newRepayment * r.newPeriod - in.principal);
    r.newTotalRepayments = std::max(0.0, r.newPeriod * r.newRepayment);
    r.totalSaving = in.period * M - r.newPeriod * r.newRepayment;
    if (r.extra == 0) {
        r.newTotalInterest = r.totalInterest;
        r.newTotalRepayments = r.totalRepayments;
        r.totalSaving = 0;
    }
    return r;
}

}  // namespace kestrel
