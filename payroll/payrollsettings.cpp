#include "payroll/payrollsettings.h"

namespace kestrel {

QStringList payrollSettingsColumns()
{
    return {QStringLiteral("EmployeeUIF"),       QStringLiteral("EmployerUIF"),   QStringLiteral("UIFLimit"),
            QStringLiteral("SkillLevy"),         QStringLiteral("TAIncRate8020"), QStringLiteral("PensionCont"),
            QStringLiteral("EmployerPenCont"),   QStringLiteral("ProvCont"),      QStringLiteral("EmployerProvCont"),
            QStringLiteral("CompCarFBRate8020"), QStringLiteral("CompCarMPYesNo")};
}

QStringList payPeriodSettingsColumns()
{
    return {QStringLiteral("EmployeeUIF"), QStringLiteral("EmployerUIF"), QStringLiteral("UIFLimit"),
            QStringLiteral("SkillLevy"), QStringLiteral("TAIncRate8020")};
}

}  // namespace kestrel
