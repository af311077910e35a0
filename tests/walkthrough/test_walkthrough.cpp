// The first run of the program as a new user meets it, headless: empty preferences and a
// private application folder with fresh databases, the main window built and started as
// the program starts it, the disclaimer accepted and the About window closed, then every
// calculator opened from its menu entry, one case typed into its fields, calculated,
// printed to the preview and exported as PDF, and finally "&Initialise All" and "E&xit".
//
// Every window after its calculation (inside the main window and on its own) and the first
// page of every printout are kept as pictures in the screenshot folder, with the exported
// PDF files, for a reviewer to look at.
#include "common/childwindow.h"
#include "common/dialogs.h"
#include "common/fields.h"
#include "common/preferences.h"
#include "reports/reportengine.h"
#include "shell/application.h"
#include "shell/disclaimerwindow.h"
#include "shell/mainwindow.h"
#include "tests/support/testsupport.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPdfDocument>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>

#include <memory>

using namespace kestrel;
using kestrel::test::MessageRecorder;
using kestrel::test::SaveFileAnswer;

namespace {

// One thing the user does in a window, or one value the window must show.
struct Step {
    enum Kind { Type, Click, Shows, Cell };
    Kind kind = Type;
    QString name;  ///< objectName of the field, button or table
    QString text;  ///< typed, or expected
    int row = 0;
    int column = 0;
};
using Steps = QList<Step>;

Step type(const char* field, const QString& text)
{
    return {Step::Type, QString::fromLatin1(field), text};
}
Step click(const char* button)
{
    return {Step::Click, QString::fromLatin1(button), {}};
}
Step shows(const char* field, const QString& text)
{
    return {Step::Shows, QString::fromLatin1(field), text};
}
Step cell(const char* table, int row, int column, const QString& text)
{
    return {Step::Cell, QString::fromLatin1(table), text, row, column};
}

const QString kEmployee = QStringLiteral("Thandiwe Nkosi");
const QString kExportHint = QStringLiteral(" - To export printout click on the suitcase button or goto Help");

// The calculator windows, in the order of the menus.
const QStringList kCalculators{
    QStringLiteral("frmKestrelMon"), QStringLiteral("frmKestrelAnn"), QStringLiteral("frmOsprMon"),
    QStringLiteral("frmOsprAnn"),    QStringLiteral("frmAnnual"),     QStringLiteral("frmMonthly"),
    QStringLiteral("frmFortNight"),  QStringLiteral("frmWeekly"),     QStringLiteral("frmDaily"),
    QStringLiteral("frmMerlin"),     QStringLiteral("frmCompCar"),    QStringLiteral("frmCarAll1"),
    QStringLiteral("frmInflation"),  QStringLiteral("frmLoans"),      QStringLiteral("frmLoanBuster"),
    QStringLiteral("frmLoanComp"),   QStringLiteral("frmDayBal")};

QString messagesText(const MessageRecorder& recorder)
{
    QStringList texts;
    for (const MessageRequest& m : recorder.messages())
        texts << QStringLiteral("[%1] %2").arg(m.caption, m.text);
    return texts.join(QStringLiteral("; "));
}

// Types into a field as a user does: into the field with the focus, its old text selected
// away, then leaving it (the commit runs the field's checks, as the focus moving on would).
void typeInto(QWidget* window, const Step& step)
{
    auto* field = window->findChild<QLineEdit*>(step.name);
    QVERIFY2(field, qPrintable(QStringLiteral("no field ") + step.name));
    QVERIFY2(field->isVisible() && field->isEnabled() && !field->isReadOnly(),
             qPrintable(step.name + QStringLiteral(" cannot be typed into")));
    field->setFocus(Qt::TabFocusReason);
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, step.text);
    if (auto* entry = qobject_cast<EntryField*>(field))
        entry->commit();
}

// A mouse click on the button; on its box for a check box or an option button.
void clickOn(QWidget* window, const Step& step)
{
    auto* button = window->findChild<QAbstractButton*>(step.name);
    QVERIFY2(button, qPrintable(QStringLiteral("no button ") + step.name));
    QVERIFY2(button->isVisible() && button->isEnabled(), qPrintable(step.name + QStringLiteral(" cannot be clicked")));
    const bool box = qobject_cast<QCheckBox*>(button) || (button->isCheckable() && !qobject_cast<QPushButton*>(button));
    QTest::mouseClick(button, Qt::LeftButton, {}, box ? QPoint(8, button->height() / 2) : button->rect().center());
}

