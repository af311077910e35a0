#include "finance/loancomparisoncalc.h"

#include "finance/loancalc.h"

namespace kestrel {

std::array<ComparisonRow, 6> compareLoanTerms(double amount, float rate)
{
    std::array<ComparisonRow, 6> rows;
    for (int k = 0; k < 6; ++k) {
        ComparisonRow& row = rows[static_cast<std::size_t>(k)];
        row.months = 60 * (k + 1);
        row.label = QString::number(row.months / 12) + QStringLiteral(" yrs.");
        if (amount == 0 || rate == 0)
            continue;
        row.repayment = annuityRepayment(amount, row.months, static_cast<double>(rate));
        row.totalInterest = row.months * row.repayment - amount;
        row.totalPaid = row.months * row.repayment;
    }
    return rows;
}

}  // namespace kestrel
