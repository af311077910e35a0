#include "payroll/payrollwindows.h"

#include "common/windowregistry.h"
#include "payroll/annualwindow.h"
#include "payroll/payperiodwindow.h"
#include "payroll/quicktaxwindow.h"

namespace kestrel {

void registerPayrollWindows(WindowRegistry& registry)
{
    registry.add(QStringLiteral("frmMonthly"), [] { return new PayPeriodWindow(PayPeriod::Monthly); });
    registry.add(QStringLiteral("frmFortNight"), [] { return new PayPeriodWindow(PayPeriod::Fortnightly); });
    registry.add(QStringLiteral("frmWeekly"), [] { return new PayPeriodWindow(PayPeriod::Weekly); });
    registry.add(QStringLiteral("frmDaily"), [] { return new PayPeriodWindow(PayPeriod::Daily); });
    registry.add(QStringLiteral("frmAnnual"), [] { return new AnnualWindow; });
    registry.add(QStringLiteral("frmMerlin"), [] { return new QuickTaxWindow; });
}

}  // namespace kestrel