void perform(QWidget* window, const Step& step)
{
    switch (step.kind) {
    case Step::Type:
        typeInto(window, step);
        return;
    case Step::Click:
        clickOn(window, step);
        return;
    case Step::Shows: {
        auto* field = window->findChild<QLineEdit*>(step.name);
        QVERIFY2(field, qPrintable(QStringLiteral("no field ") + step.name));
        // The name goes with the value, so a failure says which field.
        QCOMPARE(step.name + QLatin1Char('=') + field->text(), step.name + QLatin1Char('=') + step.text);
        return;
    }
    case Step::Cell: {
        auto* table = window->findChild<QTableWidget*>(step.name);
        QVERIFY2(table, qPrintable(QStringLiteral("no table ") + step.name));
        const QTableWidgetItem* item = table->item(step.row, step.column);
        const QString where = QStringLiteral("%1[%2,%3]=").arg(step.name).arg(step.row).arg(step.column);
        QCOMPARE(where + (item ? item->text() : QStringLiteral("<empty>")), where + step.text);
        return;
    }
    }
}

// The first page of a PDF as a picture on white paper (QtPdf renders onto transparency).
bool savePdfFirstPage(const QString& pdf, const QString& png)
{
    QPdfDocument document;
    if (document.load(pdf) != QPdfDocument::Error::None || document.pageCount() < 1)
        return false;
    constexpr double dotsPerInch = 96;
    const QSize pixels = (document.pagePointSize(0) * dotsPerInch / 72).toSize();
    const QImage page = document.render(0, pixels);
    QImage sheet(pixels, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    painter.drawImage(0, 0, page);
    painter.end();
    return sheet.save(png);
}

}  // namespace

Q_DECLARE_METATYPE(Steps)

class TestWalkthrough : public QObject {
    Q_OBJECT

    QTemporaryDir preferences_;
    std::unique_ptr<test::TempAppFolder> folder_;
    std::unique_ptr<MessageRecorder> messages_;
    std::unique_ptr<MDIForm1> main_;
    ModalHandler previousModal_;
    QStringList unexpectedModals_;
    int disclaimersShown_ = 0;
    bool okBeforeTicking_ = false;
    QString shots_;
    int shotNumber_ = 0;
    QElapsedTimer clock_;

    QString shot(const QString& name) const { return QDir(shots_).filePath(name); }

    // Fails when a message box or an unexpected modal window appeared since the last check.
    void checkNothingAsked()
    {
        QVERIFY2(messages_->isEmpty(), qPrintable(QStringLiteral("unexpected message: ") + messagesText(*messages_)));
        QVERIFY2(unexpectedModals_.isEmpty(), qPrintable(QStringLiteral("unexpected modal window: ")
                                                         + unexpectedModals_.join(QStringLiteral(", "))));
    }

    void grabMain(const QString& name) { QVERIFY2(main_->grab().save(shot(name)), qPrintable(shot(name))); }

private Q_SLOTS:
    void initTestCase()
    {
        clock_.start();
        // A new user: no preferences file yet, and a folder of fresh databases.
        QVERIFY(preferences_.isValid());
        qputenv("KESTREL_PREFERENCES", preferences_.filePath(QStringLiteral("Kestrel2019.ini")).toUtf8());
        QCOMPARE(loadPreferences().Var1, QString());
        folder_ = std::make_unique<test::TempAppFolder>();
        messages_ = std::make_unique<MessageRecorder>();

        shots_ = qEnvironmentVariable("KESTREL_SCREENSHOT_DIR", QStringLiteral(KESTREL_SCREENSHOT_FOLDER));
        QVERIFY(QDir().mkpath(shots_));

        // The disclaimer is the one modal window a first run shows; anything else is
        // recorded and declined, so that nothing can block the run.
        previousModal_ = setModalHandler([this](QDialog* dialog) {
            auto* disclaimer = qobject_cast<DisclaimerWindow*>(dialog);
            if (!disclaimer) {
                unexpectedModals_ << dialog->windowTitle();
                return int(QDialog::Rejected);
            }
            ++disclaimersShown_;
            disclaimer->grab().save(shot(QStringLiteral("00-disclaimer.png")));
            okBeforeTicking_ = disclaimer->okButton()->isEnabled();
            disclaimer->agreeBox()->click();
            disclaimer->okButton()->click();
            return disclaimer->result();
        });
    }

