// The annual tax check: the worked examples to the cent, the whole-rand rule, the monthly
// medical credit over a span, and the refused inputs.
#include "common/numberformat.h"
#include "payroll/annualcheck.h"
#include "payroll/payrollmessages.h"
#include "tests/support/testsupport.h"

using namespace kestrel;

Q_DECLARE_METATYPE(kestrel::AnnualCheckRefusal)

namespace {

DayNumber day(const QString& text)
{
    return *parseDate(text);
}

MonthlyBeneficiaries every(short count)
{
    MonthlyBeneficiaries b;
    b.fill(count);
    return b;
}

// "2,2,0,..." March first.
QString joined(const MonthlyBeneficiaries& b)
{
    QStringList parts;
    for (short n : b)
        parts << QString::number(n);
    return parts.join(QLatin1Char(','));
}

}  // namespace

class TestAnnualCheck : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void liability_data()
    {
        QTest::addColumn<double>("salary");
        QTest::addColumn<double>("travel");
        QTest::addColumn<double>("commissions");
        QTest::addColumn<double>("bonus");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QString>("income");
        QTest::addColumn<QString>("bonusTax");
        QTest::addColumn<QString>("liability");
        const QString first = QStringLiteral("01/03/2018");
        const QString last = QStringLiteral("28/02/2019");
        QTest::newRow("year") << 240000.0 << 0.0 << 0.0 << 0.0 << first << last << "240000.00"
                              << "0.00"
                              << "32665.00";
        QTest::newRow("travel-80%") << 240000.0 << 50000.0 << 0.0 << 0.0 << first << last << "280000.00"
                                    << "0.00"
                                    << "43065.00";
        QTest::newRow("bonus") << 240000.0 << 0.0 << 0.0 << 20000.0 << first << last << "240000.00"
                               << "5200.00"
                               << "37865.00";
        QTest::newRow("half-year") << 120000.0 << 0.0 << 0.0 << 0.0 << first << "31/08/2018"
                                   << "238043.48"
                                   << "0.00"
                                   << "16210.30";
        // The bonus is added after annualising and taxed in full.
        QTest::newRow("quarter-bonus") << 60000.0 << 0.0 << 0.0 << 10000.0 << "01/06/2018"
                                       << "31/08/2018"
                                       << "238043.48"
                                       << "2600.00"
                                       << "10705.15";
        // Commissions (or a travel allowance) cut both taxes to whole rand.
        QTest::newRow("commissions-whole-rand") << 200000.0 << 0.0 << 10001.0 << 0.0 << first << last << "210001.00"
                                                << "0.00"
                                                << "24865.00";
        QTest::newRow("cents-kept") << 210001.0 << 0.0 << 0.0 << 0.0 << first << last << "210001.00"
                                    << "0.00"
                                    << "24865.26";
        QTest::newRow("below-rebate") << 70000.0 << 0.0 << 0.0 << 0.0 << first << last << "70000.00"
                                      << "0.00"
                                      << "0.00";
    }
    void liability()
    {
        QFETCH(double, salary);
        QFETCH(double, travel);
        QFETCH(double, commissions);
        QFETCH(double, bonus);
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QString, income);
        QFETCH(QString, bonusTax);
        QFETCH(QString, liability);
        AnnualCheckInputs in;
        in.age = 40;
        in.salary = salary;
        in.travelAllowance = travel;
        in.commissions = commissions;
        in.bonus = bonus;
        in.startDate = day(start);
        in.endDate = day(end);
        const AnnualCheckResult r = calculateAnnualCheck(in, PayrollSettings{});
        QVERIFY(r.ok());
        QCOMPARE(formatMoney(r.annualisedIncome), income);
        QCOMPARE(formatMoney(r.bonusTax), bonusTax);
        QCOMPARE(formatMoney(r.taxLiability), liability);
        QCOMPARE(r.totalTaxDeduction, r.taxLiability);
        QCOMPARE(r.paye, r.taxLiability);
        QCOMPARE(r.site, 0.0);
        // The exchange holds the income without the bonus.
        QCOMPARE(r.lastLookup.income, r.annualisedIncome);
    }

    void fundDeductionIsCappedForTheSpan()
    {
        AnnualCheckInputs in;
        in.salary = 1000000;
        in.employerFund = 300000;
        in.employeeFund = 100000;
        in.startDate = day(QStringLiteral("01/03/2018"));
        in.endDate = day(QStringLiteral("31/05/2018"));
        const AnnualCheckResult r = calculateAnnualCheck(in, PayrollSettings{});
        // 27.5 % of 1 300 000 is 357 500; the contributions 400 000; the cap 350 000 applies
        // to the span's totals, not prorated.
        QCOMPARE(r.allowableFundDeduction, 350000.0);
    }

    void medicalCredit_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<short>("count");
        QTest::addColumn<double>("employerMedical");
        QTest::addColumn<QString>("credit");
        QTest::addColumn<QString>("after");  // the counts after the calculation, March first
        const QString first = QStringLiteral("01/03/2018");
        const QString last = QStringLiteral("28/02/2019");
        QTest::newRow("one-all-year") << first << last << short(1) << 1000.0 << "3720.00"
                                      << "1,1,1,1,1,1,1,1,1,1,1,1";
        QTest::newRow("three-all-year") << first << last << short(3) << 1000.0 << "9948.00"
                                        << "3,3,3,3,3,3,3,3,3,3,3,3";
        QTest::newRow("june-to-november") << "01/06/2018"
                                          << "30/11/2018" << short(2) << 1000.0 << "3720.00"
                                          << "0,0,0,2,2,2,2,2,2,0,0,0";
        QTest::newRow("february-only") << "01/02/2019" << last << short(2) << 1000.0 << "620.00"
                                       << "0,0,0,0,0,0,0,0,0,0,0,2";
        QTest::newRow("january-february") << "01/01/2019" << last << short(4) << 1000.0 << "2076.00"
                                          << "0,0,0,0,0,0,0,0,0,0,4,4";
        QTest::newRow("no-contribution-keeps-counts") << "01/06/2018"
                                                      << "30/11/2018" << short(2) << 0.0 << "0.00"
                                                      << "2,2,2,2,2,2,2,2,2,2,2,2";
    }
    void medicalCredit()
    {
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(short, count);
        QFETCH(double, employerMedical);
        QFETCH(QString, credit);
        QFETCH(QString, after);
        AnnualCheckInputs in;
        in.salary = 240000;
        in.employerMedicalAid = employerMedical;
        in.beneficiaries = every(count);
        in.startDate = day(start);
        in.endDate = day(end);
        const AnnualCheckResult r = calculateAnnualCheck(in, PayrollSettings{});
        QCOMPARE(formatMoney(r.medicalSchemeFeesCredit), credit);
        QCOMPARE(joined(r.beneficiaries), after);
    }

    void additionalCreditFrom65()
    {
        AnnualCheckInputs in;
        in.age = 70;
        in.salary = 240000;
        in.employerMedicalAid = 30000;
        in.employeeMedicalAid = 10000;
        in.beneficiaries = every(3);
        const AnnualCheckResult r = calculateAnnualCheck(in, PayrollSettings{});
        // G = 270 000: 54 532 - 21 780 = 32 752; C = 9 948; A = (40 000 - 29 844) x 0.333.
        QCOMPARE(formatMoney(r.taxLiability), QStringLiteral("32752.00"));
        QCOMPARE(formatMoney(r.additionalMedicalCredit), QStringLiteral("3381.95"));
        QCOMPARE(formatMoney(r.totalTaxDeduction), QStringLiteral("19422.05"));
        QCOMPARE(r.paye, r.totalTaxDeduction);
        in.age = 64;
        QCOMPARE(calculateAnnualCheck(in, PayrollSettings{}).additionalMedicalCredit, 0.0);
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<short>("march");
        QTest::addColumn<double>("salary");
        QTest::addColumn<AnnualCheckRefusal>("refusal");
        QTest::addColumn<QString>("message");
        const QString first = QStringLiteral("01/03/2018");
        const QString last = QStringLiteral("28/02/2019");
        QTest::newRow("start-before-year")
            << "28/02/2018" << last << short(0) << 1.0 << AnnualCheckRefusal::StartDateOutsideYear
            << "The date entered is not correct please enter a date between 01/03/2018 "
               "and 28/02/2019";
        // An end before the start would give a span of 0 days (a division by 0) or fewer.
        QTest::newRow("end-before-start") << "15/06/2018"
                                          << "14/06/2018" << short(0) << 1.0 << AnnualCheckRefusal::EndDateOutOfRange
                                          << "The date entered is not correct please enter a date between 15/06/2018 "
                                             "and 28/02/2019";
        QTest::newRow("25-beneficiaries")
            << first << last << short(25) << 1.0 << AnnualCheckRefusal::TooManyBeneficiaries
            << payroll::kMessageMaximumBeneficiaries;
        QTest::newRow("negative-beneficiaries")
            << first << last << short(-1) << 1.0 << AnnualCheckRefusal::NegativeBeneficiaries
            << payroll::kMessageNegativeBeneficiaries;
        QTest::newRow("huge-salary") << first << last << short(0) << 1e300 << AnnualCheckRefusal::AmountOutOfRange
                                     << payroll::kMessageAmountRange;
    }
    void refusals()
    {
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(short, march);
        QFETCH(double, salary);
        QFETCH(AnnualCheckRefusal, refusal);
        QFETCH(QString, message);
        AnnualCheckInputs in;
        in.salary = salary;
        in.employeeMedicalAid = 100;
        in.beneficiaries[0] = march;
        in.startDate = day(start);
        in.endDate = day(end);
        const AnnualCheckResult r = calculateAnnualCheck(in, PayrollSettings{});
        QCOMPARE(r.refusal, refusal);
        QCOMPARE(r.message, message);
        QCOMPARE(r.taxLiability, 0.0);
    }

    void oneDaySpanIsAnnualised()
    {
        AnnualCheckInputs in;
        in.salary = 1000;
        in.startDate = in.endDate = day(QStringLiteral("15/03/2018"));
        const AnnualCheckResult r = calculateAnnualCheck(in, PayrollSettings{});
        QCOMPARE(r.annualisedIncome, 365000.0);
        // (63 853 + 59 150 x 0.31 - 14 067) / 365
        QCOMPARE(formatMoney(r.taxLiability), QStringLiteral("186.64"));
    }
};

KESTREL_TEST_MAIN(TestAnnualCheck)
#include "test_annualcheck.moc"
