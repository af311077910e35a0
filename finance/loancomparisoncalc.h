#pragma once
// The loan comparison: one loan amount at one rate repaid over 5, 10, 15, 20, 25 and 30
// years, side by side.

#include <QString>

#include <array>

namespace kestrel {

struct ComparisonRow {
    int months = 0;            ///< 60, 120, ..., 360
    QString label;             ///< "5 yrs." ... "30 yrs."
    double repayment = 0;      ///< j × amount / (1 − (1 + j)^−months)
    double totalInterest = 0;  ///< months × repayment − amount
    double totalPaid = 0;      ///< months × repayment
};

/// The six terms in the order 5 to 30 years, with j = rate / 12 / 100 from the
/// single-precision rate. While the amount or the rate is 0 there is no loan to compare
/// and every figure is 0.
std::array<ComparisonRow, 6> compareLoanTerms(double amount, float rate);

}  // namespace kestrel