    void cleanupTestCase()
    {
        main_.reset();
        setModalHandler(std::move(previousModal_));
        messages_.reset();
        folder_.reset();
        qInfo("walkthrough took %.1f s; pictures in %s", clock_.elapsed() / 1000.0, qPrintable(shots_));
    }

    // Start-up as the program does it: the disclaimer of a new version, then the About
    // window, which the user closes with its "&OK".
    void firstStart()
    {
        // The names runKestrel() gives the application before it builds the main window.
        QApplication::setOrganizationName(QStringLiteral("Kestrel"));
        QApplication::setApplicationName(QStringLiteral("Kestrel2019"));
        QApplication::setApplicationVersion(kProgramVersion.display());
        main_ = std::make_unique<MDIForm1>(applicationWindows());
        QVERIFY(main_->startUp());
        QVERIFY(main_->isVisible());
        QVERIFY(main_->windowTitle().startsWith(QStringLiteral("Kestrel 2019 Ver: 1.01.000  ")));
        QCOMPARE(disclaimersShown_, 1);
        QVERIFY2(!okBeforeTicking_, "the disclaimer's OK was enabled before the box was ticked");
        QCOMPARE(loadPreferences().Var1, QStringLiteral("110"));

        ChildWindow* about = main_->openedWindow(QStringLiteral("frmAbout"));
        QVERIFY2(about, "a first run shows the About window");
        QCOMPARE(about->windowTitle(), QStringLiteral("About Kestrel 2019..."));
        grabMain(QStringLiteral("00-about.png"));  // at the size the program starts with
        clickOn(about, click("cmdOK"));
        QVERIFY(!main_->openedWindow(QStringLiteral("frmAbout")));
        QVERIFY(main_->mdiArea()->subWindowList().isEmpty());
        QVERIFY(loadPreferences().ViewAbout);
        checkNothingAsked();
        // The user then gives the program a good part of the screen.
        main_->resize(1280, 960);
    }

    // Each row: a menu entry, the window it opens with its caption, the user's case with
    // the numbers the window must show, the print choice, the preview's title and what the
    // exported PDF must say. The rows run in order in the one main window.
    void everyCalculator_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<Steps>("calculation");
        QTest::addColumn<Steps>("printing");
        QTest::addColumn<QString>("previewTitle");
        QTest::addColumn<QStringList>("printed");

        const Steps taxPrint{click("cmdPrint"), type("txtEmployeeName", kEmployee), click("cmdView")};
        const Steps packagePrint{click("cmdPrint"), type("Text1", kEmployee), click("cmdView")};
        const Steps plainPrint{click("cmdPrint"), click("cmdView")};

