#include "finance/financewindows.h"

#include "common/windowregistry.h"
#include "finance/dailybalancewindow.h"
#include "finance/inflationwindow.h"
#include "finance/loanbusterwindow.h"
#include "finance/loancomparisonwindow.h"
#include "finance/loanswindow.h"

namespace kestrel {

void registerFinanceWindows(WindowRegistry& registry)
{
    registry.add(QStringLiteral("frmInflation"), [] { return new InflationWindow; });
    registry.add(QStringLiteral("frmLoans"), [] { return new LoansWindow; });
    registry.add(QStringLiteral("frmLoanBuster"), [] { return new LoanBusterWindow; });
    registry.add(QStringLiteral("frmLoanComp"), [] { return new LoanComparisonWindow; });
    registry.add(QStringLiteral("frmDayBal"), [] { return new DailyBalanceWindow; });
}

}  // namespace kestrel
