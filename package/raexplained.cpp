#include "package/raexplained.h"

#include "common/numberformat.h"

#include <cmath>

namespace kestrel {

RaExplanation raExplained(PackageDirection direction, const PackageInputs& in, const PayrollSettings& s,
                          double lastEmployeeFund, double grossSalaryShown)
{
    const bool monthly = in.period == PackagePeriod::Monthly;
    const double toYear = monthly ? 12.0 : 1.0;
    RaExplanation lines;

    // A: R 3 500 less the employee's pension contributions of the year.
    const double E = lastEmployeeFund * toYear;
    const double D = 3500 - E;
    lines.lineA = QStringLiteral("ie: R 3 500 - R") + formatGrouped(E)
                  + (D >= 0 ? QStringLiteral(" = R") : QStringLiteral(" = - R")) + formatGrouped(std::fabs(D));

    // C: 15 % of the income on which no retirement fund is contributed.
    const bool anyPercentage = s.PensionCont > 0 || s.EmployerPenCont > 0 || s.ProvCont > 0 || s.EmployerProvCont > 0;
    const double nonFunding =
        CarFringeBenefit(in.carValue, s.CompCarMPYesNo, s.CompCarFBRate8020, PackagePeriod::Annual)
        + in.travelAllowance * toYear + in.otherTaxableBenefits * toYear + in.otherExpensesTotal() * toYear;
    double I = nonFunding;
    if (!anyPercentage) {
        if (direction == PackageDirection::Backward)
            I = monthly ? nonFunding : grossSalaryShown;
        else
            I = in.mainAmount * toYear;
    }
    lines.lineC =
        QStringLiteral("ie: R ") + formatGrouped(I) + QStringLiteral(" X 15% = R") + formatGrouped(I * 15 / 100);
    return lines;
}

}  // namespace kestrel
