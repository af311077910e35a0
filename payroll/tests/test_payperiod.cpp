// The tax of one pay, for the four periods: the worked examples of the year to the cent,
// the credits, the fund deduction, UIF and skills levy, and the refused period extents.
#include "common/numberformat.h"
#include "payroll/payperiod.h"
#include "payroll/payrollmessages.h"
#include "tests/support/testsupport.h"

#include <cmath>

using namespace kestrel;

Q_DECLARE_METATYPE(kestrel::PayPeriod)
Q_DECLARE_METATYPE(kestrel::PayPeriodRefusal)

namespace {

PayPeriodInputs pay(PayPeriod period, double salary, short age = 40)
{
    PayPeriodInputs in = defaultPayPeriodInputs(period);
    in.salary = salary;
    in.age = age;
    return in;
}

DayNumber day(const char* text)
{
    return *parseDate(QString::fromLatin1(text));
}

QString cents(double value)
{
    return formatMoney(value);
}

}  // namespace

class TestPayPeriod : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void periodTax_data()
    {
        QTest::addColumn<PayPeriod>("period");
        QTest::addColumn<double>("salary");
        QTest::addColumn<double>("bonus");
        QTest::addColumn<QString>("extent");  // monthly "dd/mm/yyyy-dd/mm/yyyy", weeks "normal/this"
        QTest::addColumn<double>("annualIncome");
        QTest::addColumn<QString>("taxWithBonus");
        QTest::addColumn<QString>("taxWithoutBonus");
        QTest::addColumn<QString>("periodTax");

        const PayPeriod m = PayPeriod::Monthly;
        const PayPeriod w = PayPeriod::Weekly;
        const PayPeriod f = PayPeriod::Fortnightly;
        const PayPeriod d = PayPeriod::Daily;
        const QString march = QStringLiteral("01/03/2018-31/03/2018");
        // Monthly: the rebate comes off both annual taxes.
        QTest::newRow("month") << m << 20000.0 << 0.0 << march << 240000.0 << "32665.00"
                               << "32665.00"
                               << "2722.08";
        QTest::newRow("month-bonus") << m << 20000.0 << 10000.0 << march << 250000.0 << "35265.00"
                                     << "32665.00"
                                     << "5322.08";
        QTest::newRow("half-month") << m << 20000.0 << 0.0 << "01/03/2018-15/03/2018" << 496000.0 << "112368.00"
                                    << "112368.00"
                                    << "4530.97";
        QTest::newRow("one-day") << m << 1000.0 << 0.0 << "15/03/2018-15/03/2018" << 372000.0 << "70292.50"
                                 << "70292.50"
                                 << "188.96";
        QTest::newRow("february") << m << 20000.0 << 0.0 << "01/02/2019-28/02/2019" << 240000.0 << "32665.00"
                                  << "32665.00"
                                  << "2722.08";
        QTest::newRow("low-salary-bonus") << m << 5000.0 << 10000.0 << march << 70000.0 << "0.00"
                                          << "0.00"
                                          << "0.00";
        // Weeks and days: the rebate is taken once, from the tax without the bonus.
        QTest::newRow("week") << w << 5000.0 << 0.0 << "7/7" << 260000.0 << "51932.00"
                              << "51932.00"
                              << "728.17";
        QTest::newRow("week-bonus") << w << 5000.0 << 10000.0 << "7/7" << 270000.0 << "54532.00"
                                    << "51932.00"
                                    << "3328.17";
        QTest::newRow("week-low-bonus") << w << 1000.0 << 10000.0 << "7/7" << 62000.0 << "11160.00"
                                        << "9360.00"
                                        << "1709.48";
        QTest::newRow("week-5-of-7") << w << 5000.0 << 0.0 << "7/5" << 364000.0 << "81879.50"
                                     << "81879.50"
                                     << "931.49";
        QTest::newRow("fortnight") << f << 10000.0 << 0.0 << "14/14" << 260000.0 << "51932.00"
                                   << "51932.00"
                                   << "1456.35";
        QTest::newRow("fortnight-10-of-14") << f << 8000.0 << 0.0 << "14/10" << 291200.0 << "60044.00"
                                            << "60044.00"
                                            << "1263.10";
        QTest::newRow("day") << d << 1000.0 << 0.0 << "" << 260000.0 << "51932.00"
                             << "51932.00"
                             << "145.63";
        QTest::newRow("below-rebate") << d << 100.0 << 0.0 << "" << 26000.0 << "4680.00"
                                      << "4680.00"
                                      << "0.00";
    }
    void periodTax()
    {
        QFETCH(PayPeriod, period);
        QFETCH(double, salary);
        QFETCH(double, bonus);
        QFETCH(QString, extent);
        QFETCH(double, annualIncome);
        QFETCH(QString, taxWithBonus);
        QFETCH(QString, taxWithoutBonus);
        QFETCH(QString, periodTax);
        PayPeriodInputs in = pay(period, salary);
        in.bonus = bonus;
        if (period == PayPeriod::Monthly) {
            const QStringList dates = extent.split(QLatin1Char('-'));
            in.startDate = *parseDate(dates[0]);
            in.endDate = *parseDate(dates[1]);
        } else if (!extent.isEmpty()) {
            in.normalDays = extent.section(QLatin1Char('/'), 0, 0).toInt();
            in.thisDays = extent.section(QLatin1Char('/'), 1, 1).toInt();
        }
        const PayPeriodResult r = calculatePayPeriod(in, PayrollSettings{});
        QVERIFY(r.ok());
        QCOMPARE(r.annualTaxableIncome, annualIncome);
        QCOMPARE(cents(r.taxWithBonus), taxWithBonus);
        QCOMPARE(cents(r.taxWithoutBonus), taxWithoutBonus);
        QCOMPARE(cents(r.periodTax), periodTax);
        QCOMPARE(r.rebate, 14067.0);
        // No credits here: the deduction is the period tax.
        QCOMPARE(r.totalTaxDeduction, r.periodTax);
        // The session's exchange receives the lookup without the bonus.
        QCOMPARE(r.lastLookup.income, annualIncome - bonus);
    }

    void credits_data()
    {
        QTest::addColumn<PayPeriod>("period");
        QTest::addColumn<short>("age");
        QTest::addColumn<short>("beneficiaries");
        QTest::addColumn<double>("employerMedical");
        QTest::addColumn<double>("employeeMedical");
        QTest::addColumn<QString>("credit");
        QTest::addColumn<QString>("additional");
        const PayPeriod m = PayPeriod::Monthly;
        QTest::newRow("month-1") << m << short(40) << short(1) << 0.0 << 500.0 << "310.00"
                                 << "0.00";
        QTest::newRow("month-3") << m << short(40) << short(3) << 500.0 << 500.0 << "829.00"
                                 << "0.00";
        QTest::newRow("no-contribution") << m << short(70) << short(5) << 0.0 << 0.0 << "0.00"
                                         << "0.00";
        QTest::newRow("fortnight-2") << PayPeriod::Fortnightly << short(40) << short(2) << 0.0 << 500.0 << "310.00"
                                     << "0.00";
        QTest::newRow("week-3") << PayPeriod::Weekly << short(40) << short(3) << 0.0 << 500.0 << "207.25"
                                << "0.00";
        QTest::newRow("day-1") << PayPeriod::Daily << short(40) << short(1) << 0.0 << 500.0 << "14.31"
                               << "0.00";
        QTest::newRow("day-3") << PayPeriod::Daily << short(40) << short(3) << 0.0 << 500.0 << "38.26"
                               << "0.00";
        // From 65 the contributions above three times the credit earn a third (0.333) back.
        QTest::newRow("age-65") << m << short(65) << short(2) << 3000.0 << 1000.0 << "620.00"
                                << "712.62";
        QTest::newRow("age-64") << m << short(64) << short(2) << 3000.0 << 1000.0 << "620.00"
                                << "0.00";
        QTest::newRow("age-70-small") << m << short(70) << short(2) << 500.0 << 500.0 << "620.00"
                                      << "0.00";
        QTest::newRow("16-bit-count") << m << short(40) << short(32767) << 1.0 << 0.0 << "6848505.00"
                                      << "0.00";
    }
    void credits()
    {
        QFETCH(PayPeriod, period);
        QFETCH(short, age);
        QFETCH(short, beneficiaries);
        QFETCH(double, employerMedical);
        QFETCH(double, employeeMedical);
        QFETCH(QString, credit);
        QFETCH(QString, additional);
        PayPeriodInputs in = pay(period, 20000, age);
        in.beneficiaries = beneficiaries;
        in.employerMedicalAid = employerMedical;
        in.employeeMedicalAid = employeeMedical;
        const PayPeriodResult r = calculatePayPeriod(in, PayrollSettings{});
        QCOMPARE(cents(r.medicalSchemeFeesCredit), credit);
        QCOMPARE(cents(r.additionalMedicalCredit), additional);
        const double expectedTotal = r.periodTax - r.medicalSchemeFeesCredit - r.additionalMedicalCredit;
        QCOMPARE(r.totalTaxDeduction, expectedTotal > 0 ? expectedTotal : 0.0);
    }

    void creditsAboveTheTaxLeaveNoDeduction()
    {
        PayPeriodInputs in = pay(PayPeriod::Monthly, 8000);
        in.employeeMedicalAid = 2000;
        in.beneficiaries = 4;  // 1 038 a month
        const PayPeriodResult r = calculatePayPeriod(in, PayrollSettings{});
        QVERIFY(r.periodTax > 0);
        QVERIFY(r.periodTax < r.medicalSchemeFeesCredit);
        QCOMPARE(r.totalTaxDeduction, 0.0);
    }

    void fundDeduction_data()
    {
        QTest::addColumn<PayPeriod>("period");
        QTest::addColumn<double>("salary");
        QTest::addColumn<double>("employerFund");
        QTest::addColumn<double>("employeeFund");
        QTest::addColumn<QString>("deduction");
        const PayPeriod m = PayPeriod::Monthly;
        // Base 10 000 (salary 8 000 + employer fund 2 000): 27.5 % is 2 750.
        QTest::newRow("exactly-27.5%") << m << 8000.0 << 2000.0 << 750.0 << "2750.00";
        QTest::newRow("below") << m << 8000.0 << 2000.0 << 500.0 << "2500.00";
        QTest::newRow("above") << m << 8000.0 << 2000.0 << 1000.0 << "2750.00";
        QTest::newRow("monthly-cap") << m << 200000.0 << 20000.0 << 20000.0 << "29166.67";
        QTest::newRow("weekly-cap") << PayPeriod::Weekly << 50000.0 << 5000.0 << 5000.0 << "6730.77";
        QTest::newRow("daily-cap") << PayPeriod::Daily << 10000.0 << 1000.0 << 1000.0 << "1346.15";
    }
    void fundDeduction()
    {
        QFETCH(PayPeriod, period);
        QFETCH(double, salary);
        QFETCH(double, employerFund);
        QFETCH(double, employeeFund);
        QFETCH(QString, deduction);
        PayPeriodInputs in = pay(period, salary);
        in.employerFund = employerFund;
        in.employeeFund = employeeFund;
        const PayPeriodResult r = calculatePayPeriod(in, PayrollSettings{});
        QCOMPARE(cents(r.allowableFundDeduction), deduction);
    }

    void travelAllowanceFollowsTheInclusionRate()
    {
        PayPeriodInputs in = pay(PayPeriod::Monthly, 20000);
        in.travelAllowance = 5000;
        PayrollSettings settings;
        settings.TAIncRate8020 = 0.2;
        const PayPeriodResult fifth = calculatePayPeriod(in, settings);
        QCOMPARE(fifth.taxableTravelAllowance, 1000.0);
        QCOMPARE(fifth.annualTaxableIncome, 12 * 21000.0);
        settings.TAIncRate8020 = 0.5;  // a rate written by another program is used as it is
        QCOMPARE(calculatePayPeriod(in, settings).taxableTravelAllowance, 2500.0);
    }

    void uifAndSkillsLevy_data()
    {
        QTest::addColumn<PayPeriod>("period");
        QTest::addColumn<double>("salary");
        QTest::addColumn<double>("commissions");
        QTest::addColumn<double>("employerFund");
        QTest::addColumn<QString>("employeeUif");
        QTest::addColumn<QString>("employerUif");
        QTest::addColumn<QString>("levy");
        const PayPeriod m = PayPeriod::Monthly;
        // Settings: employee 1 %, employer 2 %, ceiling 14 872 a month, levy 1 %.
        QTest::newRow("under-ceiling") << m << 10000.0 << 0.0 << 0.0 << "100.00"
                                       << "200.00"
                                       << "100.00";
        QTest::newRow("over-ceiling") << m << 20000.0 << 0.0 << 0.0 << "148.72"
                                      << "297.44"
                                      << "200.00";
        QTest::newRow("commissions-levy-only") << m << 10000.0 << 5000.0 << 0.0 << "100.00"
                                               << "200.00"
                                               << "150.00";
        // Employer fund 1 000 joins the base; the deduction (1 000) leaves the levy's base.
        QTest::newRow("fund") << m << 10000.0 << 0.0 << 1000.0 << "110.00"
                              << "220.00"
                              << "100.00";
        QTest::newRow("week-ceiling") << PayPeriod::Weekly << 5000.0 << 0.0 << 0.0 << "34.32"
                                      << "68.64"
                                      << "50.00";
        QTest::newRow("fortnight-ceiling") << PayPeriod::Fortnightly << 8000.0 << 0.0 << 0.0 << "68.64"
                                           << "137.28"
                                           << "80.00";
        QTest::newRow("day-ceiling") << PayPeriod::Daily << 1000.0 << 0.0 << 0.0 << "6.86"
                                     << "13.73"
                                     << "10.00";
    }
    void uifAndSkillsLevy()
    {
        QFETCH(PayPeriod, period);
        QFETCH(double, salary);
        QFETCH(double, commissions);
        QFETCH(double, employerFund);
        QFETCH(QString, employeeUif);
        QFETCH(QString, employerUif);
        QFETCH(QString, levy);
        PayPeriodInputs in = pay(period, salary);
        in.commissions = commissions;
        in.employerFund = employerFund;
        PayrollSettings settings;
        settings.EmployerUIF = 2;
        const PayPeriodResult r = calculatePayPeriod(in, settings);
        QCOMPARE(cents(r.employeeUIF), employeeUif);
        QCOMPARE(cents(r.employerUIF), employerUif);
        QCOMPARE(cents(r.skillsLevy), levy);
    }

    void refusals_data()
    {
        QTest::addColumn<PayPeriod>("period");
        QTest::addColumn<QString>("extent");
        QTest::addColumn<double>("salary");
        QTest::addColumn<PayPeriodRefusal>("refusal");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("caption");
        const PayPeriod m = PayPeriod::Monthly;
        const QString date = payroll::kCaptionIncorrectDate;
        const QString days = payroll::kCaptionIncorrectDays;
        QTest::newRow("months-differ") << m << "01/03/2018-15/04/2018" << 1000.0 << PayPeriodRefusal::MonthsDiffer
                                       << payroll::kMessageSameMonth << date;
        QTest::newRow("start-after-end") << m << "15/03/2018-14/03/2018" << 1000.0 << PayPeriodRefusal::StartAfterEnd
                                         << payroll::kMessageStartBeforeEnd << date;
        QTest::newRow("before-year") << m << "28/02/2018-28/02/2018" << 1000.0 << PayPeriodRefusal::StartDateOutsideYear
                                     << "The date entered is not correct please enter a date between 01/03/2018 and "
                                        "28/02/2019"
                                     << date;
        QTest::newRow("week-8-of-7") << PayPeriod::Weekly << "7/8" << 1000.0 << PayPeriodRefusal::DaysExceedNormal
                                     << payroll::kMessageWeekDays << days;
        QTest::newRow("fortnight-15-of-14")
            << PayPeriod::Fortnightly << "14/15" << 1000.0 << PayPeriodRefusal::DaysExceedNormal
            << payroll::kMessageFortnightDays << days;
        // A period of 0 days would divide by 0.
        QTest::newRow("week-0-days") << PayPeriod::Weekly << "7/0" << 1000.0 << PayPeriodRefusal::NoDays
                                     << payroll::kMessageWeekNoDays << days;
        QTest::newRow("week-none") << PayPeriod::Weekly << "0/0" << 1000.0 << PayPeriodRefusal::NoDays
                                   << payroll::kMessageWeekNoDays << days;
        QTest::newRow("fortnight-negative") << PayPeriod::Fortnightly << "14/-2" << 1000.0 << PayPeriodRefusal::NoDays
                                            << payroll::kMessageFortnightNoDays << days;
        QTest::newRow("huge-salary") << PayPeriod::Daily << "" << 1e300 << PayPeriodRefusal::AmountOutOfRange
                                     << payroll::kMessageAmountRange << "";
        QTest::newRow("not-a-number") << PayPeriod::Daily << "" << std::nan("") << PayPeriodRefusal::AmountOutOfRange
                                      << payroll::kMessageAmountRange << "";
    }
    void refusals()
    {
        QFETCH(PayPeriod, period);
        QFETCH(QString, extent);
        QFETCH(double, salary);
        QFETCH(PayPeriodRefusal, refusal);
        QFETCH(QString, message);
        QFETCH(QString, caption);
        PayPeriodInputs in = pay(period, salary);
        if (period == PayPeriod::Monthly) {
            in.startDate = *parseDate(extent.section(QLatin1Char('-'), 0, 0));
            in.endDate = *parseDate(extent.section(QLatin1Char('-'), 1, 1));
        } else if (!extent.isEmpty()) {
            in.normalDays = extent.section(QLatin1Char('/'), 0, 0).toInt();
            in.thisDays = extent.section(QLatin1Char('/'), 1, 1).toInt();
        }
        const PayPeriodResult r = calculatePayPeriod(in, PayrollSettings{});
        QCOMPARE(r.refusal, refusal);
        QCOMPARE(r.message, message);
        QCOMPARE(r.caption, caption);
        QCOMPARE(r.periodTax, 0.0);
    }

    void largestAmountsStayFinite()
    {
        // A whole day's pay at the field limit, annualised by 12 x 31, in every input.
        PayPeriodInputs in = pay(PayPeriod::Monthly, payroll::kMaximumAmount);
        in.startDate = day("01/03/2018");
        in.endDate = day("01/03/2018");
        in.employerMedicalAid = in.employeeMedicalAid = in.employerFund = in.employeeFund = in.commissions = in.bonus =
            in.travelAllowance = payroll::kMaximumAmount;
        in.beneficiaries = 32767;
        const PayPeriodResult r = calculatePayPeriod(in, PayrollSettings{});
        QVERIFY(r.ok());
        for (double v : {r.annualTaxableIncome, r.periodTax, r.totalTaxDeduction, r.employeeUIF, r.skillsLevy,
                         r.medicalSchemeFeesCredit, r.additionalMedicalCredit})
            QVERIFY(std::isfinite(v));
        QVERIFY(formatMoney(r.periodTax) != QLatin1String("Overflow"));
    }
};

KESTREL_TEST_MAIN(TestPayPeriod)
#include "test_payperiod.moc"
