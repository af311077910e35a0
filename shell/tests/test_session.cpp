// ResetSession: every start value, and what it keeps.
#include "shell/session.h"
#include "tests/support/testsupport.h"

using namespace kestrel;

class TestSession : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void resetRestoresStartValuesAndKeepsTheRest()
    {
        Session& s = session();
        s.ReportDbPath = QStringLiteral("/x/Zidazura.mdb");
        s.PrintDestination = 1;
        TaxScaleLookupInSession(250000);
        s.loan.principal = 100000;
        s.loan.period = 240;
        s.loan.rate = 12;
        s.loan.repayment = 1101.09;
        s.loan.calculateMode = QStringLiteral("Interest rate");
        s.loan.financeChargeState = QStringLiteral("DOWN");
        s.travelInputs.includeFuel = 0;
        s.travelInputs.vehicleValue = 200000;
        s.dailyBalance.startDate = 43160;
        s.dailyBalance.rateStep = 1;
        s.inflation.presentCost = 1000;
        s.companyCar.set.count = 2;
        s.companyCar.set.records.resize(3);

        ResetSession();

        QCOMPARE(s.ReportDbPath, QStringLiteral("/x/Zidazura.mdb"));
        QCOMPARE(s.PrintDestination, short(1));
        QCOMPARE(s.taxScale.taxBeforeRebates, 0.0);
        QCOMPARE(s.taxScale.marginalRate, 0.0);
        QCOMPARE(s.taxScale.income, 250000.0);  // every lookup overwrites it; not reset
        QCOMPARE(s.loan.principal, 100000.0);
        QCOMPARE(s.loan.period, 0.0);
        QCOMPARE(s.loan.rate, 0.0);
        QCOMPARE(s.loan.repayment, 0.0);
        QCOMPARE(s.loan.calculateMode, QStringLiteral("Monthly repayment"));
        QCOMPARE(s.loan.financeChargeState, QStringLiteral("UP"));
        QCOMPARE(s.travelInputs.includeFuel, short(1));
        QCOMPARE(s.travelInputs.includeMaintenance, short(1));
        QCOMPARE(s.travelInputs.accurateRecord, short(0));
        QCOMPARE(s.travelInputs.vehicleValue, 0.0);
        QCOMPARE(s.dailyBalance.startDate, kNoDateMarker);
        QCOMPARE(s.dailyBalance.endDate, kNoDateMarker);
        QCOMPARE(s.dailyBalance.rateStep, 0.25);
        QCOMPARE(s.inflation.presentCost, 0.0);
        QCOMPARE(s.companyCar.set.count, short(0));
        QCOMPARE(s.companyCar.set.records.size(), std::size_t(1));
    }
};

KESTREL_TEST_MAIN(TestSession)
#include "test_session.moc"
