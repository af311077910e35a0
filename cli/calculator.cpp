#include "cli/calculator.h"

#include <QJsonArray>

namespace kestrel::cli {

const Calculator* CalculatorRegistry::find(const QString& name) const
{
    for (const Calculator& calculator : calculators_)
        if (calculator.name == name)
            return &calculator;
    return nullptr;
}

QJsonObject errorResult(const QString& message)
{
    return QJsonObject{{QStringLiteral("error"), message}};
}

PayrollSettings readSettings(CalcInput& input, const RunContext& context)
{
    PayrollSettings settings = context.settings;
    CalcInput* overrides = input.object(QStringLiteral("settings"));
    if (!overrides)
        return settings;
    auto number = [&](const char* column, double& target) {
        target = overrides->number(QString::fromLatin1(column), target);
    };
    number("EmployeeUIF", settings.EmployeeUIF);
    number("EmployerUIF", settings.EmployerUIF);
    number("UIFLimit", settings.UIFLimit);
    number("SkillLevy", settings.SkillLevy);
    number("TAIncRate8020", settings.TAIncRate8020);
    number("PensionCont", settings.PensionCont);
    number("EmployerPenCont", settings.EmployerPenCont);
    number("ProvCont", settings.ProvCont);
    number("EmployerProvCont", settings.EmployerProvCont);
    number("CompCarFBRate8020", settings.CompCarFBRate8020);
    settings.CompCarMPYesNo = overrides->flag(QStringLiteral("CompCarMPYesNo"), settings.CompCarMPYesNo);
    return settings;
}

QJsonArray toJsonArray(const std::vector<double>& values)
{
    QJsonArray array;
    for (double v : values)
        array.append(v);
    return array;
}

const CalculatorRegistry& calculators()
{
    static const CalculatorRegistry registry = [] {
        CalculatorRegistry r;
        registerPayrollCalculators(r);
        registerPackageCalculators(r);
        registerVehicleCalculators(r);
        registerFinanceCalculators(r);
        return r;
    }();
    return registry;
}

}  // namespace kestrel::cli