        // Backward monthly: R 5 000 net at age 30, on the delivered settings (UIF 1 % and 1 %
        // up to R 14 872, skills levy 1 %); below the tax threshold the search stops at a
        // trial salary of R 5 051.
        QTest::newRow("frmKestrelMon") << "mnuKestMon"
                                       << "Kestrel : Monthly Calculation"
                                       << Steps{type("numAge", "30"),
                                                type("numNetMonSalReq", "5000"),
                                                click("cmdCalculate"),
                                                shows("numMAns", "0.00"),
                                                shows("numTaxDeduct", "0.00"),
                                                shows("numUIFCont", "50.51"),
                                                shows("numCCUIFCont", "50.51"),
                                                shows("numCCSkillLev", "50.51"),
                                                shows("numGrossSal", "5050.51"),
                                                shows("numTotCostComp", "5151.53")}
                                       << packagePrint << "Kestrel2019 Monthly" + kExportHint
                                       << QStringList{"Kestrel Salary Package Calculation : Monthly", kEmployee,
                                                      "5 000.00", "5 050.51", "5 151.53"};
        // The same for a year: R 60 000 net needs R 60 607 in R 1 steps of the annual salary.
        QTest::newRow("frmKestrelAnn") << "mnuKestAnn"
                                       << "Kestrel : Annual Calculation"
                                       << Steps{type("numAge", "30"),
                                                type("numNetMonSalReq", "60000"),
                                                click("cmdCalculate"),
                                                shows("numMAns", "0.00"),
                                                shows("numUIFCont", "606.07"),
                                                shows("numCCUIFCont", "606.07"),
                                                shows("numCCSkillLev", "606.07"),
                                                shows("numGrossSal", "60606.07"),
                                                shows("numTotCostComp", "61818.21")}
                                       << packagePrint << "Kestrel2019 Annual" + kExportHint
                                       << QStringList{"Kestrel Salary Package Calculation : Annual", kEmployee,
                                                      "60 000.00", "60 606.07", "61 818.21"};
        // Forward monthly: a package of R 10 000 at age 40; tax (21 600 - 14 067) / 12.
        QTest::newRow("frmOsprMon") << "mnuOsprMon"
                                    << "Osprey : Monthly Calculation"
                                    << Steps{type("numAge", "40"),
                                             type("numNetMonSalReq", "10000"),
                                             click("cmdCalculate"),
                                             shows("numCCNetMonSalReq", "10000.00"),
                                             shows("numMAns", "627.75"),
                                             shows("numTaxCredit", "0.00"),
                                             shows("numTaxDeduct", "627.75"),
                                             shows("numUIFCont", "100.00"),
                                             shows("numCCUIFCont", "100.00"),
                                             shows("numCCSkillLev", "100.00"),
                                             shows("numGrossSal", "9272.25"),
                                             shows("numTotCostComp", "10200.00")}
                                    << packagePrint << "Osprey2019 Monthly" + kExportHint
                                    << QStringList{"Osprey Salary Package Calculation : Monthly",
                                                   kEmployee,
                                                   "10 000.00",
                                                   "627.75",
                                                   "9 272.25",
                                                   "10 200.00"};
        // The same package for a year.
        QTest::newRow("frmOsprAnn") << "mnuOsprAnn"
                                    << "Osprey : Annual Calculation"
                                    << Steps{type("numAge", "40"),
                                             type("numNetMonSalReq", "120000"),
                                             click("cmdCalculate"),
                                             shows("numMAns", "7533.00"),
                                             shows("numTaxDeduct", "7533.00"),
                                             shows("numUIFCont", "1200.00"),
                                             shows("numCCUIFCont", "1200.00"),
                                             shows("numCCSkillLev", "1200.00"),
                                             shows("numGrossSal", "111267.00"),
                                             shows("numTotCostComp", "122400.00")}
                                    << packagePrint << "Osprey2019 Annual" + kExportHint
                                    << QStringList{"Osprey Salary Package Calculation : Annual",
                                                   kEmployee,
                                                   "120 000.00",
                                                   "7 533.00",
                                                   "111 267.00",
                                                   "122 400.00"};
        // A full year's salary of R 240 000 with a bonus of R 20 000 at age 40.
        QTest::newRow("frmAnnual") << "mnuAnnual"
                                   << "Annual" << Steps{type("silgEdit1", "40"),
                                                        type("silgEdit2", "240000"),
                                                        type("silgEdit4", "20000"),
                                                        click("cmdCalculate"),
                                                        shows("dtStartDate", "01/03/2018"),
                                                        shows("dtEndDate", "28/02/2019"),
                                                        shows("numMAns", "37865.00"),
                                                        shows("numTaxCredit", "0.00"),
                                                        shows("numTaxLiability", "37865.00"),
                                                        shows("numAns1", "37865.00")}
                                   << taxPrint << "Annual" + kExportHint
                                   << QStringList{"Annual Check", "For : " + kEmployee, "240 000.00", "20 000.00",
                                                  "37 865.00",    "01/03/2018",         "28/02/2019", "(E.& O.E.)"};
        // March 2018 at R 20 000 and a R 10 000 bonus, age 40: the bonus is taxed in full
        // in the month; UIF on the R 14 872 limit, the levy on the whole R 30 000.
        QTest::newRow("frmMonthly") << "mnuMonthly"
                                    << "Monthly" << Steps{type("silgEdit9", "40"),
                                                          type("numSalRemun", "20000"),
                                                          type("silgEdit12", "10000"),
                                                          click("cmdCalculate"),
                                                          shows("dtMStartDate", "01/03/2018"),
                                                          shows("dtMEndDate", "31/03/2018"),
                                                          shows("numMAns1", "148.72"),
                                                          shows("numMAns2", "148.72"),
                                                          shows("numMAns3", "300.00"),
                                                          shows("numMAns", "5322.08"),
                                                          shows("numTaxCredit", "0.00"),
                                                          shows("numTaxLiability", "5322.08")}
                                    << taxPrint << "Monthly" + kExportHint
                                    << QStringList{"Monthly Check", "For : " + kEmployee, "20 000.00",
                                                   "10 000.00",     "5 322.08",           "148.72",
                                                   "300.00",        "(E.& O.E.)"};
        // R 10 000 a fortnight is R 260 000 a year: (51 932 - 14 067) / 26; UIF on the
        // fortnight's limit of R 6 864.
        QTest::newRow("frmFortNight")
            << "mnuFortNight"
            << "Fortnightly"
            << Steps{type("silgEdit14", "40"),    type("numSalRemun", "10000"), click("cmdCalculate"),
                     shows("silgEdit21", "14"),   shows("silgEdit22", "14"),    shows("numMAns1", "68.64"),
                     shows("numMAns3", "100.00"), shows("numMAns", "1456.35"),  shows("numTaxLiability", "1456.35")}
            << taxPrint << "FortNightly" + kExportHint
            << QStringList{"Fortnightly Check", "For : " + kEmployee, "10 000.00", "1 456.35", "68.64"};
        // R 5 000 a week with a R 10 000 bonus, age 40.
        QTest::newRow("frmWeekly") << "mnuWeekly"
                                   << "Weekly"
                                   << Steps{type("silgEdit14", "40"),    type("numSalRemun", "5000"),
                                            type("sidbEdit4", "10000"),  click("cmdCalculate"),
                                            shows("numMAns1", "34.32"),  shows("numMAns3", "150.00"),
                                            shows("numMAns", "3328.17"), shows("numTaxLiability", "3328.17")}
                                   << taxPrint << "Weekly" + kExportHint
                                   << QStringList{"Weekly Check", "For : " + kEmployee, "5 000.00", "10 000.00",
                                                  "3 328.17"};
        // R 1 000 a day (R 260 000 a year) with a medical aid contribution for one
        // beneficiary: the credit of R 310 a month is 3 720 / 260 a day.
        QTest::newRow("frmDaily") << "mnuDaily"
                                  << "Daily"
                                  << Steps{type("silgEdit23", "40"),
                                           type("numSalRemun", "1000"),
                                           type("numEmpEEMedAidCont", "50"),
                                           type("numMedAidBens", "1"),
                                           click("cmdCalculate"),
                                           shows("numMAns1", "6.86"),
                                           shows("numMAns3", "10.00"),
                                           shows("numMAns", "145.63"),
                                           shows("numTaxCredit", "14.31"),
                                           shows("numMTCForContri", "0.00"),
                                           shows("numTaxLiability", "131.33")}
                                  << taxPrint << "Daily" + kExportHint
                                  << QStringList{"Daily Check", "For : " + kEmployee, "1 000.00", "145.63", "14.31",
                                                 "131.33"};
        // QuickTax opens on the income that the daily window looked up last (R 260 000),
        // then breaks down R 250 000 at age 40.
        QTest::newRow("frmMerlin") << "QuickTax"
                                   << "QuickTax"
                                   << Steps{shows("numTaxableIncome", "260000.00"),
                                            type("numTaxableIncome", "250000"),
                                            type("numAge", "40"),
                                            click("cmdCalculate"),
                                            shows("numTaxOnIncome", "35253.00"),
                                            shows("numMarginalRate", "26"),
                                            shows("numPortion", "14079.00"),
                                            shows("numTotalTax", "49332.00"),
                                            shows("numRebate", "14067.00"),
                                            shows("numTaxCommitment", "35265.00"),
                                            shows("numAvRateBefore", "19.7"),
                                            shows("numAvRateAfter", "14.1")}
                                   << plainPrint << "QuickTax" + kExportHint
                                   << QStringList{"250 000.00", "35 253.00", "14 079.00", "49 332.00",
                                                  "14 067.00",  "35 265.00", "2 938.75"};
        // One car of R 300 000 without a maintenance plan for the whole year, with a
        // logbook (30 000 of 40 000 km on business), the fuel valued from the cost scale and
        // R 5 000 insurance and R 1 000 licence paid by the employee, against a code 3802
        // amount of R 126 000. The first vehicle is typed into the starting record and
        // added; its registration number is then confirmed.
        QTest::newRow("frmCompCar") << "mnuCompCar"
                                    << "Full use of Company Car :  Vehicle number 0 of 0"
                                    << Steps{type("txtCCRegNumber", "CA 123-456"),
                                             type("txtCCMake", "Toyota"),
                                             type("txtCCModel", "Corolla 1.8 Prestige"),
                                             type("numCCPrice", "300000"),
                                             click("cmdAdd"),
                                             type("txtCCRegNumber", "CA 123-456"),
                                             type("txtYearOfManfact", "2017"),
                                             type("numEndMileage", "40000"),
                                             type("numStartMileage", "0"),
                                             type("numBusDistance", "30000"),
                                             click("chkBussMilage"),
                                             click("chkSARSTable"),
                                             type("numEmpPaidInsurance", "5000"),
                                             type("numEmpPaidLicence", "1000"),
                                             type("numActual3802", "126000"),
                                             click("cmdCalculate"),
                                             shows("numFB3802ThisCar", "126000"),
                                             shows("numDays", "365"),
                                             shows("numTotalDistance", "40000"),
                                             shows("numPrivateDistance", "10 000"),
                                             shows("numTrueInclusion", "31 500.00"),
                                             shows("numFuelComponent", "49 920.00"),
                                             shows("numFuelClaim", "12 480.00"),
                                             shows("numTotAddExpense", "1 500.00"),
                                             shows("numFuelExp", "13 980.00"),
                                             shows("numAdjustTaxableInc", "-108 480.00"),
                                             shows("numSARSAdjustment", "-108 480.00"),
                                             shows("numIRP53802", "126 000.00"),
                                             shows("numMonFB80", "8 400.00"),
                                             shows("numMonFB20", "2 100.00"),
                                             shows("numFortFB80", "3 876.80"),
                                             shows("numFortFB20", "969.20"),
                                             shows("numWeekFB80", "1 938.40"),
                                             shows("numWeekFB20", "484.60"),
                                             shows("numTotalAdjustment", "-108 480.00"),
                                             shows("numTotalSARSAdjustment", "-108 480.00")}
                                    << plainPrint << "Full use of Company Car" + kExportHint
                                    << QStringList{"CA 123-456", "Toyota",    "Corolla 1.8 Prestige", "300 000.00",
                                                   "31 500.00",  "49 920.00", "-108 480.00",          "126 000.00",
                                                   "3 876.80",   "484.60"};
        // Deemed costs: a R 100 000 car, 20 000 km of which 8 000 on business, a
        // R 40 000 allowance, the whole year.
        QTest::newRow("frmCarAll1") << "mnuCarAll1"
                                    << "Travel Allowance"
                                    << Steps{type("txtCar", "VW Polo Vivo 1.4"),
                                             type("numVehicleValue", "100000"),
                                             type("numAllowance", "40000"),
                                             type("numCloseKm", "20000"),
                                             type("numOpenKm", "0"),
                                             type("numBusinessKm", "8000"),
                                             click("cmdCalculate"),
                                             shows("numPeriod", "365"),
                                             shows("numDeemedBusiness", "8 000"),
                                             shows("numDeemedPrivate", "12 000"),
                                             shows("numDeemedTotal", "20 000"),
                                             shows("numFixedCostYear", "50 631"),
                                             shows("numFixedKms", "20 000"),
                                             shows("numFixedDays", "365"),
                                             shows("numFixedYearDays", "365"),
                                             shows("numFixedCostKm", "253.2"),
                                             shows("numFuelCostKm", "106.8"),
                                             shows("numMaintCostKm", "43.1"),
                                             shows("numTotalCostKm", "403.1"),
                                             shows("numDeemedClaim", "32 244")}
                                    << Steps{click("cmdPrint"), type("txtEmployeeName", kEmployee), click("cmdView")}
                                    << "Car Allowance" + kExportHint << QStringList{kEmployee, "VW Polo Vivo 1.4",
                                                                                    "100 000", "40 000",
                                                                                    "253.2",   "106.8",
                                                                                    "43.1",    "403.1",
                                                                                    "32 244"};
        // R 1 000 over 10 years of 6 % inflation.
        QTest::newRow("frmInflation") << "mnuInflationProject"
                                      << "Inflation"
                                      << Steps{type("numPresCost", "1000"),        type("numPeriod", "10"),
                                               type("numInflaRate", "6"),          click("cmdCalculate"),
                                               shows("numFutureValue", "1790.85"), shows("numBuyingPower", "558.39")}
                                      << plainPrint << "Inflation" + kExportHint
                                      << QStringList{"1 000", "1 790.85", "558.39"};
        // R 100 000 over 240 months at 12 %: the monthly repayment, the finance charges on
        // the repayment as shown, and the printout with the annual schedule.
        QTest::newRow("frmLoans") << "mnuLoans"
                                  << "Loans"
                                  << Steps{type("numPrincipal", "100000"),
                                           type("numPeriod", "240"),
                                           type("numRate", "12"),
                                           click("cmdCalculate"),
                                           shows("numRepayment", "1101.09"),
                                           click("cmdFinCharges"),
                                           shows("numTotInterest", "164261.60"),
                                           shows("numTotRepayments", "264261.60")}
                                  << Steps{click("cmdPrint"), click("chkIncludeAmort"), click("cmdView")}
                                  << "Annual repayment of Loan with Amortisation" + kExportHint
                                  << QStringList{
                                         "100 000.00", "1 101.09", "164 261.60", "264 261.60", "Amortisation schedule",
                                         "98 717.97",  "12 392.81"};
        // R 500 000 over 240 months at 10 % with R 1 000 extra every month.
        QTest::newRow("frmLoanBuster") << "mnuLoansBuster"
                                       << "Loan Buster"
                                       << Steps{type("numPrincipal", "500000"),
                                                type("numPeriod", "240"),
                                                type("numRate", "10"),
                                                type("numExtra", "1000"),
                                                click("cmdCalculate"),
                                                shows("numRepayment", "4825.11"),
                                                shows("numTotInterest", "658025.97"),
                                                shows("numTotRepayments", "1158025.97"),
                                                shows("numExtra", "1007.40"),
                                                shows("numXPeriod", "151"),
                                                shows("numXRepayment", "5832.51"),
                                                shows("numXTotInterest", "380708.74"),
                                                shows("numXTotRepayments", "880708.74"),
                                                shows("numTotSaving", "277317.23")}
                                       << plainPrint << "Loan Buster"
                                       << QStringList{"500 000.00", "4 825.11", "658 025.97", "1 007.40",
                                                      "151",        "5 832.51", "380 708.74", "277 317.23"};
        // R 100 000 at 12 % over the six terms; the 20-year row.
        QTest::newRow("frmLoanComp") << "mnuLoansComparison"
                                     << "Loan Comparison"
                                     << Steps{type("numBondAmount", "100000"),
                                              type("numRate", "12"),
                                              click("cmdCalculate"),
                                              cell("grdComp", 0, 0, "5 yrs."),
                                              cell("grdComp", 3, 0, "20 yrs."),
                                              cell("grdComp", 3, 1, "1 101.09 "),
                                              cell("grdComp", 3, 2, "164 260.67 "),
                                              cell("grdComp", 3, 3, "264 260.67 "),
                                              cell("grdComp", 5, 0, "30 yrs.")}
                                     << plainPrint << "Loan Comparison"
                                     << QStringList{"100 000.00", "1 101.09", "164 260.67", "264 260.67"};
        // R 100 000 at 10 % from 1 March 2018 to 28 February 2019, typed into the masks.
        QTest::newRow("frmDayBal") << "mnuDailyBalance"
                                   << "Daily Balance"
                                   << Steps{type("numCapital", "100000"),    type("numRate", "10"),
                                            type("dtStartDate", "01032018"), type("dtEndDate", "28022019"),
                                            click("cmdCalculate"),           shows("numDays", "364"),
                                            shows("numInterest", "9972.60")}
                                   << plainPrint << "Daily Balance Calculation"
                                   << QStringList{"01/03/2018", "28/02/2019", "364", "9 972.60", "100 000.00"};
    }

    void everyCalculator()
    {
        QFETCH(QString, menu);
        QFETCH(QString, caption);
        QFETCH(Steps, calculation);
        QFETCH(Steps, printing);
        QFETCH(QString, previewTitle);
        QFETCH(QStringList, printed);
        QVERIFY2(main_ && main_->isVisible(), "the main window did not start");
        const QString kind = QString::fromLatin1(QTest::currentDataTag());
        const QString stem = QStringLiteral("%1-%2").arg(++shotNumber_, 2, 10, QLatin1Char('0')).arg(kind);

        // The menu entry, as a click on it would.
        auto* action = main_->findChild<QAction*>(menu);
        QVERIFY2(action && action->isEnabled(), qPrintable(menu));
        action->trigger();
        ChildWindow* window = main_->openedWindow(kind);
        QVERIFY2(window, qPrintable(kind + QStringLiteral(" did not open")));
        QCOMPARE(main_->mdiArea()->activeSubWindow()->widget(), window);
        QCOMPARE(window->windowTitle(), caption);
        checkNothingAsked();

        for (const Step& step : calculation) {
            perform(window, step);
            if (QTest::currentTestFailed())
                return;
        }
        checkNothingAsked();
        auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget());
        QVERIFY(frame);
        grabMain(stem + QStringLiteral("-main.png"));
        QVERIFY(frame->grab().save(shot(stem + QStringLiteral("-window.png"))));

        QWidget* previewBefore = main_->reportEngine()->lastPreview();
        for (const Step& step : printing) {
            perform(window, step);
            if (QTest::currentTestFailed())
                return;
        }
        checkNothingAsked();
        QWidget* preview = main_->reportEngine()->lastPreview();
        QVERIFY2(preview && preview != previewBefore && preview->isVisible(), "no preview window opened");
        QCOMPARE(preview->windowTitle(), previewTitle);

        // The suitcase button, answered with a file in the screenshot folder.
        auto* exportButton = preview->findChild<QToolButton*>(QStringLiteral("cmdExport"));
        QVERIFY(exportButton && exportButton->isEnabled());
        const QString pdf = shot(stem + QStringLiteral(".pdf"));
        QFile::remove(pdf);
        {
            SaveFileAnswer answer(pdf);
            QTest::mouseClick(exportButton, Qt::LeftButton);
            QCOMPARE(answer.asked(), 1);
        }
        checkNothingAsked();
        const QStringList pages = test::pdfPageTexts(pdf);
        QVERIFY2(!pages.isEmpty(), qPrintable(pdf + QStringLiteral(" has no pages")));
        const QString text = pages.join(QLatin1Char('\n'));
        QStringList missing;
        for (const QString& expected : printed)
            if (!text.contains(expected))
                missing << expected;
        QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("%1 lacks \"%2\"; it reads:\n%3")
                                                   .arg(pdf, missing.join(QStringLiteral("\", \"")), text)));
        QVERIFY(savePdfFirstPage(pdf, shot(stem + QStringLiteral("-printout.png"))));
        preview->close();
        checkNothingAsked();
    }

    // "&Initialise All" closes every calculator but the fortnightly window and QuickTax,
    // which keep what they show.
    void initialiseAll()
    {
        QVERIFY2(main_ && main_->isVisible(), "the main window did not start");
        QStringList open;
        for (const QString& kind : kCalculators)
            if (main_->openedWindow(kind))
                open << kind;
        QCOMPARE(open, kCalculators);

        main_->findChild<QAction*>(QStringLiteral("mnuNew"))->trigger();

        QStringList stillOpen;
        for (const QString& kind : kCalculators)
            if (main_->openedWindow(kind))
                stillOpen << kind;
        QCOMPARE(stillOpen, (QStringList{QStringLiteral("frmFortNight"), QStringLiteral("frmMerlin")}));
        perform(main_->openedWindow(QStringLiteral("frmFortNight")), shows("numTaxLiability", "1456.35"));
        perform(main_->openedWindow(QStringLiteral("frmMerlin")), shows("numTaxCommitment", "35265.00"));
        grabMain(QStringLiteral("%1-initialise-all.png").arg(++shotNumber_, 2, 10, QLatin1Char('0')));
        checkNothingAsked();
    }

    void exitEndsTheProgram()
    {
        QVERIFY2(main_ && main_->isVisible(), "the main window did not start");
        main_->findChild<QAction*>(QStringLiteral("mnuExit"))->trigger();
        QVERIFY(!main_->isVisible());
        QVERIFY(main_->mdiArea()->subWindowList().isEmpty());
        checkNothingAsked();
    }
};

KESTREL_TEST_MAIN(TestWalkthrough)
#include "test_walkthrough.moc"
