// The printouts of the business calculators, from the windows' buttons to the report
// tables, the report files and titles, and the printed text read back from the PDF.
//
// With KESTREL_GRAB_DIR set, the pages are also saved there as pictures.
#include "common/fields.h"
#include "common/numberformat.h"
#include "finance/dailybalancewindow.h"
#include "finance/inflationwindow.h"
#include "finance/loanbusterwindow.h"
#include "finance/loancomparisonwindow.h"
#include "finance/loanswindow.h"
#include "reports/reportengine.h"
#include "shell/session.h"
#include "tests/support/testsupport.h"

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>

#include <memory>

using namespace kestrel;
using kestrel::test::MessageRecorder;

namespace {

using kestrel::test::child;

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

QString printed()
{
    return kestrel::test::lastReportPdfTexts().join(QStringLiteral("\n"));
}

QString reportFile()
{
    return QFileInfo(mainReportEngine().ReportFileName).fileName();
}

QString previewTitle()
{
    QWidget* preview = mainReportEngine().lastPreview();
    return preview ? preview->windowTitle() : QString();
}

void savePages(const QString& name)
{
    const QString dir = qEnvironmentVariable("KESTREL_GRAB_DIR");
    if (!dir.isEmpty())
        kestrel::test::saveLastReportPngs(dir, name);
}

// The loan window with a loan of 12 000 at 12 % over `months` months.
void enterLoan(LoansWindow& w, int months)
{
    w.windowActivated();
    type(&w, "numPrincipal", "12000");
    type(&w, "numPeriod", QString::number(months));
    type(&w, "numRate", "12");
    click(&w, "cmdCalculate");
}

// "&Print", the schedule choice, and "&View/Export report".
void printLoan(LoansWindow& w, const QString& schedule)
{
    click(&w, "cmdPrint");
    auto* box = child<QCheckBox>(&w, "chkIncludeAmort");
    box->setChecked(schedule != QLatin1String("none"));
    if (schedule == QLatin1String("monthly"))
        click(&w, "optMonthly");
    if (schedule == QLatin1String("annual"))
        click(&w, "optAnnual");
    click(&w, "cmdView");
}

}  // namespace

class TestFinancePrint : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<kestrel::test::TempAppFolder> folder_;

