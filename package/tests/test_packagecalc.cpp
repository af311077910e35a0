// The package calculations on worked figures: the backward search and its results, the
// forward split, the shared rules (car benefit, fund contributions, medical credits, the
// 27.5 % check), the R/A explanation lines and the printout's record.
#include "package/packagecalc.h"
#include "package/packagesearch.h"
#include "package/raexplained.h"
#include "package/salpackagerecord.h"
#include "tests/support/testsupport.h"

#include <QElapsedTimer>

using namespace kestrel;

namespace {

// The settings of the worked examples: UIF 1 % and 1 %, skills levy 1 %, no fund percentages.
PayrollSettings plainSettings()
{
    PayrollSettings s;
    s.EmployeeUIF = 1;
    s.EmployerUIF = 1;
    s.SkillLevy = 1;
    s.UIFLimit = 14872;
    s.TAIncRate8020 = 0.8;
    s.CompCarFBRate8020 = 0.8;
    s.CompCarMPYesNo = false;
    return s;
}

PackageInputs monthly(double amount, int age = 30)
{
    PackageInputs in;
    in.period = PackagePeriod::Monthly;
    in.mainAmount = amount;
    in.age = age;
    return in;
}

PackageInputs annual(double amount, int age = 30)
{
    PackageInputs in = monthly(amount, age);
    in.period = PackagePeriod::Annual;
    return in;
}

// To the cent: the figures are worked in exact arithmetic.
bool cents(double actual, double expected)
{
    return qAbs(actual - expected) < 0.005;
}

#define COMPARE_CENTS(actual, expected)                                                                                \
    QVERIFY2(cents(actual, expected), qPrintable(QStringLiteral("%1 is %2, expected %3")                               \
                                                     .arg(QLatin1String(#actual))                                      \
                                                     .arg(actual, 0, 'f', 6)                                           \
                                                     .arg(expected, 0, 'f', 6)))

}  // namespace

Q_DECLARE_METATYPE(kestrel::PackageInputs)
Q_DECLARE_METATYPE(kestrel::PayrollSettings)

class TestPackageCalc : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // ----- Backward ------------------------------------------------------------------------

    void backward_data()
    {
        QTest::addColumn<PackageInputs>("inputs");
        QTest::addColumn<PayrollSettings>("settings");
        QTest::addColumn<double>("trial");
        QTest::addColumn<double>("taxDue");
        QTest::addColumn<double>("taxDeduction");
        QTest::addColumn<double>("uif");
        QTest::addColumn<double>("levy");
        QTest::addColumn<double>("employeeFund");
        QTest::addColumn<double>("employerFund");
        QTest::addColumn<double>("gross");
        QTest::addColumn<double>("total");
        QTest::addColumn<bool>("warning");

        // N = 5 000: G = 5 050 nets 4 999.50, which is not above N; G = 5 051 nets 5 000.49.
        QTest::newRow("n5000") << monthly(5000) << plainSettings() << 5051.0 << 0.0 << 0.0 << 50.51 << 50.51 << 0.0
                               << 0.0 << 5050.51 << 5151.53 << false;
        // A required net that some whole G yields exactly: the search goes one rand further.
        QTest::newRow("exact-net") << monthly(4999.5) << plainSettings() << 5051.0 << 0.0 << 0.0 << 50.51 << 50.51
                                   << 0.0 << 0.0 << 5050.01 << 5151.03 << false;
        {
            // Medical credits of 829 larger than the tax of 96.93: the credits come off the net.
            PackageInputs in = monthly(5000);
            in.employeeMedicalAid = 2000;
            in.beneficiaries = 3;
            QTest::newRow("credits-above-tax") << in << plainSettings() << 5880.0 << 96.93 << 0.0 << 50.51 << 50.51
                                               << 0.0 << 0.0 << 7050.51 << 7151.53 << false;
        }
        {
            PackageInputs in = monthly(20000, 40);
            PayrollSettings s = plainSettings();
            s.PensionCont = 7.5;
            s.EmployerPenCont = 10;
            QTest::newRow("fund-percentages") << in << s << 25816.0 << 3730.831333 << 3730.831333 << 148.72 << 238.798
                                              << 1936.2 << 2581.6 << 25815.751333 << 28784.869333 << false;
        }
        {
            // A fixed employee contribution above 27.5 % of the remuneration.
            PackageInputs in = monthly(10000);
            in.employeeFund = 5000;
            QTest::newRow("over-limit") << in << plainSettings() << 15947.0 << 798.21 << 798.21 << 148.72 << 109.47
                                        << 5000.0 << 0.0 << 15946.93 << 16205.12 << true;
        }
        {
            PackageInputs in = annual(300000, 45);
            in.carValue = 200000;
            in.travelAllowance = 60000;
            in.employeeMedicalAid = 24000;
            in.employerMedicalAid = 24000;
            in.beneficiaries = 36;
            PayrollSettings s = plainSettings();
            s.PensionCont = 7.5;
            s.EmployerPenCont = 10;
            QTest::newRow("annual-car-medical")
                << in << s << 392889.0 << 118783.353 << 108835.353 << 1784.64 << 4898.20425 << 32320.575 << 43094.1
                << 466940.568 << 540717.51225 << false;
        }
    }
    void backward()
    {
        QFETCH(PackageInputs, inputs);
        QFETCH(PayrollSettings, settings);
        const PackageResult r = BackwardPackage(inputs, settings);
        QVERIFY(r.calculated());
        QTEST(r.trialSalary, "trial");
        QFETCH(double, taxDue);
        QFETCH(double, taxDeduction);
        QFETCH(double, uif);
        QFETCH(double, levy);
        QFETCH(double, employeeFund);
        QFETCH(double, employerFund);
        QFETCH(double, gross);
        QFETCH(double, total);
        COMPARE_CENTS(r.taxDue, taxDue);
        COMPARE_CENTS(r.taxDeduction, taxDeduction);
        COMPARE_CENTS(r.employeeUIF, uif);
        COMPARE_CENTS(r.employerUIF, uif);
        COMPARE_CENTS(r.skillsLevy, levy);
        COMPARE_CENTS(r.employeeFund, employeeFund);
        COMPARE_CENTS(r.employerFund, employerFund);
        COMPARE_CENTS(r.salary, gross);
        COMPARE_CENTS(r.totalCostToCompany, total);
        QTEST(r.limitWarning, "warning");
        // The searches agree, and the fund fields hold the contributions afterwards.
        const PackageResult literal = BackwardPackage(inputs, settings, SearchMethod::Literal);
        QCOMPARE(literal.trialSalary, r.trialSalary);
        QCOMPARE(literal.trials, static_cast<long long>(r.trialSalary));
        QCOMPARE(r.employeeFundField, r.employeeFund);
        QCOMPARE(r.employerFundField, r.employerFund);
    }

    void trialsAroundTheStop()
    {
        // The figures of the N = 5 000 example, trial by trial.
        BackwardSearchConstants k;
        k.monthly = true;
        k.L = 14872;
        k.uee = 1;
        k.rebate = RebateForAge(30);
        QVERIFY(cents(evaluateBackwardTrial(k, 5050).net, 4999.50));
        QVERIFY(cents(evaluateBackwardTrial(k, 5051).net, 5000.49));
    }

    void percentageSetToZeroKeepsTheComputedAmount()
    {
        PayrollSettings s = plainSettings();
        s.PensionCont = 7.5;
        PackageInputs in = monthly(20000, 40);
        const PackageResult first = BackwardPackage(in, s);
        // The field now holds the computed amount; without the percentage it is the amount.
        in.employeeFund = first.employeeFundField;
        s.PensionCont = 0;
        const PackageResult second = BackwardPackage(in, s);
        QCOMPARE(second.employeeFund, first.employeeFundField);
        QCOMPARE(second.employeeFundField, first.employeeFundField);
    }

    void fringeBenefitCheck_data()
    {
        QTest::addColumn<PackagePeriod>("period");
        QTest::addColumn<double>("employeeFund");
        QTest::addColumn<double>("employerFund");
        QTest::addColumn<bool>("refused");
        // T = 8 000 of N = 10 000: the annual window adds the employee amount and takes off
        // the employer amount; the monthly window ignores both.
        QTest::newRow("annual-plus-employee") << PackagePeriod::Annual << 3000.0 << 0.0 << true;
        QTest::newRow("annual-less-employer") << PackagePeriod::Annual << 3000.0 << 2000.0 << false;
        QTest::newRow("monthly-ignores-funds") << PackagePeriod::Monthly << 3000.0 << 0.0 << false;
        QTest::newRow("annual-equal-is-fine") << PackagePeriod::Annual << 2000.0 << 0.0 << false;
    }
    void fringeBenefitCheck()
    {
        QFETCH(PackagePeriod, period);
        QFETCH(double, employeeFund);
        QFETCH(double, employerFund);
        QFETCH(bool, refused);
        PackageInputs in = monthly(10000);
        in.period = period;
        in.travelAllowance = 8000;
        in.employeeFund = employeeFund;
        in.employerFund = employerFund;
        const PackageResult r = BackwardPackage(in, plainSettings());
        QCOMPARE(r.status == PackageStatus::Refused, refused);
        if (refused)
            QCOMPARE(r.message, QStringLiteral("Fringe benefits more than salary required!"));
    }

    void zeroAmountRefusesSilently()
    {
        PackageInputs in = monthly(0, 30);
        in.beneficiaries = 3;  // no medical contribution, but nothing is touched
        in.medicalDeductions = 200;
        for (const PackageResult& r : {BackwardPackage(in, plainSettings()), ForwardPackage(in, plainSettings())}) {
            QCOMPARE(r.status, PackageStatus::RefusedSilently);
            QVERIFY(r.message.isEmpty());
            QCOMPARE(r.beneficiariesField, 3);
        }
        QCOMPARE(BackwardPackage(in, plainSettings()).medicalDeductionsField, 200.0);
    }

    void medicalDeductionsFromAge65()
    {
        PackageInputs in = monthly(10000, 64);
        in.medicalDeductions = 500;
        const PackageResult young = BackwardPackage(in, plainSettings());
        QCOMPARE(young.medicalDeductionsField, 0.0);
        in.age = 65;
        const PackageResult old = BackwardPackage(in, plainSettings());
        QCOMPARE(old.medicalDeductionsField, 500.0);
        // At 64 the rebate is 14 067 and the deduction is dropped; at 65 the rebate is 21 780
        // and the deduction comes off the net (G = 10 612) and is part of the gross salary.
        QCOMPARE(young.trialSalary, 10899.0);
        COMPARE_CENTS(young.salary, 10898.56);
        QCOMPARE(old.trialSalary, 10612.0);
        COMPARE_CENTS(old.taxDue, 5.16);
        COMPARE_CENTS(old.salary, 10611.28);
    }

    void medicalCredits_data()
    {
        QTest::addColumn<PackagePeriod>("period");
        QTest::addColumn<int>("age");
        QTest::addColumn<int>("beneficiaries");
        QTest::addColumn<double>("employeeMedical");
        QTest::addColumn<double>("feesCredit");
        QTest::addColumn<double>("additional");
        QTest::addColumn<int>("beneficiariesAfter");
        QTest::newRow("monthly-3") << PackagePeriod::Monthly << 40 << 3 << 1500.0 << 829.0 << 0.0 << 3;
        QTest::newRow("annual-24") << PackagePeriod::Annual << 40 << 24 << 18000.0 << 7440.0 << 0.0 << 24;
        QTest::newRow("annual-36") << PackagePeriod::Annual << 40 << 36 << 18000.0 << 9948.0 << 0.0 << 36;
        QTest::newRow("no-contribution") << PackagePeriod::Monthly << 40 << 2 << 0.0 << 0.0 << 0.0 << 0;
        // From 65: (1 500 - 3 x 620) x 0.333 is negative, so 0; with 4 000: (4 000 - 1 860) x 0.333.
        QTest::newRow("age-65-small") << PackagePeriod::Monthly << 65 << 2 << 1500.0 << 620.0 << 0.0 << 2;
        QTest::newRow("age-65") << PackagePeriod::Monthly << 65 << 2 << 4000.0 << 620.0 << 712.62 << 2;
        QTest::newRow("age-64") << PackagePeriod::Monthly << 64 << 2 << 4000.0 << 620.0 << 0.0 << 2;
    }
    void medicalCredits()
    {
        QFETCH(PackagePeriod, period);
        QFETCH(int, age);
        QFETCH(int, beneficiaries);
        QFETCH(double, employeeMedical);
        QFETCH(double, feesCredit);
        QFETCH(double, additional);
        PackageInputs in = monthly(period == PackagePeriod::Monthly ? 20000 : 240000, age);
        in.period = period;
        in.beneficiaries = beneficiaries;
        in.employeeMedicalAid = employeeMedical;
        for (PackageDirection direction : {PackageDirection::Backward, PackageDirection::Forward}) {
            const PackageResult r = calculatePackage(direction, in, plainSettings());
            QVERIFY(r.calculated());
            COMPARE_CENTS(r.medicalSchemeFeesCredit, feesCredit);
            COMPARE_CENTS(r.additionalMedicalCredit, additional);
            COMPARE_CENTS(r.taxCredit, feesCredit + additional);
            QTEST(r.beneficiariesField, "beneficiariesAfter");
        }
    }

    void onceOffCarCost_data()
    {
        QTest::addColumn<double>("carCost");
        QTest::addColumn<double>("onceOff");
        QTest::newRow("no-car-cost") << 0.0 << 250000.0;
        QTest::newRow("car-cost") << 6000.0 << 0.0;
    }
    void onceOffCarCost()
    {
        QFETCH(double, carCost);
        QFETCH(double, onceOff);
        PackageInputs in = monthly(30000);
        in.carValue = 250000;
        in.carCost = carCost;
        for (PackageDirection direction : {PackageDirection::Backward, PackageDirection::Forward}) {
            const PackageResult r = calculatePackage(direction, in, plainSettings());
            QCOMPARE(r.onceOffCarCost, onceOff);
        }
    }

    void unreachableNetIsRefusedQuickly_data()
    {
        QTest::addColumn<PackageInputs>("inputs");
        QTest::addColumn<double>("employeePercent");
        QTest::addColumn<QString>("message");
        const QString monthlyBound = searchBoundMessage(PackagePeriod::Monthly);
        const QString annualBound = searchBoundMessage(PackagePeriod::Annual);
        QTest::newRow("monthly-99.9%") << monthly(25000) << 99.9 << monthlyBound;
        QTest::newRow("annual-99.9%") << annual(300000) << 99.9 << annualBound;
        QTest::newRow("annual-100%") << annual(300000) << 100.0 << annualBound;
        QTest::newRow("annual-250%") << annual(300000) << 250.0 << annualBound;
        QTest::newRow("annual-huge-net") << annual(9e11) << 0.0 << annualBound;
        QTest::newRow("monthly-huge-net") << monthly(5e8) << 7.5 << monthlyBound;
        QTest::newRow("absurd-amount") << annual(1e13) << 0.0 << tooLargeMessage();
        PackageInputs car = monthly(5000);
        car.carValue = 1e300;
        QTest::newRow("absurd-car") << car << 0.0 << tooLargeMessage();
    }
    void unreachableNetIsRefusedQuickly()
    {
        QFETCH(PackageInputs, inputs);
        QFETCH(double, employeePercent);
        QFETCH(QString, message);
        PayrollSettings s = plainSettings();
        s.PensionCont = employeePercent;
        QElapsedTimer clock;
        clock.start();
        const PackageResult r = BackwardPackage(inputs, s);
        QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(r.status, PackageStatus::Refused);
        QCOMPARE(r.message, message);
        QCOMPARE(r.salary, 0.0);
    }

    void nearlyAllToTheFundStillFound()
    {
        // 99 % to the fund leaves the net growing above the UIF ceiling: slow but reachable.
        PayrollSettings s = plainSettings();
        s.PensionCont = 99;
        const PackageInputs in = monthly(2000);
        const PackageResult fast = BackwardPackage(in, s);
        QVERIFY(fast.calculated());
        QCOMPARE(fast.trialSalary, BackwardPackage(in, s, SearchMethod::Literal).trialSalary);
        QVERIFY(fast.trials < 2000);
    }

    // ----- Forward -------------------------------------------------------------------------

    void forward_data()
    {
        QTest::addColumn<PackageInputs>("inputs");
        QTest::addColumn<PayrollSettings>("settings");
        QTest::addColumn<double>("taxableIncome");
        QTest::addColumn<double>("uif");
        QTest::addColumn<double>("levy");
        QTest::addColumn<double>("taxDeduction");
        QTest::addColumn<double>("net");
        QTest::addColumn<double>("total");
        QTest::addColumn<bool>("warning");

        // (TaxScaleLookup(120 000) - 14 067) / 12 = (21 600 - 14 067) / 12 = 627.75.
        QTest::newRow("p10000") << monthly(10000, 40) << plainSettings() << 10000.0 << 100.0 << 100.0 << 627.75
                                << 9272.25 << 10200.0 << false;
        {
            PayrollSettings s = plainSettings();
            s.UIFLimit = 8000;
            QTest::newRow("uif-limit-8000")
                << monthly(10000, 40) << s << 10000.0 << 80.0 << 100.0 << 627.75 << 9292.25 << 10180.0 << false;
        }
        {
            // Employer 10 %: off the net and onto the cost. TI 9 000: (19 440 - 14 067) / 12.
            PayrollSettings s = plainSettings();
            s.EmployerPenCont = 10;
            QTest::newRow("employer-10%")
                << monthly(10000, 40) << s << 9000.0 << 100.0 << 90.0 << 447.75 << 8452.25 << 11190.0 << false;
        }
        {
            // 27.5 % + 10 %: contributions 3 750 against 27.5 % of 11 000 = 3 025.
            PayrollSettings s = plainSettings();
            s.PensionCont = 27.5;
            s.EmployerPenCont = 10;
            QTest::newRow("over-limit") << monthly(10000, 40) << s << 6975.0 << 100.0 << 69.75 << 83.25 << 6066.75
                                        << 11169.75 << true;
        }
        {
            // Other expenses are printed only.
            PackageInputs in = monthly(10000, 40);
            in.otherExpenses = {150, 250, 0, 0};
            QTest::newRow("other-expenses")
                << in << plainSettings() << 10000.0 << 100.0 << 100.0 << 627.75 << 9272.25 << 10200.0 << false;
        }
        {
            // Travel allowance 5 000 of 20 000 at 80 %: TI and UIF base 19 000.
            PackageInputs in = monthly(20000, 40);
            in.travelAllowance = 5000;
            const double tax80 = (taxBeforeRebates(19000 * 12) - 14067) / 12;
            QTest::newRow("travel-80%") << in << plainSettings() << 19000.0 << 148.72 << 190.0 << tax80
                                        << 20000 - 148.72 - tax80 << 20000 + 148.72 + 190.0 << false;
            PayrollSettings s = plainSettings();
            s.TAIncRate8020 = 0.2;
            const double tax20 = (taxBeforeRebates(16000 * 12) - 14067) / 12;
            QTest::newRow("travel-20%") << in << s << 16000.0 << 148.72 << 160.0 << tax20 << 20000 - 148.72 - tax20
                                        << 20000 + 148.72 + 160.0 << false;
        }
        {
            // A stored inclusion rate of 0.5 is used as it is.
            PackageInputs in = monthly(20000, 40);
            in.travelAllowance = 5000;
            PayrollSettings s = plainSettings();
            s.TAIncRate8020 = 0.5;
            const double tax = (taxBeforeRebates(17500 * 12) - 14067) / 12;
            QTest::newRow("travel-50%") << in << s << 17500.0 << 148.72 << 175.0 << tax << 20000 - 148.72 - tax
                                        << 20000 + 148.72 + 175.0 << false;
        }
    }
    void forward()
    {
        QFETCH(PackageInputs, inputs);
        QFETCH(PayrollSettings, settings);
        QFETCH(double, taxableIncome);
        QFETCH(double, uif);
        QFETCH(double, levy);
        QFETCH(double, taxDeduction);
        QFETCH(double, net);
        QFETCH(double, total);
        const PackageResult r = ForwardPackage(inputs, settings);
        QVERIFY(r.calculated());
        COMPARE_CENTS(r.taxableIncome, taxableIncome);
        COMPARE_CENTS(r.employeeUIF, uif);
        COMPARE_CENTS(r.employerUIF, uif);
        COMPARE_CENTS(r.skillsLevy, levy);
        COMPARE_CENTS(r.taxDeduction, taxDeduction);
        COMPARE_CENTS(r.salary, net);
        COMPARE_CENTS(r.totalCostToCompany, total);
        QTEST(r.limitWarning, "warning");
    }

    // ----- Shared rules --------------------------------------------------------------------

    void carFringeBenefit_data()
    {
        QTest::addColumn<bool>("plan");
        QTest::addColumn<double>("rate");
        QTest::addColumn<PackagePeriod>("period");
        QTest::addColumn<double>("benefit");
        QTest::newRow("plan-80-month") << true << 0.8 << PackagePeriod::Monthly << 2600.0;
        QTest::newRow("plan-80-year") << true << 0.8 << PackagePeriod::Annual << 31200.0;
        QTest::newRow("no-plan-20-month") << false << 0.2 << PackagePeriod::Monthly << 700.0;
        QTest::newRow("no-plan-80-year") << false << 0.8 << PackagePeriod::Annual << 33600.0;
    }
    void carFringeBenefit()
    {
        QFETCH(bool, plan);
        QFETCH(double, rate);
        QFETCH(PackagePeriod, period);
        QFETCH(double, benefit);
        COMPARE_CENTS(CarFringeBenefit(100000, plan, rate, period), benefit);
        QCOMPARE(CarFringeBenefit(0, plan, rate, period), 0.0);
    }

    void fundContribution()
    {
        QCOMPARE(FundContribution(7.5, 999, 20000), 1500.0);
        QCOMPARE(FundContribution(0, 999, 20000), 999.0);
        QCOMPARE(FundContribution(-5, 999, 20000), 999.0);
    }

    void combinedFundLimit_data()
    {
        QTest::addColumn<double>("employee");
        QTest::addColumn<double>("employer");
        QTest::addColumn<bool>("cleared");
        QTest::newRow("20+10") << 20.0 << 10.0 << true;
        QTest::newRow("20+7.5") << 20.0 << 7.5 << false;
        QTest::newRow("27.5+0.001") << 27.5 << 0.001 << true;
        QTest::newRow("none") << 0.0 << 0.0 << false;
    }
    void combinedFundLimit()
    {
        QFETCH(double, employee);
        QFETCH(double, employer);
        QFETCH(bool, cleared);
        PayrollSettings s;
        s.PensionCont = employee;
        s.EmployerPenCont = employer;
        s.ProvCont = 5;
        QCOMPARE(applyCombinedFundLimit(s), cleared);
        QCOMPARE(s.PensionCont, cleared ? 0.0 : employee);
        QCOMPARE(s.EmployerPenCont, cleared ? 0.0 : employer);
        QCOMPARE(s.ProvCont, 5.0);
    }

    // ----- R/A explanation -----------------------------------------------------------------

    void raExplained_data()
    {
        QTest::addColumn<PackageDirection>("direction");
        QTest::addColumn<PackageInputs>("inputs");
        QTest::addColumn<PayrollSettings>("settings");
        QTest::addColumn<double>("lastEmployeeFund");
        QTest::addColumn<double>("gross");
        QTest::addColumn<QString>("lineA");
        QTest::addColumn<QString>("lineC");
        const PayrollSettings none = plainSettings();
        PayrollSettings withPercent = plainSettings();
        withPercent.ProvCont = 5;

        QTest::newRow("monthly-250") << PackageDirection::Backward << monthly(10000) << none << 250.0 << 0.0
                                     << "ie: R 3 500 - R3 000.00 = R500.00"
                                     << "ie: R 0.00 X 15% = R0.00";
        QTest::newRow("annual-none") << PackageDirection::Backward << annual(200000) << none << 0.0 << 300000.0
                                     << "ie: R 3 500 - R0.00 = R3 500.00"
                                     << "ie: R 300 000.00 X 15% = R45 000.00";
        QTest::newRow("over-3500") << PackageDirection::Forward << annual(100000) << none << 4200.0 << 0.0
                                   << "ie: R 3 500 - R4 200.00 = - R700.00"
                                   << "ie: R 100 000.00 X 15% = R15 000.00";
        QTest::newRow("forward-monthly") << PackageDirection::Forward << monthly(10000) << none << 0.0 << 0.0
                                         << "ie: R 3 500 - R0.00 = R3 500.00"
                                         << "ie: R 120 000.00 X 15% = R18 000.00";
        PackageInputs car = monthly(30000);
        car.carValue = 100000;               // 3 500 x 0.8 x 12 = 33 600 a year
        car.travelAllowance = 1000;          // 12 000 a year
        car.otherExpenses = {50, 0, 0, 50};  // 1 200 a year
        QTest::newRow("with-percentage") << PackageDirection::Forward << car << withPercent << 0.0 << 0.0
                                         << "ie: R 3 500 - R0.00 = R3 500.00"
                                         << "ie: R 46 800.00 X 15% = R7 020.00";
        QTest::newRow("monthly-backward-sum")
            << PackageDirection::Backward << car << none << 0.0 << 99999.0 << "ie: R 3 500 - R0.00 = R3 500.00"
            << "ie: R 46 800.00 X 15% = R7 020.00";
    }
    void raExplained()
    {
        QFETCH(PackageDirection, direction);
        QFETCH(PackageInputs, inputs);
        QFETCH(PayrollSettings, settings);
        QFETCH(double, lastEmployeeFund);
        QFETCH(double, gross);
        const RaExplanation lines = kestrel::raExplained(direction, inputs, settings, lastEmployeeFund, gross);
        QTEST(lines.lineA, "lineA");
        QTEST(lines.lineC, "lineC");
    }

    // ----- Printout record -----------------------------------------------------------------

    void otherExpenseRows_data()
    {
        QTest::addColumn<double>("first");
        QTest::addColumn<double>("second");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QStringList>("rands");
        QTest::addColumn<QList<double>>("amounts");
        QTest::newRow("100-and-0") << 100.0 << 0.0 << "Other Expenses :" << QStringList{"R", ""}
                                   << QList<double>{100, 0};
        QTest::newRow("minus50-and-200") << -50.0 << 200.0 << "Other Expenses :" << QStringList{"", "R"}
                                         << QList<double>{0, 200};
        QTest::newRow("total-not-positive") << -50.0 << 50.0 << "" << QStringList{"", ""} << QList<double>{0, 0};
    }
    void otherExpenseRows()
    {
        QFETCH(double, first);
        QFETCH(double, second);
        QFETCH(QString, heading);
        QFETCH(QStringList, rands);
        QFETCH(QList<double>, amounts);
        PackageInputs in = monthly(20000);
        in.otherExpenses = {first, second, 0, 0};
        in.otherExpensesCompany = {first + 1, second + 1, 7, 7};
        in.otherDescriptions = {QStringLiteral("Union"), QStringLiteral("Canteen"), QStringLiteral("x"),
                                QStringLiteral("y")};
        QHash<QString, QVariant> record;
        for (const SalPackageField& f : salPackageFields(PackageDirection::Backward, in, {}))
            record.insert(f.name, f.value);
        QCOMPARE(record.value("OEXPTXT").toString(), heading);
        const QStringList names{"Union", "Canteen"};
        for (int i = 0; i < 2; ++i) {
            const bool printed = amounts[i] != 0;
            QCOMPARE(record.value(QStringLiteral("ODedR%1").arg(i)).toString(), rands[i]);
            QCOMPARE(record.value(QStringLiteral("ODedNum%1").arg(i)).toDouble(), amounts[i]);
            QCOMPARE(record.value(QStringLiteral("ODedNumCC%1").arg(i)).toDouble(), printed ? amounts[i] + 1 : 0.0);
            QCOMPARE(record.value(QStringLiteral("ODedTxt%1").arg(i)).toString(), printed ? names[i] : QString());
        }
        QCOMPARE(record.value("ODedNumCC2").toDouble(), 0.0);
        QCOMPARE(record.value("ODedTxt3").toString(), QString());
    }

    void printoutTexts()
    {
        PackageInputs in = annual(300000);
        in.taxpayerName = QStringLiteral("Thandi Mokoena");
        SalPackageShown shown;
        shown.onceOffCarCost = 250000;
        QHash<QString, QVariant> record;
        for (const SalPackageField& f : salPackageFields(PackageDirection::Forward, in, shown))
            record.insert(f.name, f.value);
        QCOMPARE(record.value("MonAnn").toString(), QStringLiteral("Osprey Salary Package Calculation : Annual"));
        QCOMPARE(record.value("MonAnnSal").toString(), QStringLiteral("Net annual salary required"));
        QCOMPARE(record.value("RADirective").toString(), QStringLiteral("Medical beneficiaries months"));
        QCOMPARE(record.value("CostToComp").toDouble(), 300000.0);
        QCOMPARE(record.value("TPName").toString(), in.taxpayerName);
        QCOMPARE(record.value("PlusCompCar1").toString(), QStringLiteral("(plus a 'once-off' cost of R 250000"));
        QCOMPARE(record.value("PlusCompCar2").toString(),
                 QStringLiteral("for the company car and this does not include fuel, maintenance etc)."));
        QCOMPARE(salPackagePreviewTitle(PackageDirection::Backward, PackagePeriod::Monthly),
                 QStringLiteral("Kestrel2019 Monthly - To export printout click on the suitcase button or goto Help"));
        QCOMPARE(salPackagePreviewTitle(PackageDirection::Forward, PackagePeriod::Annual),
                 QStringLiteral("Osprey2019 Annual - To export printout click on the suitcase button or goto Help"));
    }
};

KESTREL_TEST_MAIN(TestPackageCalc)
#include "test_packagecalc.moc"
