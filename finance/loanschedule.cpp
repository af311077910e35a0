#include "finance/loanschedule.h"

#include "finance/loancalc.h"

#include "common/numberformat.h"

#include <cmath>

namespace kestrel {

std::vector<ScheduleRow> monthlySchedule(double principal, int months, double ratePercent)
{
    std::vector<ScheduleRow> rows;
    if (principal == 0 || months <= 0 || ratePercent == 0)
        return rows;
    const double j = monthlyRate(ratePercent);
    const double repayment = annuityRepayment(principal, months, ratePercent);
    rows.reserve(static_cast<std::size_t>(months));
    double balance = principal;
    for (int i = 1; i <= months; ++i) {
        ScheduleRow row;
        row.number = i;
        row.capital = repayment * std::pow(1 + j, -static_cast<double>(months + 1 - i));
        row.interest = repayment - row.capital;
        balance = std::fabs(balance - row.capital);
        row.balance = balance;
        rows.push_back(row);
    }
    return rows;
}

AnnualSchedule annualSchedule(double principal, int months, double ratePercent, double heldRepayment)
{
    AnnualSchedule schedule;
    const std::vector<ScheduleRow> monthly = monthlySchedule(principal, months, ratePercent);
    if (monthly.empty())
        return schedule;
    double capitalCounted = 0;
    double interestCounted = 0;
    for (int i = 12; i <= months; i += 12) {
        ScheduleRow year;
        year.number = i / 12;
        for (int m = i - 11; m <= i; ++m) {
            year.capital += monthly[static_cast<std::size_t>(m - 1)].capital;
            year.interest += monthly[static_cast<std::size_t>(m - 1)].interest;
        }
        year.balance = monthly[static_cast<std::size_t>(i - 1)].balance;
        capitalCounted += year.capital;
        interestCounted += year.interest;
        schedule.rows.push_back(year);
        schedule.yearLayout = 1;
        schedule.wholeYears = static_cast<short>(year.number);
    }
    if (months % 12 != 0) {
        ScheduleRow part;
        part.number = schedule.wholeYears + 1;
        part.capital = principal - capitalCounted;
        part.interest = (heldRepayment * months - principal) - interestCounted;
        part.balance = 0;
        schedule.rows.push_back(part);
        schedule.yearLayout = 2;
        schedule.yearsWithPart = static_cast<short>(part.number);
    }
    return schedule;
}

QString scheduleCsv(const std::vector<ScheduleRow>& rows, bool annual)
{
    QString csv =
        (annual ? QStringLiteral("Year") : QStringLiteral("Month")) + QStringLiteral(",Capital,Interest,Balance\r\n");
    for (const ScheduleRow& row : rows)
        csv += QString::number(row.number) + QLatin1Char(',') + formatFixed(row.capital, 2) + QLatin1Char(',')
               + formatFixed(row.interest, 2) + QLatin1Char(',') + formatFixed(row.balance, 2) + QStringLiteral("\r\n");
    return csv;
}

}  // namespace kestrel
