// The fast backward search against the literal one: on random packages of every kind and on
// required nets aimed at the points where the tax scale steps (where the net of one trial can
// be below the net of the trial before), both must stop at the same trial salary and give
// the same results to the last bit.
#include "package/packagecalc.h"
#include "package/packagesearch.h"
#include "tests/support/testsupport.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <random>

using namespace kestrel;

namespace {

QString bitsDiffer(const char* what, double a, double b)
{
    if (std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b))
        return {};
    return QStringLiteral("%1: %2 against %3").arg(QLatin1String(what)).arg(a, 0, 'g', 17).arg(b, 0, 'g', 17);
}

// Every result of the two calculations, bit for bit (the number of trials aside).
QString difference(const PackageResult& fast, const PackageResult& literal)
{
    if (fast.status != literal.status)
        return QStringLiteral("status");
    if (fast.message != literal.message)
        return QStringLiteral("message");
    if (fast.limitWarning != literal.limitWarning)
        return QStringLiteral("limit warning");
    if (fast.beneficiariesField != literal.beneficiariesField)
        return QStringLiteral("beneficiaries");
    const std::pair<const char*, double PackageResult::*> fields[] = {
        {"trialSalary", &PackageResult::trialSalary},
        {"taxDue", &PackageResult::taxDue},
        {"medicalSchemeFeesCredit", &PackageResult::medicalSchemeFeesCredit},
        {"additionalMedicalCredit", &PackageResult::additionalMedicalCredit},
        {"taxCredit", &PackageResult::taxCredit},
        {"taxDeduction", &PackageResult::taxDeduction},
        {"employeeUIF", &PackageResult::employeeUIF},
        {"employerUIF", &PackageResult::employerUIF},
        {"skillsLevy", &PackageResult::skillsLevy},
        {"employeeFund", &PackageResult::employeeFund},
        {"employerFund", &PackageResult::employerFund},
        {"allowableFundDeduction", &PackageResult::allowableFundDeduction},
        {"salary", &PackageResult::salary},
        {"totalCostToCompany", &PackageResult::totalCostToCompany},
        {"onceOffCarCost", &PackageResult::onceOffCarCost},
        {"employeeFundField", &PackageResult::employeeFundField},
        {"employerFundField", &PackageResult::employerFundField},
        {"medicalDeductionsField", &PackageResult::medicalDeductionsField},
        {"taxableIncome", &PackageResult::taxableIncome},
        {"lookupIncome", &PackageResult::lookupIncome},
        {"carBenefit", &PackageResult::carBenefit},
    };
    for (const auto& [name, member] : fields) {
        const QString d = bitsDiffer(name, fast.*member, literal.*member);
        if (!d.isEmpty())
            return d;
    }
    return {};
}

QString describe(const PackageInputs& in, const PayrollSettings& s)
{
    return QStringLiteral("%1 N=%2 age=%3 car=%4/%5 T=%6 F=%7 O=%8 Mee=%9 Mer=%10 ben=%11 Aee=%12 Aer=%13 Dmed=%14 "
                          "pee=%15 per=%16 uee=%17 L=%18 rt=%19 fb=%20 mp=%21")
        .arg(in.period == PackagePeriod::Monthly ? QStringLiteral("monthly") : QStringLiteral("annual"))
        .arg(in.mainAmount, 0, 'g', 17)
        .arg(in.age)
        .arg(in.carValue, 0, 'g', 17)
        .arg(in.carCost, 0, 'g', 17)
        .arg(in.travelAllowance, 0, 'g', 17)
        .arg(in.otherTaxableBenefits, 0, 'g', 17)
        .arg(in.otherExpensesTotal(), 0, 'g', 17)
        .arg(in.employeeMedicalAid, 0, 'g', 17)
        .arg(in.employerMedicalAid, 0, 'g', 17)
        .arg(in.beneficiaries)
        .arg(in.employeeFund, 0, 'g', 17)
        .arg(in.employerFund, 0, 'g', 17)
        .arg(in.medicalDeductions, 0, 'g', 17)
        .arg(s.PensionCont, 0, 'g', 17)
        .arg(s.EmployerPenCont, 0, 'g', 17)
        .arg(s.EmployeeUIF, 0, 'g', 17)
        .arg(s.UIFLimit, 0, 'g', 17)
        .arg(s.TAIncRate8020)
        .arg(s.CompCarFBRate8020)
        .arg(s.CompCarMPYesNo);
}

