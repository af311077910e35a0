// kestrel-calc calculators of the package folder: "package", the backward and forward salary
// package of one employee, monthly or annual, as a freshly opened package window computes it.
#include "cli/calculator.h"

#include "common/rounding.h"
#include "package/packagecalc.h"
#include "package/raexplained.h"

#include <QJsonArray>

namespace kestrel::cli {

namespace {

// Ages and counts are 16-bit whole numbers in the windows.
const FieldLimits kInt16Limits{-32768.0, 32767.0, QString()};

QJsonObject runPackage(CalcInput& in, const RunContext& context)
{
    const QString direction =
        in.choice(QStringLiteral("direction"), {QStringLiteral("backward"), QStringLiteral("forward")},
                  QStringLiteral("backward"));
    const QString period = in.choice(QStringLiteral("period"), {QStringLiteral("monthly"), QStringLiteral("annual")},
                                     QStringLiteral("monthly"));
    const bool backward = direction == QLatin1String("backward");

    PackageInputs inputs;
    inputs.period = period == QLatin1String("monthly") ? PackagePeriod::Monthly : PackagePeriod::Annual;
    inputs.age = static_cast<int>(in.whole(QStringLiteral("age"), 0, kInt16Limits));
    inputs.mainAmount = in.number(QStringLiteral("amount"));
    inputs.carValue = in.number(QStringLiteral("carValue"));
    inputs.carCost = in.number(QStringLiteral("carCost"));
    inputs.travelAllowance = in.number(QStringLiteral("travelAllowance"));
    inputs.employeeMedicalAid = in.number(QStringLiteral("employeeMedicalAid"));
    inputs.employerMedicalAid = in.number(QStringLiteral("employerMedicalAid"));
    inputs.beneficiaries = static_cast<int>(in.whole(QStringLiteral("beneficiaries"), 0, kInt16Limits));
    inputs.otherTaxableBenefits = in.number(QStringLiteral("otherTaxableBenefits"));
    inputs.employeeFund = in.number(QStringLiteral("employeeFund"));
    inputs.employerFund = in.number(QStringLiteral("employerFund"));
    // The forward windows have no medical-deductions field: it holds 0 there.
    const double medicalDeductions = in.number(QStringLiteral("medicalDeductions"));
    inputs.medicalDeductions = backward ? medicalDeductions : 0.0;
    const std::vector<double> expenses = in.numbers(QStringLiteral("otherExpenses"), 4);
    for (std::size_t i = 0; i < expenses.size(); ++i)
        inputs.otherExpenses[i] = expenses[i];
    const PayrollSettings settings = readSettings(in, context);

    const PackageDirection packageDirection = backward ? PackageDirection::Backward : PackageDirection::Forward;
    const PackageResult r = calculatePackage(packageDirection, inputs, settings);
    if (r.status == PackageStatus::Refused)
        return errorResult(r.message);

    // A silently refused calculation leaves a fresh window's results at 0 and its fields as
    // they were typed.
    const bool done = r.calculated();
    const RaExplanation lines = raExplained(packageDirection, inputs, settings, done ? r.employeeFund : 0.0,
                                            done ? roundHalfEven(r.salary, 2) : 0.0);
    QJsonObject out{
        {QStringLiteral("taxDue"), r.taxDue},
        {QStringLiteral("taxCredit"), r.taxCredit},
        {QStringLiteral("taxDeduction"), r.taxDeduction},
        {QStringLiteral("medicalSchemeFeesCredit"), r.medicalSchemeFeesCredit},
        {QStringLiteral("additionalMedicalCredit"), r.additionalMedicalCredit},
        {QStringLiteral("employeeUIF"), r.employeeUIF},
        {QStringLiteral("employerUIF"), r.employerUIF},
        {QStringLiteral("skillsLevy"), r.skillsLevy},
        {QStringLiteral("employeeFund"), r.employeeFundField},
        {QStringLiteral("employerFund"), r.employerFundField},
        {QStringLiteral("allowableFundDeduction"), r.allowableFundDeduction},
        {backward ? QStringLiteral("grossSalary") : QStringLiteral("netSalary"), r.salary},
        {QStringLiteral("totalCostToCompany"), r.totalCostToCompany},
        {QStringLiteral("onceOffCarCost"), r.onceOffCarCost},
        {QStringLiteral("limitWarning"), r.limitWarning},
        {QStringLiteral("refused"), !done},
        {QStringLiteral("beneficiaries"), r.beneficiariesField},
        {QStringLiteral("medicalDeductions"), r.medicalDeductionsField},
        {QStringLiteral("raLineA"), lines.lineA},
        {QStringLiteral("raLineC"), lines.lineC},
    };
    if (backward)
        out.insert(QStringLiteral("trialSalary"), r.trialSalary);
    return out;
}

}  // namespace

void registerPackageCalculators(CalculatorRegistry& registry)
{
    Calculator package;
    package.name = QStringLiteral("package");
    package.summary =
        QStringLiteral("salary package: backward from the net salary required, or forward from a package");
    package.help = QStringLiteral(
        "In: direction (\"backward\" | \"forward\", default backward), period (\"monthly\" | \"annual\", default\n"
        "    monthly), age, amount (net salary required, or the total package amount), carValue, carCost,\n"
        "    travelAllowance, employeeMedicalAid, employerMedicalAid, beneficiaries (beneficiary-months in\n"
        "    the annual windows), otherTaxableBenefits, employeeFund, employerFund (the amounts typed into\n"
        "    the two fund fields), medicalDeductions (backward), otherExpenses (up to 4 amounts), settings.\n"
        "Out: taxDue, taxCredit, taxDeduction, medicalSchemeFeesCredit, additionalMedicalCredit,\n"
        "    employeeUIF, employerUIF, skillsLevy, employeeFund, employerFund, allowableFundDeduction,\n"
        "    grossSalary (backward) or netSalary (forward), totalCostToCompany, onceOffCarCost,\n"
        "    limitWarning, refused, beneficiaries, medicalDeductions, trialSalary (backward), raLineA,\n"
        "    raLineC.\n");
    package.run = runPackage;
    registry.add(std::move(package));
}

}  // namespace kestrel::cli
