#pragma once
// The "R/A Explained(Annual Figures Shown)" panel of the package windows: how large a
// retirement-annuity contribution may be, the greater of A (R 3 500 less the employee's
// pension contributions), B (R 1 750) and C (15 % of the non-retirement-funding income),
// worked out with the window's own figures, all annual.

#include "package/packagecalc.h"

#include <QString>

namespace kestrel {

struct RaExplanation {
    QString lineA;  ///< "ie: R 3 500 - R" E " = R" (or " = - R") |3 500 - E|
    QString lineC;  ///< "ie: R " I " X 15% = R" 15 % of I
};

/// The two computed lines. `lastEmployeeFund` is the employee's fund contribution of the
/// window's last calculation (0 before the first), `grossSalaryShown` the "Gross salary"
/// field of a backward window. Monthly amounts are multiplied by 12. The non-retirement-
/// funding income I is the annual car benefit + travel allowance + other taxable fringe
/// benefits + other expenses when any fund or provident percentage is set; otherwise the
/// annual backward window takes the gross salary shown, the annual forward window the
/// package amount, the monthly forward window 12 x the package amount and the monthly
/// backward window the same sum as above.
RaExplanation raExplained(PackageDirection direction, const PackageInputs& inputs, const PayrollSettings& settings,
                          double lastEmployeeFund, double grossSalaryShown);

}  // namespace kestrel