class RandomPackages {
public:
    explicit RandomPackages(std::uint64_t seed) : engine_(seed) {}

    double uniform(double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(engine_); }
    bool chance(double p) { return uniform(0, 1) < p; }
    int whole(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(engine_); }
    // Amounts in cents, as typed.
    double amount(double lo, double hi) { return std::round(uniform(lo, hi) * 100) / 100; }
    double logUniform(double lo, double hi) { return std::exp(uniform(std::log(lo), std::log(hi))); }

    void next(PackageInputs& in, PayrollSettings& s)
    {
        in = PackageInputs{};
        s = PayrollSettings{};
        const bool annual = chance(0.5);
        in.period = annual ? PackagePeriod::Annual : PackagePeriod::Monthly;
        const double year = annual ? 1.0 : 1.0 / 12;
        in.age = whole(16, 95);
        const double N = std::round(logUniform(annual ? 600 : 50, annual ? 1.8e6 : 1.5e5) * 100) / 100;
        in.mainAmount = N;
        if (chance(0.4)) {
            in.carValue = amount(50000, 900000);
            in.carCost = chance(0.5) ? amount(1000, 100000) * year : 0.0;
        }
        if (chance(0.4))
            in.travelAllowance = amount(0, N * 0.4);
        if (chance(0.3))
            in.otherTaxableBenefits = amount(0, N * 0.1);
        for (double& o : in.otherExpenses)
            if (chance(0.2))
                o = amount(-N * 0.01, N * 0.05);
        if (chance(0.5))
            in.employeeMedicalAid = amount(0, 60000 * year);
        if (chance(0.5))
            in.employerMedicalAid = amount(0, 60000 * year);
        in.beneficiaries = annual ? whole(0, 84) : whole(0, 7);
        if (chance(0.3))
            in.employeeFund = amount(0, N * 0.15);
        if (chance(0.3))
            in.employerFund = amount(0, N * 0.15);
        if (chance(0.3))
            in.medicalDeductions = amount(0, N * 0.05);

        s.EmployeeUIF = chance(0.8) ? 1.0 : amount(0, 3);
        s.EmployerUIF = chance(0.8) ? 1.0 : amount(0, 3);
        s.SkillLevy = chance(0.8) ? 1.0 : amount(0, 3);
        s.UIFLimit = chance(0.7) ? 14872.0 : amount(5000, 30000);
        s.TAIncRate8020 = chance(0.5) ? 0.8 : 0.2;
        s.CompCarFBRate8020 = chance(0.5) ? 0.8 : 0.2;
        s.CompCarMPYesNo = chance(0.5);
        if (chance(0.6))
            s.PensionCont = chance(0.5) ? 7.5 : amount(0, 40);
        if (chance(0.5))
            s.EmployerPenCont = chance(0.5) ? 10.0 : amount(0, 25);
        // Now and then nearly all of it to the fund (the search runs long there).
        if (chance(0.01))
            s.PensionCont = amount(60, 95);
    }

private:
    std::mt19937_64 engine_;
};

}  // namespace

Q_DECLARE_METATYPE(kestrel::PackagePeriod)

