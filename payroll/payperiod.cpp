#include "payroll/payperiod.h"

#include "payroll/payrollmessages.h"

#include <optional>

namespace kestrel {

using namespace payroll;

PayPeriodInputs defaultPayPeriodInputs(PayPeriod period)
{
    PayPeriodInputs inputs;
    inputs.period = period;
    switch (period) {
    case PayPeriod::Fortnightly:
        inputs.normalDays = 14;
        inputs.thisDays = 14;
        break;
    case PayPeriod::Weekly:
        inputs.normalDays = 7;
        inputs.thisDays = 7;
        break;
    case PayPeriod::Monthly:
    case PayPeriod::Daily:
        break;
    }
    return inputs;
}

double creditForPeriod(double monthlyCredit, PayPeriod period)
{
    switch (period) {
    case PayPeriod::Fortnightly:
        return monthlyCredit / 2;
    case PayPeriod::Weekly:
        return monthlyCredit / 4;
    case PayPeriod::Daily:
        return monthlyCredit * 12 / 260;
    case PayPeriod::Monthly:
        break;
    }
    return monthlyCredit;
}

namespace {

PayPeriodResult refused(PayPeriodRefusal why, const QString& message, const QString& caption = QString())
{
    PayPeriodResult result;
    result.refusal = why;
    result.message = message;
    result.caption = caption;
    return result;
}

// The checks of the period extent, in the order the window makes them.
std::optional<PayPeriodResult> checkPeriod(const PayPeriodInputs& in)
{
    switch (in.period) {
    case PayPeriod::Monthly: {
        if (in.startDate < TaxYearStart || in.startDate > TaxYearEnd)
            return refused(PayPeriodRefusal::StartDateOutsideYear, startDateMessage(), kCaptionIncorrectDate);
        if (in.endDate < TaxYearStart || in.endDate > TaxYearEnd)
            return refused(PayPeriodRefusal::EndDateOutsideYear, endDateMessage(formatDate(in.startDate)),
                           kCaptionIncorrectDate);
        const QDate start = dateOfDayNumber(in.startDate);
        const QDate end = dateOfDayNumber(in.endDate);
        // Within the tax year a month number names one calendar month.
        if (start.month() != end.month() || start.year() != end.year())
            return refused(PayPeriodRefusal::MonthsDiffer, kMessageSameMonth, kCaptionIncorrectDate);
        if (start.day() > end.day())
            return refused(PayPeriodRefusal::StartAfterEnd, kMessageStartBeforeEnd, kCaptionIncorrectDate);
        break;
    }
    case PayPeriod::Fortnightly:
    case PayPeriod::Weekly: {
        const bool fortnight = in.period == PayPeriod::Fortnightly;
        if (in.thisDays > in.normalDays)
            return refused(PayPeriodRefusal::DaysExceedNormal, fortnight ? kMessageFortnightDays : kMessageWeekDays,
                           kCaptionIncorrectDays);
        // The income is scaled by normal / this days and the tax back by this / normal.
        if (in.thisDays < 1 || in.normalDays < 1)
            return refused(PayPeriodRefusal::NoDays, fortnight ? kMessageFortnightNoDays : kMessageWeekNoDays,
                           kCaptionIncorrectDays);
        break;
    }
    case PayPeriod::Daily:
        break;
    }
    return std::nullopt;
}

}  // namespace

PayPeriodResult calculatePayPeriod(const PayPeriodInputs& in, const PayrollSettings& settings)
{
    if (auto refusal = checkPeriod(in))
        return *refusal;
    if (!amountsInRange({in.salary, in.employerMedicalAid, in.employeeMedicalAid, in.employerFund, in.employeeFund,
                         in.commissions, in.bonus, in.travelAllowance}))
        return refused(PayPeriodRefusal::AmountOutOfRange, kMessageAmountRange);

    PayPeriodResult r;
    const double periods = periodsPerYear(in.period);

    r.medicalSchemeFeesCredit = creditForPeriod(
        MedicalSchemeFeesCredit(in.beneficiaries, in.employerMedicalAid, in.employeeMedicalAid), in.period);

    r.taxableTravelAllowance = TaxableTravelAllowance(in.travelAllowance, settings.TAIncRate8020);

    const double contributions = in.employerFund + in.employeeFund;
    const double remunerationBase =
        in.salary + in.employerMedicalAid + in.commissions + in.bonus + r.taxableTravelAllowance + in.employerFund;
    r.allowableFundDeduction = RetirementFundDeduction(contributions, remunerationBase, periods);

    const double periodIncome = in.salary + in.commissions + r.taxableTravelAllowance + in.employerMedicalAid
                                + in.employerFund - r.allowableFundDeduction;

    // Monthly: days of the pay month and days worked in it.
    double monthDays = 0;
    double daysWorked = 0;
    switch (in.period) {
    case PayPeriod::Monthly:
        monthDays = payroll::daysOfPayMonth(monthOf(in.startDate));
        daysWorked = in.endDate - in.startDate + 1;
        r.annualTaxableIncome = 12 * (monthDays / daysWorked) * periodIncome + in.bonus;
        break;
    case PayPeriod::Fortnightly:
    case PayPeriod::Weekly:
        r.annualTaxableIncome = periods * (static_cast<double>(in.normalDays) / in.thisDays) * periodIncome + in.bonus;
        break;
    case PayPeriod::Daily:
        r.annualTaxableIncome = 260 * periodIncome + in.bonus;
        break;
    }

    r.rebate = RebateForAge(in.age);
    const TaxScaleResult withBonus = TaxScaleLookup(r.annualTaxableIncome);
    const TaxScaleResult withoutBonus = TaxScaleLookup(r.annualTaxableIncome - in.bonus);
    r.lastLookup = withoutBonus;

    double periodTax = 0;
    if (in.period == PayPeriod::Monthly) {
        // The rebate comes off both annual taxes.
        r.taxWithBonus = taxAfterRebate(withBonus.taxBeforeRebates, r.rebate);
        r.taxWithoutBonus = taxAfterRebate(withoutBonus.taxBeforeRebates, r.rebate);
        periodTax = (r.taxWithBonus - r.taxWithoutBonus) + (r.taxWithoutBonus / 12) * daysWorked / monthDays;
    } else {
        // The rebate comes off once, from the tax without the bonus brought to the period.
        r.taxWithBonus = withBonus.taxBeforeRebates;
        r.taxWithoutBonus = withoutBonus.taxBeforeRebates;
        const double bonusTax = r.taxWithBonus - r.taxWithoutBonus;
        if (in.period == PayPeriod::Daily)
            periodTax = bonusTax + (r.taxWithoutBonus - r.rebate) / 260;
        else
            periodTax = bonusTax
                        + ((r.taxWithoutBonus - r.rebate) / periods) * in.thisDays / static_cast<double>(in.normalDays);
    }
    r.periodTax = periodTax < 0 ? 0 : periodTax;

    r.additionalMedicalCredit =
        AdditionalMedicalCredit(in.age, in.employerMedicalAid, in.employeeMedicalAid, r.medicalSchemeFeesCredit);

    const double total = r.periodTax - (r.medicalSchemeFeesCredit + r.additionalMedicalCredit);
    r.totalTaxDeduction = total > 0 ? total : 0;

    // Commissions are not part of the UIF base; they do carry the skills levy.
    const double uifBase = in.salary + in.employerMedicalAid + in.bonus + r.taxableTravelAllowance + in.employerFund;
    const UifContributions uif = uifContributions(uifBase, uifLimitForPeriod(settings.UIFLimit, in.period),
                                                  settings.EmployeeUIF, settings.EmployerUIF);
    r.employeeUIF = uif.employee;
    r.employerUIF = uif.employer;
    r.skillsLevy = skillsLevy(uifBase, r.allowableFundDeduction, in.commissions, settings.SkillLevy);
    return r;
}

}  // namespace kestrel
