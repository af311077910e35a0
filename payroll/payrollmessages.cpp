#include "payroll/payrollmessages.h"

#include <cmath>

namespace kestrel::payroll {

QString startDateMessage()
{
    return QStringLiteral("The date entered is not correct please enter a date between ") + formatDate(TaxYearStart)
           + QStringLiteral(" and ") + formatDate(TaxYearEnd);
}

QString endDateMessage(const QString& startDateShown)
{
    return QStringLiteral("The date entered is not correct please enter a date between ") + startDateShown
           + QStringLiteral(" and ") + formatDate(TaxYearEnd);
}

bool amountsInRange(std::initializer_list<double> amounts)
{
    for (double amount : amounts)
        if (!(std::fabs(amount) <= kMaximumAmount))  // also false for NaN
            return false;
    return true;
}

int daysOfPayMonth(int month)
{
    switch (month) {
    case 1:
    case 3:
    case 5:
    case 7:
    case 8:
    case 10:
    case 12:
        return 31;
    case 2:
        return 28;
    default:
        return 30;
    }
}

}  // namespace kestrel::payroll