class TestPackageSearch : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void randomPackages()
    {
        RandomPackages random(20190228);
        PackageInputs in;
        PayrollSettings s;
#ifdef KESTREL_SANITIZED_BUILD
        // Under the sanitizers each of the millions of literal trials costs many times more; a
        // tenth of the sample still takes every path through both searches.
        constexpr int kCases = 1000;
#else
        constexpr int kCases = 10000;
#endif
        for (int i = 0; i < kCases; ++i) {
            random.next(in, s);
            const PackageResult fast = BackwardPackage(in, s, SearchMethod::Fast);
            const PackageResult literal = BackwardPackage(in, s, SearchMethod::Literal);
            const QString d = difference(fast, literal);
            QVERIFY2(d.isEmpty(), qPrintable(QStringLiteral("case %1: %2\n%3").arg(i).arg(d, describe(in, s))));
        }
    }

    // Settings and amounts no one would choose, where the net may not grow with the trial
    // salary at all: the fast search must still agree, including on the refusals.
    void oddInputs_data()
    {
        QTest::addColumn<PackagePeriod>("period");
        QTest::addColumn<double>("amount");
        QTest::addColumn<double>("employeePercent");
        QTest::addColumn<double>("employerPercent");
        QTest::addColumn<double>("employeeUif");
        QTest::addColumn<double>("uifLimit");
        QTest::addColumn<double>("travel");
        QTest::addColumn<double>("medical");
        const PackagePeriod m = PackagePeriod::Monthly;
        QTest::newRow("all-to-fund-negative-uif") << m << 1000.0 << 100.0 << 0.0 << -50.0 << 14872.0 << 0.0 << 0.0;
        QTest::newRow("nearly-all-to-fund") << m << 100.0 << 99.99 << 0.0 << 1.0 << 14872.0 << 0.0 << 0.0;
        QTest::newRow("over-100%") << m << 100.0 << 140.0 << 0.0 << 1.0 << 14872.0 << 0.0 << 0.0;
        QTest::newRow("employer-1e6%") << m << 5000.0 << 0.0 << 1e6 << 1.0 << 14872.0 << 0.0 << 0.0;
        QTest::newRow("uif-60%") << m << 5000.0 << 0.0 << 0.0 << 60.0 << 14872.0 << 0.0 << 0.0;
        QTest::newRow("uif-120%") << m << 5000.0 << 0.0 << 0.0 << 120.0 << 14872.0 << 0.0 << 0.0;
        QTest::newRow("no-uif-ceiling") << m << 20000.0 << 7.5 << 10.0 << 1.0 << 9e11 << 0.0 << 0.0;
        QTest::newRow("negative-travel") << m << 8000.0 << 0.0 << 0.0 << 1.0 << 14872.0 << -5000.0 << 0.0;
        QTest::newRow("credits-beyond-tax") << m << 3000.0 << 0.0 << 0.0 << 1.0 << 14872.0 << 0.0 << 50000.0;
        QTest::newRow("negative-net") << m << -500.0 << 0.0 << 0.0 << 1.0 << 14872.0 << -1000.0 << 0.0;
        QTest::newRow("annual-all-to-fund")
            << PackagePeriod::Annual << 1e6 << 100.0 << 0.0 << -50.0 << 14872.0 << 0.0 << 0.0;
    }
    void oddInputs()
    {
        QFETCH(PackagePeriod, period);
        PackageInputs in;
        in.period = period;
        in.age = 70;
        QFETCH(double, amount);
        QFETCH(double, travel);
        QFETCH(double, medical);
        in.mainAmount = amount;
        in.travelAllowance = travel;
        in.employeeMedicalAid = medical;
        in.beneficiaries = 40;
        PayrollSettings s;
        QFETCH(double, employeePercent);
        QFETCH(double, employerPercent);
        QFETCH(double, employeeUif);
        QFETCH(double, uifLimit);
        s.PensionCont = employeePercent;
        s.EmployerPenCont = employerPercent;
        s.EmployeeUIF = employeeUif;
        s.UIFLimit = uifLimit;
        const PackageResult fast = BackwardPackage(in, s, SearchMethod::Fast);
        const PackageResult literal = BackwardPackage(in, s, SearchMethod::Literal);
        const QString d = difference(fast, literal);
        QVERIFY2(d.isEmpty(), qPrintable(d));
    }

    // Required nets aimed at each bracket bound of the scale: just below and at the net of
    // the last trial before the bound, at the net of the first trial after it, and (where the
    // net falls across the bound) between the two, so that the first trial above N lies just
    // before the step.
    void netsAimedAtTheBracketBounds_data()
    {
        QTest::addColumn<PackagePeriod>("period");
        QTest::addColumn<double>("employeePercent");
        QTest::addColumn<int>("bracket");
        for (PackagePeriod period : {PackagePeriod::Monthly, PackagePeriod::Annual})
            for (double percent : {0.0, 7.5, 27.5, 50.0, 85.0, 95.0})
                for (int bracket = 1; bracket < 7; ++bracket)
                    QTest::addRow("%s-%g%%-b%d", period == PackagePeriod::Monthly ? "monthly" : "annual", percent,
                                  bracket)
                        << period << percent << bracket;
    }
    void netsAimedAtTheBracketBounds()
    {
        QFETCH(PackagePeriod, period);
        QFETCH(double, employeePercent);
        QFETCH(int, bracket);
        PackageInputs in;
        in.period = period;
        in.age = 40;
        in.travelAllowance = period == PackagePeriod::Monthly ? 500 : 6000;
        in.employeeMedicalAid = period == PackagePeriod::Monthly ? 1200 : 14400;
        in.beneficiaries = period == PackagePeriod::Monthly ? 2 : 24;
        PayrollSettings s;
        s.PensionCont = employeePercent;

        // The constants of the search, as BackwardPackage sets them up (checked below by the
        // first case's trial salary).
        BackwardSearchConstants k;
        k.monthly = period == PackagePeriod::Monthly;
        k.T = in.travelAllowance;
        k.Trt = in.travelAllowance * s.TAIncRate8020;
        k.Mee = in.employeeMedicalAid;
        k.C = k.monthly ? MedicalSchemeFeesCredit(2, 0, k.Mee)
                        : MedicalSchemeFeesCreditForBeneficiaryMonths(24, 0, k.Mee);
        k.rebate = RebateForAge(in.age);
        k.L = k.monthly ? s.UIFLimit : s.UIFLimit * 12;
        k.uee = s.EmployeeUIF;
        k.employeePercent = employeePercent > 0;
        k.pee = employeePercent;

        // The first trial in the bracket (bisection; the bracket grows with G).
        const double maximumG = maximumTrialSalary(period);
        if (evaluateBackwardTrial(k, maximumG).bracket < bracket)
            QSKIP("the bound lies beyond the search");
        double below = 1;
        double above = maximumG;
        while (above - below > 1) {
            const double mid = std::floor((below + above) / 2);
            (evaluateBackwardTrial(k, mid).bracket >= bracket ? above : below) = mid;
        }
        const double before = evaluateBackwardTrial(k, above - 1).net;
        const double after = evaluateBackwardTrial(k, above).net;

        QList<double> nets{before - 0.001, before, after, after + 0.001, std::nextafter(before, -1.0)};
        if (after < before)
            nets << (before + after) / 2;
        for (double N : nets) {
            in.mainAmount = N;
            const PackageResult fast = BackwardPackage(in, s, SearchMethod::Fast);
            const PackageResult literal = BackwardPackage(in, s, SearchMethod::Literal);
            QVERIFY(literal.calculated());
            const QString d = difference(fast, literal);
            QVERIFY2(d.isEmpty(), qPrintable(QStringLiteral("N=%1: %2").arg(N, 0, 'g', 17).arg(d)));
            if (N == nets.first())
                QVERIFY(literal.trialSalary <= above - 1);
            // The step would hide this one from a plain bisection.
            if (after < before && N == nets.last() && evaluateBackwardTrial(k, above - 2).net <= N)
                QCOMPARE(literal.trialSalary, above - 1);
        }
    }
};

KESTREL_TEST_MAIN(TestPackageSearch)
#include "test_packagesearch.moc"
