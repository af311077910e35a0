// The business-calculator windows, through their named fields and buttons: what is
// stored in the session, the messages and focus rules, the mode layout of the loan
// window, the schedule panel, and what survives closing and "&Initialise All".
//
// With KESTREL_GRAB_DIR set, the tests also save pictures of the windows there.
#include "common/dialogs.h"
#include "common/fields.h"
#include "common/spinbutton.h"
#include "common/windowregistry.h"
#include "finance/dailybalancewindow.h"
#include "finance/financewindows.h"
#include "finance/inflationwindow.h"
#include "finance/loanbusterwindow.h"
#include "finance/loancomparisonwindow.h"
#include "finance/loanswindow.h"
#include "shell/session.h"
#include "tests/support/testsupport.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QToolButton>

#include <memory>

using namespace kestrel;
using kestrel::test::MessageRecorder;

namespace {

using kestrel::test::child;

NumberField* field(QWidget* w, const char* name)
{
    return child<NumberField>(w, name);
}

void type(QWidget* w, const char* name, const QString& text)
{
    EntryField* f = child<EntryField>(w, name);
    f->clear();
    QTest::keyClicks(f, text);
    f->commit();
}

void click(QWidget* w, const char* name)
{
    child<QAbstractButton>(w, name)->click();
}

QString text(QWidget* w, const char* name)
{
    return child<QLineEdit>(w, name)->text();
}

// Shows the window offscreen, active, so that focus can be followed.
void showActive(QWidget* window)
{
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

void grab(QWidget* window, const QString& name)
{
    const QString dir = qEnvironmentVariable("KESTREL_GRAB_DIR");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    window->grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
}

}  // namespace

class TestFinanceWindows : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        ResetSession();
        session().loan.principal = 0;
    }

    void everyWindowIsRegistered()
    {
        WindowRegistry registry;
        registerFinanceWindows(registry);
        const QStringList names{"frmLoans", "frmLoanBuster", "frmLoanComp", "frmDayBal", "frmInflation"};
        const QStringList captions{"Loans", "Loan Buster", "Loan Comparison", "Daily Balance", "Inflation"};
        for (int i = 0; i < names.size(); ++i) {
            const WindowKind* kind = registry.find(names[i]);
            QVERIFY2(kind, qPrintable(names[i]));
            std::unique_ptr<ChildWindow> window(kind->create());
            QCOMPARE(window->windowTitle(), captions[i]);
        }
    }

    // ------------------------------------------------------------------ Loans
    void loanCalculatesThroughItsFields()
    {
        LoansWindow w;
        w.windowActivated();
        type(&w, "numPrincipal", "100000");
        type(&w, "numPeriod", "240");
        type(&w, "numRate", "12");
        click(&w, "cmdCalculate");
        QCOMPARE(text(&w, "numRepayment"), QStringLiteral("1101.09"));
        QCOMPARE(session().loan.repayment, 1101.09);
        grab(&w, "loans-repayment");

        click(&w, "optRepaymentPeriod");
        QCOMPARE(child<QLabel>(&w, "lblMode")->text(), QStringLiteral("Repayment period"));
        QCOMPARE(session().loan.calculateMode, QStringLiteral("Repayment period"));
        type(&w, "numRate", "10");
        type(&w, "numRepayment", "1000");
        click(&w, "cmdCalculate");
        QCOMPARE(text(&w, "numPeriod"), QStringLiteral("215"));
        QCOMPARE(text(&w, "numRepayment"), QStringLiteral("1001.52"));

        click(&w, "optInterestRate");
        type(&w, "numPeriod", "240");
        type(&w, "numRepayment", "1101.09");
        click(&w, "cmdCalculate");
        QCOMPARE(text(&w, "numRate"), QStringLiteral("12.000"));
        QVERIFY(child<QLabel>(&w, "lblError")->isHidden());
        type(&w, "numRepayment", "5000");
        click(&w, "cmdCalculate");
        QCOMPARE(text(&w, "numRate"), QStringLiteral("59.990"));
        QVERIFY(!child<QLabel>(&w, "lblError")->isHidden());
        QCOMPARE(child<QLabel>(&w, "lblError")->text(), QStringLiteral("   Error"));
        w.show();
        grab(&w, "loans-rate-error");
    }

    void loanModeLayout_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("focus");
        QTest::newRow("repayment") << "optMonthlyRepayment"
                                   << "numRepayment"
                                   << "numPrincipal";
        QTest::newRow("principal") << "optPrincipalAmount"
                                   << "numPrincipal"
                                   << "numPeriod";
        QTest::newRow("period") << "optRepaymentPeriod"
                                << "numPeriod"
                                << "numPrincipal";
        QTest::newRow("rate") << "optInterestRate"
                              << "numRate"
                              << "numPrincipal";
    }
    void loanModeLayout()
    {
        QFETCH(QString, option);
        QFETCH(QString, target);
        QFETCH(QString, focus);
        LoansWindow w;
        showActive(&w);
        w.windowActivated();
        child<QRadioButton>(&w, qPrintable(option))->click();
        for (const char* name : {"numPrincipal", "numPeriod", "numRate", "numRepayment"}) {
            NumberField* f = field(&w, name);
            const bool isTarget = target == QLatin1String(name);
            QCOMPARE(f->isReadOnly(), isTarget);
            QCOMPARE(f->palette().color(QPalette::Base) == QColor(255, 255, 0), isTarget);
            QCOMPARE(f->focusPolicy() == Qt::StrongFocus, !isTarget);
        }
        QCOMPARE(QApplication::focusWidget(), child<QWidget>(&w, qPrintable(focus)));
        // Tab runs through the three inputs and skips the yellow field.
        QStringList visited;
        for (int i = 0; i < 3; ++i) {
            visited << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QVERIFY(!visited.contains(target));
        QCOMPARE(visited.size(), 3);
        if (option == QLatin1String("optPrincipalAmount"))
            grab(&w, "loans-principal-mode");
    }

    void loanFieldsRefuseWithTheirMessages_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("caption");
        QTest::newRow("rate") << "numRate"
                              << "50.5"
                              << "The maximum interest rate allowed is 50%"
                              << "Incorrect Interest Rate!";
        QTest::newRow("period") << "numPeriod"
                                << "601"
                                << "The maximum period  allowed is 600 months"
                                << "Incorrect Period!";
        QTest::newRow("principal") << "numPrincipal"
                                   << "100000000"
                                   << ""
                                   << "";
        QTest::newRow("repayment") << "numRepayment"
                                   << "10000000"
                                   << ""
                                   << "";
    }
    void loanFieldsRefuseWithTheirMessages()
    {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        LoansWindow w;
        showActive(&w);
        w.windowActivated();
        NumberField* f = field(&w, qPrintable(name));
        if (name == QLatin1String("numRepayment"))
            click(&w, "optInterestRate");
        f->setFocus();
        f->setValue(12);
        MessageRecorder messages;
        f->selectAll();
        QTest::keyClicks(f, typed);
        f->commit();
        if (message.isEmpty()) {
            QVERIFY(messages.isEmpty());
        } else {
            QCOMPARE(messages.count(), 1);
            QCOMPARE(messages.last().text, message);
            QTEST(messages.last().caption, "caption");
            QCOMPARE(messages.last().icon, MessageIcon::Critical);
        }
        QCOMPARE(f->value(), 12.0);  // the last accepted entry is put back and stored
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(f));
    }

    void loanRefusesARepaymentThatRepaysAtOnce()
    {
        LoansWindow w;
        showActive(&w);
        w.windowActivated();
        click(&w, "optRepaymentPeriod");
        type(&w, "numPrincipal", "1000");
        type(&w, "numRate", "10");
        type(&w, "numRepayment", "2000");
        {
            MessageRecorder messages;
            click(&w, "cmdCalculate");
            QCOMPARE(messages.count(), 1);
            QCOMPARE(messages.last().caption, QStringLiteral("Incorrect Repayment!"));
            QVERIFY(messages.last().text.startsWith(QStringLiteral("The monthly repayment is more than")));
        }
        QCOMPARE(text(&w, "numPeriod"), QStringLiteral("0"));
        QCOMPARE(text(&w, "numRepayment"), QStringLiteral("2000.00"));
        QTRY_COMPARE(QApplication::focusWidget(), child<QWidget>(&w, "numRepayment"));
        // Bringing the window to the front again recalculates without a message.
        MessageRecorder none;
        w.windowActivated();
        QVERIFY(none.isEmpty());
    }

    void financeChargesToggleAndSurviveClosing()
    {
        session().loan.principal = 100000;
        session().loan.period = 240;
        session().loan.rate = 12;
        {
            LoansWindow w;
            w.windowActivated();
            QVERIFY(field(&w, "numTotInterest")->isHidden());
            click(&w, "cmdFinCharges");
            QCOMPARE(session().loan.financeChargeState, QStringLiteral("DOWN"));
            QVERIFY(!field(&w, "numTotInterest")->isHidden());
            QCOMPARE(text(&w, "numTotInterest"), QStringLiteral("164261.60"));
            QCOMPARE(text(&w, "numTotRepayments"), QStringLiteral("264261.60"));
            w.show();
            grab(&w, "loans-finance-charges");
            click(&w, "cmdFinCharges");
            QVERIFY(field(&w, "numTotInterest")->isHidden());
            click(&w, "cmdFinCharges");
        }
        LoansWindow reopened;
        reopened.show();
        reopened.windowActivated();
        QVERIFY(!field(&reopened, "numTotInterest")->isHidden());
        QCOMPARE(text(&reopened, "numTotRepayments"), QStringLiteral("264261.60"));
        QCOMPARE(text(&reopened, "numRepayment"), QStringLiteral("1101.09"));
    }

    void initialiseAllKeepsOnlyThePrincipal()
    {
        {
            LoansWindow w;
            w.windowActivated();
            click(&w, "optInterestRate");
            type(&w, "numPrincipal", "75000");
            type(&w, "numPeriod", "120");
            type(&w, "numRepayment", "1000");
            click(&w, "cmdCalculate");
            click(&w, "cmdFinCharges");
        }
        ResetSession();
        LoansWindow w;
        w.windowActivated();
        QCOMPARE(child<QLabel>(&w, "lblMode")->text(), QStringLiteral("Monthly repayment"));
        QVERIFY(child<QRadioButton>(&w, "optMonthlyRepayment")->isChecked());
        QCOMPARE(text(&w, "numPrincipal"), QStringLiteral("75000.00"));
        QCOMPARE(text(&w, "numPeriod"), QStringLiteral("0"));
        QCOMPARE(text(&w, "numRate"), QStringLiteral("0.000"));
        QCOMPARE(text(&w, "numRepayment"), QStringLiteral("0.00"));
        QVERIFY(field(&w, "numTotInterest")->isHidden());
    }

    void schedulePanel_data()
    {
        QTest::addColumn<bool>("annual");
        QTest::addColumn<double>("period");
        QTest::addColumn<int>("rows");
        QTest::addColumn<bool>("scrolls");
        QTest::newRow("monthly-12") << false << 12.0 << 12 << true;
        QTest::newRow("monthly-10") << false << 10.0 << 10 << false;
        QTest::newRow("monthly-240") << false << 240.0 << 240 << true;
        QTest::newRow("annual-30") << true << 30.0 << 3 << false;
        QTest::newRow("annual-240") << true << 240.0 << 20 << true;
        QTest::newRow("annual-12") << true << 12.0 << 0 << false;
    }
    void schedulePanel()
    {
        QFETCH(bool, annual);
        QFETCH(double, period);
        QFETCH(int, rows);
        QFETCH(bool, scrolls);
        session().loan.principal = 12000;
        session().loan.period = period;
        session().loan.rate = 12;
        LoansWindow w;
        w.resize(w.minimumSize());
        showActive(&w);
        w.windowActivated();
        click(&w, annual ? "cmdAnnualAmort" : "cmdMonthlyAmort");
        QWidget* panel = child<QWidget>(&w, "fraAmort");
        auto* table = child<QTableWidget>(&w, "grdAmort");
        if (rows == 0) {
            // Fewer than 13 months make no annual table on screen.
            QVERIFY(panel->isHidden());
            QCOMPARE(QApplication::focusWidget(), child<QWidget>(&w, "numPrincipal"));
            return;
        }
        QVERIFY(panel->isVisible());
        QCOMPARE(table->rowCount(), rows);
        const QStringList headings =
            annual ? QStringList{" Year ", "Capital payments", "Interest payment", "    Balance      "}
                   : QStringList{" Month   ", "Capital payment ", "Interest payment", "    Balance    "};
        for (int c = 0; c < 4; ++c)
            QCOMPARE(table->horizontalHeaderItem(c)->text(), headings[c]);
        const std::array<double, 4> factors{1.2, 1.3, 1.4, 1.9};
        for (int c = 0; c < 4; ++c)
            QCOMPARE(table->columnWidth(c),
                     int(table->horizontalHeader()->fontMetrics().horizontalAdvance(headings[c]) * factors[c]));
        QCOMPARE(table->item(0, 0)->text(), QStringLiteral("1"));
        QCOMPARE(table->item(rows - 1, 3)->text(), QStringLiteral(".00"));
        QCOMPARE(table->verticalScrollBar()->isVisible(), scrolls && rows > 10);
        const int visibleRows = std::min(rows, 10);
        QVERIFY(table->viewport()->height() >= visibleRows * table->rowHeight(0));
        QVERIFY(table->viewport()->height() < (visibleRows + 1) * table->rowHeight(0));
        QVERIFY(w.rect().contains(panel->geometry()));
        grab(&w, QStringLiteral("loans-schedule-%1").arg(QString::fromLatin1(QTest::currentDataTag())));

        click(&w, "cmdAmortOK");
        QVERIFY(panel->isHidden());
        QCOMPARE(table->rowCount(), 0);
        QCOMPARE(QApplication::focusWidget(), child<QWidget>(&w, "cmdOK"));
    }

    void scheduleExportsToCsv()
    {
        session().loan.principal = 12000;
        session().loan.period = 12;
        session().loan.rate = 12;
        LoansWindow w;
        w.windowActivated();
        click(&w, "cmdMonthlyAmort");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("schedule.csv"));
        {
            kestrel::test::SaveFileAnswer answer(path);
            click(&w, "cmdExportCsv");
            QCOMPARE(answer.asked(), 1);
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 13);
        QCOMPARE(lines[0], QStringLiteral("Month,Capital,Interest,Balance"));
        QCOMPARE(lines[1], QStringLiteral("1,946.19,120.00,11053.81"));
        QVERIFY(lines[12].endsWith(QStringLiteral(",0.00")));
        // A file that cannot be written is reported; nothing else changes.
        MessageRecorder messages;
        kestrel::test::SaveFileAnswer bad(dir.filePath(QStringLiteral("missing/folder/schedule.csv")));
        click(&w, "cmdExportCsv");
        QCOMPARE(messages.count(), 1);
        QVERIFY(messages.last().text.startsWith(QStringLiteral("The schedule could not be saved")));
        QCOMPARE(child<QTableWidget>(&w, "grdAmort")->rowCount(), 12);
    }

    void loanPrintPanelOptions()
    {
        LoansWindow w;
        w.resize(w.minimumSize());
        showActive(&w);
        w.windowActivated();
        click(&w, "cmdPrint");
        auto* box = child<QCheckBox>(&w, "chkIncludeAmort");
        auto* annual = child<QRadioButton>(&w, "optAnnual");
        auto* monthly = child<QRadioButton>(&w, "optMonthly");
        QVERIFY(child<QWidget>(&w, "fraPrint")->isVisible());
        QVERIFY(!box->isChecked());
        QVERIFY(!annual->isEnabled() && !monthly->isEnabled());
        QCOMPARE(monthly->text(), QStringLiteral("Monthly "));
        box->click();
        QVERIFY(annual->isEnabled() && monthly->isEnabled());
        QVERIFY(annual->isChecked());
        grab(&w, "loans-print-panel");
        box->click();
        QVERIFY(!annual->isEnabled() && !monthly->isEnabled());
        // With an input at 0 nothing is printed and the panel stays.
        MessageRecorder messages;
        click(&w, "cmdView");
        QVERIFY(messages.isEmpty());
        QVERIFY(child<QWidget>(&w, "fraPrint")->isVisible());
    }

    // ------------------------------------------------------------------ Loan buster
    void loanBusterThroughItsFields()
    {
        {
            LoanBusterWindow w;
            w.windowActivated();
            type(&w, "numPrincipal", "500000");
            type(&w, "numPeriod", "240");
            type(&w, "numRate", "10");
            type(&w, "numExtra", "1000");
            click(&w, "cmdCalculate");
            QCOMPARE(text(&w, "numRepayment"), QStringLiteral("4825.11"));
            QCOMPARE(text(&w, "numTotInterest"), QStringLiteral("658025.97"));
            QCOMPARE(text(&w, "numXPeriod"), QStringLiteral("151"));
            QCOMPARE(text(&w, "numXRepayment"), QStringLiteral("5832.51"));
            QCOMPARE(text(&w, "numExtra"), QStringLiteral("1007.40"));
            QCOMPARE(text(&w, "numXTotInterest"), QStringLiteral("380708.74"));
            QCOMPARE(text(&w, "numXTotRepayments"), QStringLiteral("880708.74"));
            QCOMPARE(text(&w, "numTotSaving"), QStringLiteral("277317.23"));
            QCOMPARE(text(&w, "numXPrincipal"), QStringLiteral("500000.00"));
            QCOMPARE(text(&w, "numXRate"), QStringLiteral("10.000"));
            QCOMPARE(session().loanBuster.extra, 1007.4);
            w.show();
            grab(&w, "loanbuster");
        }
        // Reopened: principal, rate and extra kept, the period back at 0 with zero results.
        LoanBusterWindow w;
        w.windowActivated();
        QCOMPARE(text(&w, "numPrincipal"), QStringLiteral("500000.00"));
        QCOMPARE(text(&w, "numRate"), QStringLiteral("10.000"));
        QCOMPARE(text(&w, "numExtra"), QStringLiteral("1007.40"));
        QCOMPARE(text(&w, "numPeriod"), QStringLiteral("0"));
        QCOMPARE(text(&w, "numRepayment"), QStringLiteral("0.00"));
        QCOMPARE(text(&w, "numXRepayment"), QStringLiteral("0.00"));
        QCOMPARE(text(&w, "numTotSaving"), QStringLiteral("0.00"));
        // "&Print" without a principal writes nothing and moves to "&OK".
        showActive(&w);
        type(&w, "numPrincipal", "0");
        MessageRecorder messages;
        click(&w, "cmdPrint");
        QVERIFY(messages.isEmpty());
        QVERIFY(child<QWidget>(&w, "fraPrint")->isHidden());
        QCOMPARE(QApplication::focusWidget(), child<QWidget>(&w, "cmdOK"));
    }

    void loanBusterRefusesAnExtraBeyondTenRepayments()
    {
        LoanBusterWindow w;
        w.windowActivated();
        type(&w, "numPrincipal", "50000");
        type(&w, "numPeriod", "12");
        type(&w, "numRate", "10");
        type(&w, "numExtra", "50000");
        MessageRecorder messages;
        click(&w, "cmdCalculate");
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().caption, QStringLiteral("Incorrect Extra Payment!"));
        QCOMPARE(text(&w, "numXPeriod"), QStringLiteral("0"));
        QCOMPARE(text(&w, "numTotSaving"), QStringLiteral("0.00"));
    }

    // ------------------------------------------------------------------ Loan comparison
    void loanComparisonTable()
    {
        LoanComparisonWindow w;
        w.windowActivated();
        type(&w, "numBondAmount", "100000");
        type(&w, "numRate", "12");
        click(&w, "cmdCalculate");
        auto* table = child<QTableWidget>(&w, "grdComp");
        QCOMPARE(table->rowCount(), 6);
        QCOMPARE(table->horizontalHeaderItem(0)->text(), QStringLiteral(" Period "));
        QCOMPARE(table->horizontalHeaderItem(2)->text(), QStringLiteral("   Total Interest   "));
        QCOMPARE(table->item(0, 0)->text(), QStringLiteral("5 yrs."));
        QCOMPARE(table->item(5, 0)->text(), QStringLiteral("30 yrs."));
        QCOMPARE(table->item(3, 1)->text(), QStringLiteral("1 101.09 "));
        QCOMPARE(table->item(3, 2)->text(), QStringLiteral("164 260.67 "));
        QCOMPARE(table->item(3, 3)->text(), QStringLiteral("264 260.67 "));
        QCOMPARE(table->columnWidth(0),
                 int(table->horizontalHeader()->fontMetrics().horizontalAdvance(QStringLiteral(" Period ")) * 1.2));
        QCOMPARE(session().loanComparison.rate, 12.0f);
        w.show();
        grab(&w, "loancomparison");

        // A rate of 0 prints nothing and moves to "&OK".
        showActive(&w);
        type(&w, "numRate", "0");
        MessageRecorder messages;
        click(&w, "cmdPrint");
        QVERIFY(messages.isEmpty());
        QCOMPARE(QApplication::focusWidget(), child<QWidget>(&w, "cmdOK"));
    }

    // ------------------------------------------------------------------ Daily balance
    void dailyBalanceThroughItsFields()
    {
        DailyBalanceWindow w;
        showActive(&w);
        w.windowActivated();
        QVERIFY(child<DateField>(&w, "dtStartDate")->isEmpty());
        type(&w, "numCapital", "100000");
        type(&w, "numRate", "10");
        child<DateField>(&w, "dtStartDate")->setFocus();
        type(&w, "dtStartDate", "01032018");
        QCOMPARE(session().dailyBalance.startDate, dayNumber(2018, 3, 1));
        // One date only: nothing to show rather than the no-date marker's figures.
        w.windowActivated();
        QCOMPARE(text(&w, "numDays"), QString());
        QCOMPARE(text(&w, "numInterest"), QString());
        child<DateField>(&w, "dtEndDate")->setFocus();
        type(&w, "dtEndDate", "28022019");
        click(&w, "cmdCalculate");
        QCOMPARE(text(&w, "numDays"), QStringLiteral("364"));
        QCOMPARE(text(&w, "numInterest"), QStringLiteral("9972.60"));
        grab(&w, "dailybalance");

        // The date spin moves the end date, never before the start date.
        auto* spin = child<SpinButton>(&w, "spnDate");
        Q_EMIT spin->stepUp();
        QCOMPARE(text(&w, "dtEndDate"), QStringLiteral("01/03/2019"));
        QCOMPARE(text(&w, "numDays"), QStringLiteral("365"));
        child<DateField>(&w, "dtEndDate")->setDate(dayNumber(2018, 3, 2));
        Q_EMIT spin->stepDown();
        Q_EMIT spin->stepDown();
        QCOMPARE(text(&w, "dtEndDate"), QStringLiteral("01/03/2018"));
        QCOMPARE(text(&w, "numDays"), QStringLiteral("0"));
        // Same day: 0 days, nothing printed.
        MessageRecorder messages;
        click(&w, "cmdPrint");
        QVERIFY(messages.isEmpty());
        QVERIFY(child<QWidget>(&w, "fraPrint")->isHidden());
        QCOMPARE(QApplication::focusWidget(), child<QWidget>(&w, "cmdOK"));
    }

    void dailyBalanceDateMessages_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("caption");
        QTest::newRow("invalid") << "dtEndDate"
                                 << "31022019"
                                 << "The date entered is invalid please enter a valid date."
                                 << "INVALID DATE";
        QTest::newRow("end-too-late") << "dtEndDate"
                                      << "04032048"
                                      << "The date entered is more than 30 years(360 months) after 01/03/2018."
                                      << "DATE OUT OF RANGE";
        QTest::newRow("end-before-start") << "dtEndDate"
                                          << "28022018"
                                          << "The date entered is more than 30 years(360 months) after 01/03/2018."
                                          << "DATE OUT OF RANGE";
        QTest::newRow("start-not-before-end") << "dtStartDate"
                                              << "01062018"
                                              << "The date entered is more than 30 years(360 months) before 01/06/2018."
                                              << "DATE OUT OF RANGE";
    }
    void dailyBalanceDateMessages()
    {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        session().dailyBalance.startDate = dayNumber(2018, 3, 1);
        session().dailyBalance.endDate = dayNumber(2018, 6, 1);
        DailyBalanceWindow w;
        showActive(&w);
        w.windowActivated();
        auto* date = child<DateField>(&w, qPrintable(name));
        const QString before = date->text();
        date->setFocus();
        MessageRecorder messages;
        type(&w, qPrintable(name), typed);
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().text, message);
        QTEST(messages.last().caption, "caption");
        QCOMPARE(date->text(), before);
        QCOMPARE(session().dailyBalance.startDate, dayNumber(2018, 3, 1));
        QCOMPARE(session().dailyBalance.endDate, dayNumber(2018, 6, 1));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(date));
    }

    void dailyBalanceRateSpinAndLimit()
    {
        DailyBalanceWindow w;
        showActive(&w);
        w.windowActivated();
        auto* spin = child<SpinButton>(&w, "spnRate");
        Q_EMIT spin->stepUp();  // only while the rate is not 0
        QCOMPARE(text(&w, "numRate"), QStringLiteral("0.000"));
        type(&w, "numRate", "0.25");
        const int beeps = beepCount();
        Q_EMIT spin->stepDown();
        QCOMPARE(text(&w, "numRate"), QStringLiteral("50.000"));
        QCOMPARE(beepCount(), beeps + 1);
        QCOMPARE(QApplication::focusWidget(), child<QWidget>(&w, "cmdOK"));
        // The spin's 50 % stays when the field is passed through; a typed 41 is refused.
        auto* rate = field(&w, "numRate");
        MessageRecorder messages;
        rate->setFocus();
        rate->commit();
        QVERIFY(messages.isEmpty());
        QCOMPARE(session().dailyBalance.rate, 50.0f);
        type(&w, "numRate", "41");
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().text, QStringLiteral("The maximum Interest Rate allowed is 40%"));
        QCOMPARE(messages.last().caption, QStringLiteral("Incorrect Interest Rate!"));
    }

    void dailyBalanceKeepsItsValuesAndInitialiseAllClearsThem()
    {
        {
            DailyBalanceWindow w;
            w.windowActivated();
            type(&w, "numCapital", "12345678.91");
            QCOMPARE(session().dailyBalance.capital, 12345679.0f);
            type(&w, "dtStartDate", "01032018");
            type(&w, "dtEndDate", "01032019");
            type(&w, "numRate", "10");
            click(&w, "cmdCalculate");
            QCOMPARE(text(&w, "numInterest"), QStringLiteral("1234567.88"));
        }
        {
            DailyBalanceWindow w;
            w.windowActivated();
            QCOMPARE(text(&w, "numCapital"), QStringLiteral("12345679.00"));
            QCOMPARE(text(&w, "dtStartDate"), QStringLiteral("01/03/2018"));
            QCOMPARE(text(&w, "numInterest"), QStringLiteral("1234567.88"));
        }
        ResetSession();
        DailyBalanceWindow w;
        w.windowActivated();
        QVERIFY(child<DateField>(&w, "dtStartDate")->isEmpty());
        QVERIFY(child<DateField>(&w, "dtEndDate")->isEmpty());
        QCOMPARE(session().dailyBalance.startDate, kNoDateMarker);
        QCOMPARE(text(&w, "numCapital"), QStringLiteral("0.00"));
    }

    // ------------------------------------------------------------------ Inflation
    void inflationThroughItsFields()
    {
        InflationWindow w;
        showActive(&w);
        w.windowActivated();
        type(&w, "numPresCost", "1000");
        type(&w, "numPeriod", "10");
        type(&w, "numInflaRate", "6");
        click(&w, "cmdCalculate");
        QCOMPARE(text(&w, "numFutureValue"), QStringLiteral("1790.85"));
        QCOMPARE(text(&w, "numBuyingPower"), QStringLiteral("558.39"));
        grab(&w, "inflation");

        auto* rateSpin = child<SpinButton>(&w, "spnRate");
        Q_EMIT rateSpin->stepDown();
        QCOMPARE(text(&w, "numInflaRate"), QStringLiteral("5.750"));
        QCOMPARE(session().inflation.rate, 5.75);
        QCOMPARE(QApplication::focusWidget(), child<QWidget>(&w, "cmdOK"));
        auto* periodSpin = child<SpinButton>(&w, "spnPeriod");
        Q_EMIT periodSpin->stepUp();
        QCOMPARE(text(&w, "numPeriod"), QStringLiteral("11"));

        type(&w, "numPresCost", "2147483647");
        type(&w, "numPeriod", "40");
        type(&w, "numInflaRate", "40");
        click(&w, "cmdCalculate");
        QVERIFY(field(&w, "numFutureValue")->isHidden());
        QVERIFY(child<QLabel>(&w, "lblTooLarge")->isVisible());
        QCOMPARE(child<QLabel>(&w, "lblTooLarge")->text(), QStringLiteral("Amount too large to display"));
        grab(&w, "inflation-too-large");
        MessageRecorder messages;
        click(&w, "cmdPrint");
        QVERIFY(messages.isEmpty());
        QVERIFY(child<QWidget>(&w, "fraPrint")->isHidden());
        QCOMPARE(QApplication::focusWidget(), child<QWidget>(&w, "cmdOK"));
    }

    void inflationFieldsRefuseWithTheirMessages_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("caption");
        const QString rateMessage = QStringLiteral("The range of the Inflation Rate is between -5% and 40%");
        QTest::newRow("rate-high") << "numInflaRate"
                                   << "40.5" << rateMessage << "Incorrect Inflation Rate!";
        QTest::newRow("rate-low") << "numInflaRate"
                                  << "-5.25" << rateMessage << "Incorrect Inflation Rate!";
        QTest::newRow("period") << "numPeriod"
                                << "41"
                                << "The maximum period allowed 40 years"
                                << "Incorrect Period!";
    }
    void inflationFieldsRefuseWithTheirMessages()
    {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        InflationWindow w;
        w.windowActivated();
        MessageRecorder messages;
        type(&w, qPrintable(name), typed);
        QCOMPARE(messages.count(), 1);
        QTEST(messages.last().text, "message");
        QTEST(messages.last().caption, "caption");
        QCOMPARE(field(&w, qPrintable(name))->value(), 0.0);
    }
};

KESTREL_TEST_MAIN(TestFinanceWindows)
#include "test_financewindows.moc"
