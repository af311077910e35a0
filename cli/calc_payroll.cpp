// kestrel-calc calculators of the payroll folder: the income-tax scale, QuickTax, the tax
// of one pay and the annual tax check. Each reads its inputs with the limits of its
// window's entry fields and calls the same calculation as the window.
#include "cli/calculator.h"

#include "common/rounding.h"
#include "payroll/annualcheck.h"
#include "payroll/payperiod.h"
#include "payroll/payrollmessages.h"
#include "payroll/quicktax.h"

#include <QJsonArray>

namespace kestrel::cli {

namespace {

using namespace kestrel::payroll;

const FieldLimits kAmountLimits{-kMaximumAmount, kMaximumAmount, kMessageAmountRange};
const FieldLimits kAgeLimits{0.0, double(kMaximumAge), kMessageAgeRange};
const FieldLimits kBeneficiaryLimits{0.0, double(kMaximumBeneficiaries), kMessageBeneficiaryRange};

double amount(CalcInput& in, const char* key)
{
    return in.number(QString::fromLatin1(key), 0, kAmountLimits);
}

// Whole-number fields keep their value rounded, a half to the even number, as the windows do.
short age(CalcInput& in)
{
    return toInt16(in.number(QStringLiteral("age"), 0, kAgeLimits));
}

// --- tax-scale --------------------------------------------------------------------------

QJsonObject runTaxScale(CalcInput& in, const RunContext&)
{
    const TaxScaleResult r = TaxScaleLookup(in.number(QStringLiteral("income")));
    return {
        {QStringLiteral("marginalRate"), r.marginalRate},     {QStringLiteral("bracketFloor"), r.bracketFloor},
        {QStringLiteral("bracketCeiling"), r.bracketCeiling}, {QStringLiteral("baseTax"), r.baseTax},
        {QStringLiteral("taxOnExcess"), r.taxOnExcess},       {QStringLiteral("taxBeforeRebates"), r.taxBeforeRebates}};
}

// --- quicktax ---------------------------------------------------------------------------

QJsonObject runQuickTax(CalcInput& in, const RunContext&)
{
    const double income = in.number(QStringLiteral("income"), 0, kAmountLimits);
    const QuickTaxResult r = calculateQuickTax(income, age(in));
    return {{QStringLiteral("baseTax"), r.lookup.baseTax},
            {QStringLiteral("marginalRate"), r.lookup.marginalRate},
            {QStringLiteral("taxOnExcess"), r.lookup.taxOnExcess},
            {QStringLiteral("totalTax"), r.totalTax},
            {QStringLiteral("rebate"), r.rebate},
            {QStringLiteral("taxCommitment"), r.taxCommitment},
            {QStringLiteral("averageRateBefore"), r.averageRateBefore},
            {QStringLiteral("averageRateAfter"), r.averageRateAfter},
            {QStringLiteral("monthlyTax"), r.monthlyTax}};
}

// --- pay-period -------------------------------------------------------------------------

// Dates of the tax year, rejected with the date fields' own messages.
DayNumber startDate(CalcInput& in, const QString& defaultText)
{
    const DayNumber start = in.date(QStringLiteral("startDate"), defaultText);
    if (start < TaxYearStart || start > TaxYearEnd)
        throw InputError(startDateMessage());
    return start;
}

DayNumber endDate(CalcInput& in, const QString& defaultText, DayNumber lowest, DayNumber start)
{
    const DayNumber end = in.date(QStringLiteral("endDate"), defaultText);
    if (end < lowest || end > TaxYearEnd)
        throw InputError(endDateMessage(formatDate(start)));
    return end;
}

QJsonObject runPayPeriod(CalcInput& in, const RunContext& context)
{
    static const QStringList periods{QStringLiteral("monthly"), QStringLiteral("fortnightly"), QStringLiteral("weekly"),
                                     QStringLiteral("daily")};
    const QString periodName = in.choice(QStringLiteral("period"), periods, QStringLiteral("monthly"));
    const PayPeriod period = periodName == QLatin1String("fortnightly") ? PayPeriod::Fortnightly
                             : periodName == QLatin1String("weekly")    ? PayPeriod::Weekly
                             : periodName == QLatin1String("daily")     ? PayPeriod::Daily
                                                                        : PayPeriod::Monthly;
    PayPeriodInputs p = defaultPayPeriodInputs(period);
    p.age = age(in);
    p.salary = amount(in, "salary");
    p.employerMedicalAid = amount(in, "employerMedicalAid");
    p.employeeMedicalAid = amount(in, "employeeMedicalAid");
    p.employerFund = amount(in, "employerFund");
    p.employeeFund = amount(in, "employeeFund");
    p.commissions = amount(in, "commissions");
    p.bonus = amount(in, "bonus");
    p.travelAllowance = amount(in, "travelAllowance");
    p.beneficiaries = toInt16(in.number(QStringLiteral("beneficiaries"), 0, kBeneficiaryLimits));
    p.startDate = startDate(in, QStringLiteral("01/03/2018"));
    p.endDate = endDate(in, QStringLiteral("31/03/2018"), TaxYearStart, p.startDate);
    const FieldLimits days{-32768.0, 32767.0, kMessageDaysRange};
    p.normalDays = toInt32(in.number(QStringLiteral("normalDays"), p.normalDays, days));
    p.thisDays = toInt32(in.number(QStringLiteral("thisDays"), p.thisDays, days));
    const PayrollSettings settings = readSettings(in, context);

    const PayPeriodResult r = calculatePayPeriod(p, settings);
    if (!r.ok())
        return errorResult(r.message);
    return {{QStringLiteral("allowableFundDeduction"), r.allowableFundDeduction},
            {QStringLiteral("taxableTravelAllowance"), r.taxableTravelAllowance},
            {QStringLiteral("annualTaxableIncome"), r.annualTaxableIncome},
            {QStringLiteral("taxWithBonus"), r.taxWithBonus},
            {QStringLiteral("taxWithoutBonus"), r.taxWithoutBonus},
            {QStringLiteral("rebate"), r.rebate},
            {QStringLiteral("periodTax"), r.periodTax},
            {QStringLiteral("medicalSchemeFeesCredit"), r.medicalSchemeFeesCredit},
            {QStringLiteral("additionalMedicalCredit"), r.additionalMedicalCredit},
            {QStringLiteral("totalTaxDeduction"), r.totalTaxDeduction},
            {QStringLiteral("employeeUIF"), r.employeeUIF},
            {QStringLiteral("employerUIF"), r.employerUIF},
            {QStringLiteral("skillsLevy"), r.skillsLevy}};
}

// --- annual-check -----------------------------------------------------------------------

QJsonObject runAnnualCheck(CalcInput& in, const RunContext& context)
{
    AnnualCheckInputs a;
    a.age = age(in);
    a.salary = amount(in, "salary");
    a.employerMedicalAid = amount(in, "employerMedicalAid");
    a.employeeMedicalAid = amount(in, "employeeMedicalAid");
    a.employerFund = amount(in, "employerFund");
    a.employeeFund = amount(in, "employeeFund");
    a.commissions = amount(in, "commissions");
    a.bonus = amount(in, "bonus");
    a.travelAllowance = amount(in, "travelAllowance");
    const std::vector<double> counts = in.numbers(QStringLiteral("beneficiaries"), kTaxYearMonths);
    for (std::size_t month = 0; month < counts.size(); ++month) {
        if (counts[month] > kMaximumMonthlyBeneficiaries)
            throw InputError(kMessageMaximumBeneficiaries);
        if (counts[month] < 0)
            throw InputError(kMessageNegativeBeneficiaries);
        a.beneficiaries[month] = toInt16(counts[month]);
    }
    a.startDate = startDate(in, QStringLiteral("01/03/2018"));
    // The end date's field accepts dates from the start date on.
    a.endDate = endDate(in, QStringLiteral("28/02/2019"), a.startDate, a.startDate);
    const PayrollSettings settings = readSettings(in, context);

    const AnnualCheckResult r = calculateAnnualCheck(a, settings);
    if (!r.ok())
        return errorResult(r.message);
    QJsonArray beneficiaries;
    for (short n : r.beneficiaries)
        beneficiaries.append(n);
    return {{QStringLiteral("allowableFundDeduction"), r.allowableFundDeduction},
            {QStringLiteral("taxLiability"), r.taxLiability},
            {QStringLiteral("medicalSchemeFeesCredit"), r.medicalSchemeFeesCredit},
            {QStringLiteral("additionalMedicalCredit"), r.additionalMedicalCredit},
            {QStringLiteral("totalTaxDeduction"), r.totalTaxDeduction},
            {QStringLiteral("paye"), r.paye},
            {QStringLiteral("site"), r.site},
            {QStringLiteral("bonusTax"), r.bonusTax},
            {QStringLiteral("beneficiaries"), beneficiaries}};
}

}  // namespace

void registerPayrollCalculators(CalculatorRegistry& registry)
{
    registry.add({QStringLiteral("tax-scale"),
                  QStringLiteral("the income-tax scale of 2018/19 for an annual taxable income"),
                  QStringLiteral("In:  income (annual taxable income, rand)\n"
                                 "Out: marginalRate, bracketFloor, bracketCeiling, baseTax, taxOnExcess,\n"
                                 "     taxBeforeRebates"),
                  runTaxScale});
    registry.add({QStringLiteral("quicktax"),
                  QStringLiteral("QuickTax: the tax on an annual taxable income broken down"),
                  QStringLiteral("In:  income, age\n"
                                 "Out: baseTax, marginalRate, taxOnExcess, totalTax, rebate, taxCommitment,\n"
                                 "     averageRateBefore, averageRateAfter, monthlyTax"),
                  runQuickTax});
    registry.add({QStringLiteral("pay-period"),
                  QStringLiteral("PAYE, medical credits, UIF and skills levy of one month, fortnight, week or day"),
                  QStringLiteral("In:  period (monthly, fortnightly, weekly, daily; default monthly), age, salary,\n"
                                 "     employerMedicalAid, employeeMedicalAid, employerFund, employeeFund,\n"
                                 "     commissions, bonus, travelAllowance, beneficiaries,\n"
                                 "     startDate, endDate (monthly; default 01/03/2018 and 31/03/2018),\n"
                                 "     normalDays, thisDays (fortnightly 14 and 14, weekly 7 and 7), settings\n"
                                 "Out: allowableFundDeduction, taxableTravelAllowance, annualTaxableIncome,\n"
                                 "     taxWithBonus, taxWithoutBonus, rebate, periodTax, medicalSchemeFeesCredit,\n"
                                 "     additionalMedicalCredit, totalTaxDeduction, employeeUIF, employerUIF,\n"
                                 "     skillsLevy"),
                  runPayPeriod});
    registry.add({QStringLiteral("annual-check"),
                  QStringLiteral("the tax of the whole tax year or part of it, with monthly medical beneficiaries"),
                  QStringLiteral("In:  age, salary, employerMedicalAid, employeeMedicalAid, employerFund,\n"
                                 "     employeeFund, commissions, bonus, travelAllowance,\n"
                                 "     beneficiaries (12 counts of 0 to 24, March first), startDate, endDate\n"
                                 "     (default 01/03/2018 and 28/02/2019), settings\n"
                                 "Out: allowableFundDeduction, taxLiability, medicalSchemeFeesCredit,\n"
                                 "     additionalMedicalCredit, totalTaxDeduction, paye, site, bonusTax,\n"
                                 "     beneficiaries (the 12 counts after the calculation)"),
                  runAnnualCheck});
}

}  // namespace kestrel::cli