private Q_SLOTS:
    void init()
    {
        folder_ = std::make_unique<kestrel::test::TempAppFolder>();
        ResetSession();
        session().loan.principal = 0;
    }
    void cleanup()
    {
        if (QWidget* preview = mainReportEngine().lastPreview())
            preview->close();
        folder_.reset();
    }

    void loanPrintouts_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("schedule");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("heading");
        const QString hint = QStringLiteral(" - To export printout click on the suitcase button or goto Help");
        QTest::newRow("repayment") << "optMonthlyRepayment"
                                   << "none"
                                   << "Lonrepa.rpt"
                                   << "Monthly repayment of Loan" + hint << "Monthly repayment";
        QTest::newRow("repayment-annual") << "optMonthlyRepayment"
                                          << "annual"
                                          << "LonrepaA.rpt"
                                          << "Annual repayment of Loan with Amortisation" + hint << "Monthly repayment";
        QTest::newRow("repayment-monthly")
            << "optMonthlyRepayment"
            << "monthly"
            << "LonrepaA.rpt"
            << "Annual repayment of Loan with Monthly Amortisation" + hint << "Monthly repayment";
        QTest::newRow("principal") << "optPrincipalAmount"
                                   << "none"
                                   << "LonPrAm.rpt"
                                   << "Principal calculation of Loan" + hint << "Principal amount";
        QTest::newRow("principal-annual")
            << "optPrincipalAmount"
            << "annual"
            << "LonPrAmA.rpt"
            << "Principal calculation of Loan with Annual Amortisation" + hint << "Principal amount";
        QTest::newRow("principal-monthly")
            << "optPrincipalAmount"
            << "monthly"
            << "LonPrAmA.rpt"
            << "Principal calculation of Loan with Monthly Amortisation" + hint << "Principal amount";
        QTest::newRow("period") << "optRepaymentPeriod"
                                << "none"
                                << "LonRPer.rpt"
                                << "Repayment period calculation of Loan" + hint << "Repayment period";
        QTest::newRow("period-annual") << "optRepaymentPeriod"
                                       << "annual"
                                       << "LonRPerA.rpt"
                                       << "Repayment period calculation of Loan with Annual Amortisation" + hint
                                       << "Repayment period";
        QTest::newRow("period-monthly") << "optRepaymentPeriod"
                                        << "monthly"
                                        << "LonRPerA.rpt"
                                        << "Repayment period calculation of Loan with Monthly Amortisation" + hint
                                        << "Repayment period";
        QTest::newRow("rate") << "optInterestRate"
                              << "none"
                              << "LonInRt.rpt"
                              << "Interest rate calculation of Loan" + hint << "Interest rate";
        QTest::newRow("rate-annual") << "optInterestRate"
                                     << "annual"
                                     << "LonInRtA.rpt"
                                     << "Interest rate calculation of Loan with Annual Amortisation" + hint
                                     << "Interest rate";
        QTest::newRow("rate-monthly") << "optInterestRate"
                                      << "monthly"
                                      << "LonInRtA.rpt"
                                      << "Interest rate calculation of Loan with Monthly Amortisation" + hint
                                      << "Interest rate";
    }
    void loanPrintouts()
    {
        QFETCH(QString, option);
        QFETCH(QString, schedule);
        QFETCH(QString, heading);
        // The loan of 100 000 at 12 % over 240 months at 1 101.09, whichever quantity is
        // computed.
        session().loan.principal = 100000;
        session().loan.period = 240;
        session().loan.rate = 12;
        session().loan.repayment = 1101.09;
        LoansWindow w;
        w.windowActivated();
        click(&w, qPrintable(option));
        if (option == QLatin1String("optRepaymentPeriod"))
            type(&w, "numRepayment", "1101.09");
        MessageRecorder messages;
        printLoan(w, schedule);
        QVERIFY2(messages.isEmpty(), qPrintable(messages.isEmpty() ? QString() : messages.last().text));
        QTEST(reportFile(), "file");
        QTEST(previewTitle(), "title");
        QVERIFY(child<QWidget>(&w, "fraPrint")->isHidden());

        const QVariantMap loans = kestrel::test::readReportRecord(QStringLiteral("Loans"));
        QCOMPARE(loans.value(QStringLiteral("Heading")).toString(), heading);
        QCOMPARE(loans.value(QStringLiteral("Num1")).toDouble(), session().loan.principal);
        QCOMPARE(loans.value(QStringLiteral("Num2")).toDouble(), 240.0);
        QCOMPARE(loans.value(QStringLiteral("Num3")).toDouble(), session().loan.rate);
        QCOMPARE(loans.value(QStringLiteral("Num4")).toDouble(), session().loan.repayment);
        const QList<QVariantMap> rows = kestrel::test::readReportRows(QStringLiteral("Amort"));
        if (schedule == QLatin1String("none")) {
            QVERIFY(loans.value(QStringLiteral("YearMon")).isNull());
        } else {
            const bool annual = schedule == QLatin1String("annual");
            QCOMPARE(loans.value(QStringLiteral("YearMon")).toString(),
                     annual ? QStringLiteral("Year") : QStringLiteral("Month"));
            QCOMPARE(rows.size(), annual ? 20 : 240);
            QCOMPARE(rows.last().value(QStringLiteral("Year")).toInt(), annual ? 20 : 240);
        }

        const QString text = printed();
        QVERIFY2(text.contains(QStringLiteral("Calculated: ") + heading), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("(E.& O.E.)")));
        if (option != QLatin1String("optPrincipalAmount"))
            QVERIFY(text.contains(QStringLiteral("R 100 000.00")));
        if (option == QLatin1String("optMonthlyRepayment") || option == QLatin1String("optInterestRate"))
            QVERIFY(text.contains(QStringLiteral("R 1 101.09")));
        if (option == QLatin1String("optInterestRate"))
            QVERIFY(text.contains(QStringLiteral("12.000 % p.a.")));
        savePages(QStringLiteral("print-loan-%1").arg(QString::fromLatin1(QTest::currentDataTag())));
    }

    void financeChargesPrintOnlyWhenShown()
    {
        LoansWindow w;
        enterLoan(w, 240);
        type(&w, "numPrincipal", "100000");
        click(&w, "cmdCalculate");
        printLoan(w, QStringLiteral("none"));
        QVariantMap loans = kestrel::test::readReportRecord(QStringLiteral("Loans"));
        for (const char* name : {"FinText1", "FinText1A", "FinText2"})
            QCOMPARE(loans.value(QString::fromLatin1(name)).toString(), QString());
        QCOMPARE(loans.value(QStringLiteral("FinNum1")).toDouble(), 0.0);
        QCOMPARE(loans.value(QStringLiteral("FinNum2")).toDouble(), 0.0);
        QVERIFY(!printed().contains(QStringLiteral("Total Interest")));

        click(&w, "cmdFinCharges");
        printLoan(w, QStringLiteral("none"));
        loans = kestrel::test::readReportRecord(QStringLiteral("Loans"));
        QCOMPARE(loans.value(QStringLiteral("FinText1")).toString(), QStringLiteral("Total Interest"));
        QCOMPARE(loans.value(QStringLiteral("FinText1A")).toString(), QStringLiteral(": R"));
        QCOMPARE(loans.value(QStringLiteral("FinText2")).toString(), QStringLiteral("Total Repayments"));
        QCOMPARE(formatMoney(loans.value(QStringLiteral("FinNum1")).toDouble()), QStringLiteral("164261.60"));
        QCOMPARE(formatMoney(loans.value(QStringLiteral("FinNum2")).toDouble()), QStringLiteral("264261.60"));
        const QString text = printed();
        QVERIFY(text.contains(QStringLiteral("Total Interest")));
        QVERIFY(text.contains(QStringLiteral("R 164 261.60")));
        savePages(QStringLiteral("print-loan-finance-charges"));
    }

    void annualSchedulePrintsShortLoans_data()
    {
        QTest::addColumn<int>("months");
        QTest::addColumn<int>("rows");
        QTest::newRow("8") << 8 << 1;
        QTest::newRow("12") << 12 << 1;
        QTest::newRow("30") << 30 << 3;
    }
    void annualSchedulePrintsShortLoans()
    {
        QFETCH(int, months);
        LoansWindow w;
        enterLoan(w, months);
        printLoan(w, QStringLiteral("annual"));
        const QList<QVariantMap> rows = kestrel::test::readReportRows(QStringLiteral("Amort"));
        QTEST(int(rows.size()), "rows");
        double capital = 0;
        for (const QVariantMap& row : rows)
            capital += row.value(QStringLiteral("Capital")).toDouble();
        QCOMPARE(formatMoney(capital), QStringLiteral("12000.00"));
        QCOMPARE(formatMoney(rows.last().value(QStringLiteral("Required")).toDouble()), QStringLiteral("0.00"));
        if (months == 8) {
            QCOMPARE(rows.first().value(QStringLiteral("Year")).toInt(), 1);
            const double interest = session().loan.repayment * 8 - 12000;
            QCOMPARE(rows.first().value(QStringLiteral("Interest")).toDouble(), interest);
        }
    }

    void secondPrintRefillsTheSchedule()
    {
        LoansWindow w;
        enterLoan(w, 240);
        printLoan(w, QStringLiteral("monthly"));
        QCOMPARE(kestrel::test::readReportRows(QStringLiteral("Amort")).size(), 240);
        type(&w, "numPeriod", "30");
        printLoan(w, QStringLiteral("annual"));
        const QList<QVariantMap> rows = kestrel::test::readReportRows(QStringLiteral("Amort"));
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[0].value(QStringLiteral("Year")).toInt(), 1);
        QCOMPARE(rows[2].value(QStringLiteral("Year")).toInt(), 3);
    }

    void longScheduleRunsOverPagesWithItsHeadings()
    {
        LoansWindow w;
        enterLoan(w, 600);
        type(&w, "numPrincipal", "1500000");
        click(&w, "cmdCalculate");
        printLoan(w, QStringLiteral("monthly"));
        const QStringList pages = kestrel::test::lastReportPdfTexts();
        QVERIFY2(pages.size() >= 10, qPrintable(QString::number(pages.size())));
        for (const QString& page : pages) {
            QVERIFY(page.contains(QStringLiteral("Month")));
            QVERIFY(page.contains(QStringLiteral("Balance")));
        }
        QVERIFY(pages.last().contains(QStringLiteral("600")));
        savePages(QStringLiteral("print-loan-600"));
    }

    void loanBusterPrintout()
    {
        LoanBusterWindow w;
        w.windowActivated();
        type(&w, "numPrincipal", "500000");
        type(&w, "numPeriod", "240");
        type(&w, "numRate", "10");
        type(&w, "numExtra", "1000");
        click(&w, "cmdCalculate");
        MessageRecorder messages;
        click(&w, "cmdPrint");
        QVERIFY(messages.isEmpty());
        // The record is written and the report named when "&Print" is pressed.
        QCOMPARE(reportFile(), QStringLiteral("loanbuster.rpt"));
        const QVariantMap r = kestrel::test::readReportRecord(QStringLiteral("BondBust"));
        QCOMPARE(r.value(QStringLiteral("PAmt")).toDouble(), 500000.0);
        QCOMPARE(r.value(QStringLiteral("Period")).toInt(), 240);
        QCOMPARE(r.value(QStringLiteral("IntRate")).toDouble(), 10.0);
        QCOMPARE(r.value(QStringLiteral("Xper")).toInt(), 151);
        QCOMPARE(formatMoney(r.value(QStringLiteral("XtraPay")).toDouble()), QStringLiteral("1007.40"));
        QCOMPARE(formatMoney(r.value(QStringLiteral("XTotSavings")).toDouble()), QStringLiteral("277317.23"));
        QCOMPARE(formatMoney(r.value(QStringLiteral("MonRep")).toDouble()), QStringLiteral("4825.11"));
        QVERIFY(!child<QWidget>(&w, "fraPrint")->isHidden());
        click(&w, "cmdView");
        QCOMPARE(previewTitle(), QStringLiteral("Loan Buster"));
        const QString text = printed();
        for (const char* expected :
             {"R 4 825.11", "R 5 832.51", "151 months", "R 1 007.40", "R 277 317.23", "R 380 708.74", "(E.& O.E.)"})
            QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
        savePages(QStringLiteral("print-loanbuster"));
    }

    void loanComparisonPrintout()
    {
        LoanComparisonWindow w;
        w.windowActivated();
        type(&w, "numBondAmount", "100000");
        type(&w, "numRate", "12");
        click(&w, "cmdPrint");
        QCOMPARE(reportFile(), QStringLiteral("LoanComparison.rpt"));
        const QVariantMap r = kestrel::test::readReportRecord(QStringLiteral("BondComp"));
        QCOMPARE(r.value(QStringLiteral("PAmt")).toDouble(), 100000.0);
        QCOMPARE(formatMoney(r.value(QStringLiteral("MonRep4")).toDouble()), QStringLiteral("1101.09"));
        QCOMPARE(formatMoney(r.value(QStringLiteral("IntPaid4")).toDouble()), QStringLiteral("164260.67"));
        QCOMPARE(formatMoney(r.value(QStringLiteral("Total6")).toDouble()), QStringLiteral("370300.53"));
        click(&w, "cmdView");
        QCOMPARE(previewTitle(), QStringLiteral("Loan Comparison"));
        const QString text = printed();
        QVERIFY(text.contains(QStringLiteral("R 164 260.67")));
        QVERIFY(text.contains(QStringLiteral("30 yrs.")));
        savePages(QStringLiteral("print-loancomparison"));
    }

    void dailyBalancePrintout()
    {
        DailyBalanceWindow w;
        w.windowActivated();
        type(&w, "numCapital", "100000");
        type(&w, "numRate", "10");
        type(&w, "dtStartDate", "01032018");
        type(&w, "dtEndDate", "28022019");
        click(&w, "cmdCalculate");
        click(&w, "cmdPrint");
        QCOMPARE(reportFile(), QStringLiteral("DayBal.rpt"));
        const QVariantMap r = kestrel::test::readReportRecord(QStringLiteral("DailyBal"));
        QCOMPARE(r.value(QStringLiteral("StartDate")).toInt(), 43160);
        QCOMPARE(r.value(QStringLiteral("EndDate")).toInt(), 43524);
        QCOMPARE(r.value(QStringLiteral("ANS2")).toInt(), 364);
        QCOMPARE(formatMoney(r.value(QStringLiteral("ANS1")).toDouble()), QStringLiteral("9972.60"));
        click(&w, "cmdView");
        QCOMPARE(previewTitle(), QStringLiteral("Daily Balance Calculation"));
        const QString text = printed();
        for (const char* expected : {"01/03/2018", "28/02/2019", "364", "R 9 972.60", "R 100 000.00"})
            QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
        savePages(QStringLiteral("print-dailybalance"));
    }

    void inflationPrintout()
    {
        InflationWindow w;
        w.windowActivated();
        type(&w, "numPresCost", "1000");
        type(&w, "numPeriod", "10");
        type(&w, "numInflaRate", "6");
        click(&w, "cmdPrint");
        QCOMPARE(reportFile(), QStringLiteral("Inflatin.rpt"));
        const QVariantMap r = kestrel::test::readReportRecord(QStringLiteral("Inflation"));
        QCOMPARE(r.value(QStringLiteral("PresCost")).toDouble(), 1000.0);
        QCOMPARE(r.value(QStringLiteral("Period")).toDouble(), 10.0);
        QCOMPARE(r.value(QStringLiteral("InflaRate")).toDouble(), 6.0);
        QCOMPARE(formatMoney(r.value(QStringLiteral("Ans1")).toDouble()), QStringLiteral("1790.85"));
        QCOMPARE(formatMoney(r.value(QStringLiteral("ANS2")).toDouble()), QStringLiteral("558.39"));
        click(&w, "cmdView");
        QCOMPARE(previewTitle(),
                 QStringLiteral("Inflation - To export printout click on the suitcase button or goto Help"));
        const QString text = printed();
        QVERIFY(text.contains(QStringLiteral("R 1 790.85")));
        QVERIFY(text.contains(QStringLiteral("R 558.39")));
        savePages(QStringLiteral("print-inflation"));
    }

    void databaseErrorKeepsTheWindow()
    {
        // The report-data database has gone: the print says so and the window carries on.
        QFile::remove(folder_->file(QStringLiteral("Zidazura.mdb")));
        InflationWindow w;
        w.windowActivated();
        type(&w, "numPresCost", "1000");
        type(&w, "numPeriod", "10");
        type(&w, "numInflaRate", "6");
        MessageRecorder messages;
        click(&w, "cmdPrint");
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().icon, MessageIcon::Critical);
        QVERIFY(child<QWidget>(&w, "fraPrint")->isHidden());
        QCOMPARE(child<QLineEdit>(&w, "numFutureValue")->text(), QStringLiteral("1790.85"));

        LoansWindow loans;
        enterLoan(loans, 12);
        printLoan(loans, QStringLiteral("monthly"));
        QCOMPARE(messages.count(), 2);
        QCOMPARE(child<QLineEdit>(&loans, "numRepayment")->text(), QStringLiteral("1066.19"));
    }

    void printerChoice()
    {
        LoansWindow w;
        enterLoan(w, 12);
        click(&w, "cmdPrint");
        MessageRecorder messages;
        click(&w, "cmdPrinter");
        if (QPrinterInfo::defaultPrinter().isNull()) {
            // No printer installed: the user is told, nothing is lost.
            QCOMPARE(messages.count(), 1);
            QCOMPARE(child<QLineEdit>(&w, "numRepayment")->text(), QStringLiteral("1066.19"));
        } else {
            QVERIFY(messages.isEmpty());
            QCOMPARE(mainReportEngine().Destination, 1);
            QVERIFY(printed().contains(QStringLiteral("R 12 000.00")));
        }
    }
};

KESTREL_TEST_MAIN(TestFinancePrint)
#include "test_financeprint.moc"
