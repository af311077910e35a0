// The report engine: template errors, value formats, the layout of a statement, a long
// grid and per-row blocks (against reference text), the preview with its export, and the
// failures that PrintReport reports without ending anything.
#include "reports/reportdata.h"
#include "reports/reportengine.h"
#include "reports/reportlayout.h"
#include "reports/reportpainter.h"
#include "reports/reportpreview.h"
#include "reports/reportstore.h"
#include "reports/reporttemplate.h"
#include "reports/tests/reportfixture.h"
#include "tests/support/testsupport.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPdfDocument>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>

using namespace kestrel;
using namespace kestrel::report;
using namespace kestrel::test;

namespace {

const QDate kPrintDate(2018, 3, 31);

void writeStatement(const QString& employee, double salary, double bonus, const QString& remark)
{
    ReportStore store(session().ReportDbPath);
    Recordset rs = store.OpenRecordset(QStringLiteral("Statement"));
    rs.Edit();
    rs.setField(QStringLiteral("Title"), QStringLiteral("Monthly Check"));
    rs.setField(QStringLiteral("Employee"), employee);
    rs.setField(QStringLiteral("Age"), 40);
    rs.setField(QStringLiteral("Salary"), salary);
    rs.setField(QStringLiteral("Bonus"), bonus);
    rs.setField(QStringLiteral("Rate"), 12.1);
    rs.setField(QStringLiteral("StartDay"), 43160);
    rs.setField(QStringLiteral("Remark"), remark);
    rs.setField(QStringLiteral("TAXCOM4/2"), 2938.75);
    rs.Update();
    rs.Close();
    QVERIFY2(store.Close(), qPrintable(store.errorText()));
}

void writeSchedule(int months)
{
    ReportStore store(session().ReportDbPath);
    Recordset loans = store.OpenRecordset(QStringLiteral("Loans"));
    loans.Edit();
    loans.setField(QStringLiteral("Heading"), QStringLiteral("Monthly repayment"));
    loans.setField(QStringLiteral("Num1"), 500000.0);
    loans.setField(QStringLiteral("YearMon"), QStringLiteral("Month"));
    loans.Update();
    loans.Close();
    store.Execute(QStringLiteral("DELETE * FROM Amort "));
    Recordset amort = store.OpenRecordset(QStringLiteral("Amort"));
    double balance = 500000;
    for (int i = 1; i <= months; ++i) {
        const double capital = 500000.0 / months;
        balance -= capital;
        amort.AddNew();
        amort.setField(QStringLiteral("Year"), i);
        amort.setField(QStringLiteral("Capital"), capital);
        amort.setField(QStringLiteral("Interest"), balance * 0.01);
        amort.setField(QStringLiteral("Required"), std::abs(balance));
        amort.Update();
    }
    amort.Close();
    QVERIFY2(store.Close(), qPrintable(store.errorText()));
}

void writeVehicles(int count)
{
    ReportStore store(session().ReportDbPath);
    store.Execute(QStringLiteral("DELETE *FROM compcar"));
    Recordset rs = store.OpenRecordset(QStringLiteral("compcar"));
    for (int i = 1; i <= count; ++i) {
        rs.AddNew();
        rs.setField(QStringLiteral("CarNum"), i);
        rs.setField(QStringLiteral("CCRegNumber"), QStringLiteral("CA %1-000").arg(i));
        rs.setField(QStringLiteral("CCMake"), QStringLiteral("Make %1").arg(i));
        rs.setField(QStringLiteral("CCPrice"), 250000.0 + i);
        rs.setField(QStringLiteral("MonFB80"), 2000.0 + i);
        rs.Update();
    }
    rs.Close();
    QVERIFY2(store.Close(), qPrintable(store.errorText()));
}

// Parses and lays out a template of the test folder, as the engine does.
std::optional<ReportLayout> layoutOf(const ReportTestFolder& folder, const QString& stem)
{
    QString error;
    const auto parsed = parseTemplate(readTextFile(folder.file(stem + QStringLiteral(".rpt"))), &error);
    if (!parsed) {
        qWarning("%s", qPrintable(error));
        return std::nullopt;
    }
    const auto data = loadReportData(folder.databasePath(), *parsed, &error);
    if (!data) {
        qWarning("%s", qPrintable(error));
        return std::nullopt;
    }
    LayoutContext context;
    context.printDate = kPrintDate;
    return layoutReport(*parsed, *data, context);
}

// Compares with the checked-in reference; KESTREL_UPDATE_REFERENCE=1 rewrites it.
void compareWithReference(const QString& actual, const QString& name)
{
    const QString path = QDir(QStringLiteral(KESTREL_REPORTS_TEST_REFERENCE)).filePath(name);
    if (qEnvironmentVariableIntValue("KESTREL_UPDATE_REFERENCE") == 1) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(actual.toUtf8());
        return;
    }
    const QString expected = readTextFile(path);
    QVERIFY2(!expected.isEmpty(), qPrintable(QStringLiteral("no reference file %1").arg(path)));
    const QStringList a = actual.split(QLatin1Char('\n'));
    const QStringList e = expected.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < std::min(a.size(), e.size()); ++i)
        QCOMPARE(a[i], e[i]);
    QCOMPARE(a.size(), e.size());
}

// What the pages look like: KESTREL_SNAPSHOT_DIR=folder writes them there as PNG.
void snapshot(const QString& name)
{
    const QString folder = qEnvironmentVariable("KESTREL_SNAPSHOT_DIR");
    if (!folder.isEmpty())
        saveLastReportPngs(folder, name, 70);
}

void snapshot(const ReportLayout& layout, const QString& name)
{
    const QString folder = qEnvironmentVariable("KESTREL_SNAPSHOT_DIR");
    for (int i = 0; !folder.isEmpty() && i < layout.pages.size(); ++i)
        renderPage(layout, i, 70).save(QDir(folder).filePath(QStringLiteral("%1-%2.png").arg(name).arg(i + 1)));
}

}  // namespace

class TestReportEngine : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void templateErrorsNameTheLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("error");
        QTest::newRow("unknown-statement") << "table T\ntitle \"x\"\nparagraph \"y\""
                                           << "line 3: unknown statement 'paragraph'";
        QTest::newRow("unclosed-quote") << "title \"x"
                                        << "line 1: the text \"x has no closing quote";
        QTest::newRow("unclosed-brace") << "\n\ntitle \"{Sal\""
                                        << "line 3: a '{' without its closing '}'";
        QTest::newRow("unknown-format") << "row \"a\" \"{Sal:euro}\""
                                        << "line 1: unknown format 'euro'";
        QTest::newRow("unknown-builtin") << "footer \"{@time}\""
                                         << "line 1: unknown built-in value {@time}";
        QTest::newRow("if-not-closed") << "# c\nif {A}\nrow \"a\""
                                       << "line 2: 'if' is never closed";
        QTest::newRow("end-closes-if") << "if {A}\nend"
                                       << "line 2: 'end' cannot close the 'if' of line 1";
        QTest::newRow("endif-alone") << "endif"
                                     << "line 1: 'endif' without a block";
        QTest::newRow("column-outside") << "column \"a\" \"b\""
                                        << "line 1: 'column' belongs inside 'grid'";
        QTest::newRow("row-in-grid") << "grid Amort\nrow \"a\"\nend"
                                     << "line 2: only 'column' lines";
        QTest::newRow("grid-without-columns") << "grid Amort\nend"
                                              << "line 1: 'grid' needs at least one 'column'";
        QTest::newRow("grid-in-each") << "each compcar\ngrid Amort\ncolumn \"a\" \"b\"\nend\nend"
                                      << "line 2: 'grid' cannot stand inside";
        QTest::newRow("bad-width") << "grid Amort\ncolumn \"a\" \"b\" 140\nend"
                                   << "line 2: the column width '140'";
        QTest::newRow("unquoted-text") << "row {Sal}"
                                       << "line 1: 'row' takes texts in double quotes";
        QTest::newRow("title-two-texts") << "title \"a\" \"b\""
                                         << "line 1: 'title' takes 1 text(s)";
        QTest::newRow("table-twice") << "table A\ntable B"
                                     << "line 2: 'table' was already given on line 1";
        QTest::newRow("bad-orientation") << "page sideways"
                                         << "line 1: 'page' takes 'portrait' or 'landscape'";
    }

    void templateErrorsNameTheLine()
    {
        QFETCH(QString, text);
        QFETCH(QString, error);
        QString actual;
        QVERIFY(!parseTemplate(text, &actual));
        QVERIFY2(actual.startsWith(error), qPrintable(actual));
    }

    void valuesAreFormatted_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plain-double") << QVariant(250000.0) << int(FieldType::Double) << ""
                                      << "250000";
        QTest::newRow("plain-fraction") << QVariant(0.8) << int(FieldType::Double) << ""
                                        << "0.8";
        QTest::newRow("plain-single") << QVariant(double(12.1f)) << int(FieldType::Single) << ""
                                      << "12.1";
        QTest::newRow("plain-integer") << QVariant(qlonglong(40)) << int(FieldType::SmallInt) << ""
                                       << "40";
        QTest::newRow("money") << QVariant(1234567.885) << int(FieldType::Double) << "money"
                               << "1 234 567.88";
        QTest::newRow("money-negative") << QVariant(-1000.0) << int(FieldType::Double) << "money"
                                        << "-1 000.00";
        QTest::newRow("money-half-even") << QVariant(0.125) << int(FieldType::Double) << "money"
                                         << "0.12";
        QTest::newRow("money0") << QVariant(1234567.5) << int(FieldType::Double) << "money0"
                                << "1 234 568";
        QTest::newRow("fixed3") << QVariant(27.5) << int(FieldType::Double) << "fixed3"
                                << "27.500";
        QTest::newRow("int") << QVariant(2.5) << int(FieldType::Double) << "int"
                             << "2";
        QTest::newRow("date") << QVariant(qlonglong(43160)) << int(FieldType::Integer) << "date"
                              << "01/03/2018";
        QTest::newRow("text-number-money") << QVariant("1500") << int(FieldType::Text) << "money"
                                           << "1 500.00";
        QTest::newRow("text-date-kept") << QVariant("15/03/2018") << int(FieldType::Text) << "date"
                                        << "15/03/2018";
        QTest::newRow("null") << QVariant() << int(FieldType::Double) << "money"
                              << "";
        QTest::newRow("infinite") << QVariant(qInf()) << int(FieldType::Double) << "money"
                                  << "Overflow";
    }

    void valuesAreFormatted()
    {
        QFETCH(QVariant, value);
        QFETCH(int, type);
        QFETCH(QString, format);
        QFETCH(QString, shown);
        QString error;
        const auto parsed = parseTemplate(
            QStringLiteral("text \"{X%1}\"").arg(format.isEmpty() ? QString() : QLatin1Char(':') + format), &error);
        QVERIFY2(parsed, qPrintable(error));
        const ValueFormat f = parsed->body.first().texts.first().parts.first().format;
        QCOMPARE(formatValue(value, static_cast<FieldType>(type), f), shown);
    }

    void statementLayoutMatchesItsReference()
    {
        ReportTestFolder folder;
        writeStatement(QStringLiteral("Thandiwe Nkosi"), 25000.5, 0, QStringLiteral("special"));
        const auto layout = layoutOf(folder, QStringLiteral("statement"));
        QVERIFY(layout);
        compareWithReference(referenceText(*layout), QStringLiteral("statement.txt"));
    }

    void gridLayoutMatchesItsReference()
    {
        ReportTestFolder folder;
        writeSchedule(60);
        const auto layout = layoutOf(folder, QStringLiteral("schedule"));
        QVERIFY(layout);
        compareWithReference(referenceText(*layout), QStringLiteral("schedule-60.txt"));
    }

    void conditionsChooseTheRows_data()
    {
        QTest::addColumn<double>("bonus");
        QTest::addColumn<QString>("remark");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QStringList>("hidden");
        QTest::newRow("bonus") << 500.0 << "" << QStringList{"Bonus  500.00", "No remark."}
                               << QStringList{"No bonus this period", "A special remark"};
        QTest::newRow("no-bonus") << 0.0 << "other" << QStringList{"No bonus this period"}
                                  << QStringList{"Bonus ", "No remark.", "A special remark"};
        QTest::newRow("special") << 0.0 << "special"
                                 << QStringList{"A special remark: {literal braces} and the rate 12.100 per cent."}
                                 << QStringList{"No remark."};
    }

    void conditionsChooseTheRows()
    {
        QFETCH(double, bonus);
        QFETCH(QString, remark);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, hidden);
        ReportTestFolder folder;
        writeStatement(QStringLiteral("A"), 1000, bonus, remark);
        const auto layout = layoutOf(folder, QStringLiteral("statement"));
        QVERIFY(layout);
        const QString text = pageTexts(*layout).join(QLatin1Char('\n'));
        for (const QString& s : shown)
            QVERIFY2(text.contains(s), qPrintable(s + QStringLiteral(" missing in\n") + text));
        for (const QString& s : hidden)
            QVERIFY2(!text.contains(s), qPrintable(s));
    }

    void aLongScheduleRunsOverPagesWithItsHeader()
    {
        ReportTestFolder folder;
        writeSchedule(600);
        const auto layout = layoutOf(folder, QStringLiteral("schedule"));
        QVERIFY(layout);
        const QStringList pages = pageTexts(*layout);
        QVERIFY2(pages.size() >= 10, qPrintable(QString::number(pages.size())));
        int expectedMonth = 1;
        for (int p = 0; p < pages.size(); ++p) {
            const QString& page = pages[p];
            QVERIFY2(page.contains(QLatin1String("Month  Capital payment  Interest payment  Balance")),
                     qPrintable(page));
            QVERIFY(page.contains(QStringLiteral("Page %1 of %2").arg(p + 1).arg(pages.size())));
            QVERIFY(page.contains(QStringLiteral("Page %1 of the schedule").arg(p + 1)));
            // Every month once, in order, never cut between pages.
            for (const QString& line : page.split(QLatin1Char('\n'))) {
                const QStringList cells = line.split(QStringLiteral("  "));
                if (cells.size() == 4 && cells[0] == QString::number(expectedMonth))
                    ++expectedMonth;
            }
        }
        QCOMPARE(expectedMonth, 601);
        // Every row stays inside the body of its page.
        for (const LayoutPage& page : layout->pages)
            for (const LayoutItem& item : page.items)
                QVERIFY(item.box.bottom() <= layout->pageSize.height() - 40);
    }

    void eachBlockStaysOnOnePage()
    {
        ReportTestFolder folder;
        writeVehicles(25);
        const auto layout = layoutOf(folder, QStringLiteral("vehicles"));
        QVERIFY(layout);
        QVERIFY(layout->pages.size() > 1);
        snapshot(*layout, QStringLiteral("vehicles"));
        // The heading of each vehicle and its last row are on the same page.
        for (int car = 1; car <= 25; ++car) {
            int headingPage = -1, lastRowPage = -2;
            for (int p = 0; p < layout->pages.size(); ++p) {
                for (const LayoutItem& item : layout->pages[p].items) {
                    if (item.text == QStringLiteral("Vehicle %1: CA %1-000").arg(car))
                        headingPage = p;
                    if (item.text == QStringLiteral("%1.00").arg(2000 + car).insert(1, QLatin1Char(' ')))
                        lastRowPage = p;
                }
            }
            QCOMPARE(lastRowPage, headingPage);
        }
    }

    void previewShowsTheTitleAndExportsPdf()
    {
        ReportTestFolder folder;
        MessageRecorder messages;
        writeStatement(QStringLiteral("Thandiwe Nkosi"), 25000.5, 1200, QString());
        const QString title = QStringLiteral("Monthly - To export printout click on the suitcase button or goto Help");
        QVERIFY(PrintReport(QStringLiteral("statement"), title, 0));
        auto* preview = qobject_cast<ReportPreview*>(mainReportEngine().lastPreview());
        QVERIFY(preview);
        QVERIFY(preview->isVisible());
        QCOMPARE(preview->windowTitle(), title);
        QCOMPARE(preview->pageCount(), 1);

        const QString pdf = folder.file(QStringLiteral("exported.pdf"));
        SaveFileAnswer answer(folder.file(QStringLiteral("exported")));  // the suffix is added
        preview->findChild<QToolButton*>(QStringLiteral("cmdExport"))->click();
        QCOMPARE(answer.asked(), 1);
        const QStringList pages = pdfPageTexts(pdf);
        QCOMPARE(pages.size(), 1);
        for (const char* expected : {"Monthly Check", "For : Thandiwe Nkosi", "25 000.50", "1 200.00", "2 938.75",
                                     "01/03/2018", "(E.& O.E.)", "Page 1 of 1", "Kestrel 2019"})
            QVERIFY2(pages[0].contains(QLatin1String(expected)), expected);
        QVERIFY(messages.isEmpty());
        snapshot(QStringLiteral("statement"));
        preview->close();
    }

    void valuesPrintLiterally()
    {
        ReportTestFolder folder;
        const QString name = QStringLiteral("<b>{{Salary}}</b> {Age} \\\"x\\\" &amp;");
        writeStatement(name, 1, 0, QString());
        QVERIFY(PrintReport(QStringLiteral("statement"), std::nullopt, 0));
        const QStringList pages = lastReportPdfTexts();
        QCOMPARE(pages.size(), 1);
        QVERIFY2(pages[0].contains(QStringLiteral("For : ") + name), qPrintable(pages[0]));
        QVERIFY(pages[0].contains(QStringLiteral("Statement for ") + name));
        mainReportEngine().lastPreview()->close();
    }

    void theEngineKeepsItsLastTitle()
    {
        ReportTestFolder folder;
        writeStatement(QStringLiteral("A"), 1, 0, QString());
        QVERIFY(PrintReport(QStringLiteral("statement"), QStringLiteral("First title"), 0));
        QVERIFY(PrintReport(QStringLiteral("statement"), std::nullopt, 0));
        QCOMPARE(mainReportEngine().lastPreview()->windowTitle(), QStringLiteral("First title"));
        mainReportEngine().lastPreview()->close();
    }

    void longLabelsWrapAndValuesKeepTheirColumns()
    {
        ReportTestFolder folder;
        writeStatement(QStringLiteral("A"), 1500, 250, QString());
        folder.writeTemplate(QStringLiteral("package"),
                             QStringLiteral("table Statement\n"
                                            "title \"Kestrel Salary Package Calculation : Monthly\"\n"
                                            "heading \"Package\"\n"
                                            "columns \"\" \"Employee\" \"Cost to company\"\n"
                                            "row \"A label long enough to need two or even three lines in the label "
                                            "column of a statement with two value columns\" \"{Salary:money}\" "
                                            "\"{Bonus:money}\"\n"
                                            "row \"Medical beneficiaries\" \"{Age:int}\"\n"
                                            "row \"{Remark}\" \"\"\n"
                                            "keep\nheading \"Totals\"\ntotal \"Total cost to company R\" \"\" "
                                            "\"{Salary:money}\"\nend\n"));
        QVERIFY(PrintReport(QStringLiteral("package"), std::nullopt, 0));
        const ReportLayout* layout = mainReportEngine().lastLayout();
        QVERIFY(layout);
        snapshot(QStringLiteral("package"));
        QList<const LayoutItem*> labelLines;
        QList<const LayoutItem*> values;
        for (const LayoutItem& item : layout->pages.first().items) {
            if (item.kind != LayoutItem::Kind::Text || item.style != TextStyle::Body)
                continue;
            if (item.align & Qt::AlignRight)
                values << &item;
            else if (item.box.top() < 200)
                labelLines << &item;
        }
        QVERIFY2(labelLines.size() >= 3, "the long label wraps");  // two or more lines, and the next label
        QCOMPARE(values.size(), 3);                                // the empty row is left out
        const double right = layout->pageSize.width() - 56.69;
        QCOMPARE(qRound(values[0]->box.right()), qRound(right - 98));  // Employee column
        QCOMPARE(qRound(values[1]->box.right()), qRound(right));       // Cost to company column
        QCOMPARE(qRound(values[2]->box.right()), qRound(right - 98));  // the single value under Employee
        for (const LayoutItem* line : labelLines)
            QVERIFY(line->box.right() <= values[0]->box.left());
        mainReportEngine().lastPreview()->close();
    }

    void thePreviewBelongsToTheEnginesWindow()
    {
        ReportTestFolder folder;
        writeStatement(QStringLiteral("A"), 1, 0, QString());
        auto* owner = new QWidget;
        auto* engine = new ReportEngine(owner);
        engine->ReportFileName = folder.file(QStringLiteral("statement.rpt"));
        engine->WindowTitle = QStringLiteral("Owned");
        QVERIFY2(engine->run(), qPrintable(engine->errorText()));
        QPointer<QWidget> preview = engine->lastPreview();
        QVERIFY(preview);
        QVERIFY(preview->isWindow());
        QCOMPARE(preview->parentWidget(), owner);
        delete owner;  // the main window goes, and with it the engine and its previews
        QVERIFY(preview.isNull());
    }

    void theEngineReadsTheDataFolder()
    {
        // An installed program keeps the templates in the application folder and the
        // databases in the user's data folder; the engine reads what the store wrote there.
        ReportTestFolder folder;
        QTemporaryDir data;
        QVERIFY(QFile::copy(folder.databasePath(), data.filePath(QStringLiteral("Zidazura.mdb"))));
        setDataFolder(data.path());
        session().ReportDbPath = data.filePath(QStringLiteral("Zidazura.mdb"));
        writeStatement(QStringLiteral("In the data folder"), 1, 0, QString());
        const bool printed = PrintReport(QStringLiteral("statement"), std::nullopt, 0);
        setDataFolder(QString());
        QVERIFY(printed);
        QVERIFY(pageTexts(*mainReportEngine().lastLayout()).first().contains(QLatin1String("In the data folder")));
        mainReportEngine().lastPreview()->close();
    }

    void aPrinterChosenInPrinterSetupIsUsed()
    {
        ReportTestFolder folder;
        writeStatement(QStringLiteral("A"), 1, 0, QString());
        ReportEngine engine;
        engine.setProperty("printerName", QStringLiteral("Kestrel No Such Printer"));  // as Printer Setup sets it
        QCOMPARE(engine.PrinterName, QStringLiteral("Kestrel No Such Printer"));
        engine.ReportFileName = folder.file(QStringLiteral("statement.rpt"));
        engine.Destination = 1;
        QVERIFY(!engine.run());
        QVERIFY2(engine.errorText().contains(QLatin1String("\"Kestrel No Such Printer\" is not installed")),
                 qPrintable(engine.errorText()));
    }

    void landscapeReportsAreWide()
    {
        ReportTestFolder folder;
        writeSchedule(3);
        folder.writeTemplate(
            QStringLiteral("wide"),
            QStringLiteral("page landscape\ntable Loans\ntitle \"{Heading}\"\n"
                           "grid Amort\ncolumn \"Year\" \"{Year}\"\nend\nfooter \"{@page}/{@pages}\""));
        QVERIFY(PrintReport(QStringLiteral("wide"), std::nullopt, 0));
        const QString pdf = folder.file(QStringLiteral("wide.pdf"));
        QVERIFY(mainReportEngine().exportPdf(pdf));
        QPdfDocument document;
        QCOMPARE(document.load(pdf), QPdfDocument::Error::None);
        QCOMPARE(document.pagePointSize(0).toSize(), QSize(842, 595));
        QVERIFY(document.getAllText(0).text().contains(QLatin1String("1/1")));
        mainReportEngine().lastPreview()->close();
    }

    void previewPagesAndZooms()
    {
        ReportTestFolder folder;
        writeSchedule(600);
        QVERIFY(PrintReport(QStringLiteral("schedule"), QStringLiteral("Schedule"), 0));
        auto* preview = qobject_cast<ReportPreview*>(mainReportEngine().lastPreview());
        QVERIFY(preview);
        QCOMPARE(preview->pageIndex(), 0);
        preview->findChild<QToolButton*>(QStringLiteral("cmdNextPage"))->click();
        QCOMPARE(preview->pageIndex(), 1);
        preview->findChild<QToolButton*>(QStringLiteral("cmdLastPage"))->click();
        QCOMPARE(preview->pageIndex(), preview->pageCount() - 1);
        QVERIFY(!preview->findChild<QToolButton*>(QStringLiteral("cmdNextPage"))->isEnabled());
        preview->findChild<QToolButton*>(QStringLiteral("cmdZoomIn"))->click();
        const double zoomed = preview->zoomFactor();
        preview->findChild<QToolButton*>(QStringLiteral("cmdZoomOut"))->click();
        QVERIFY(preview->zoomFactor() < zoomed);
        // Fit width follows the window: the page fills the view without a sideways scroll.
        preview->findChild<QComboBox*>(QStringLiteral("cboZoom"))->setCurrentIndex(0);
        preview->resize(700, 600);
        QTest::qWait(50);
        const auto* view = preview->findChild<QScrollArea*>(QStringLiteral("scrPages"));
        QVERIFY(view->horizontalScrollBar()->maximum() == 0);
        QVERIFY(preview->findChild<QLabel*>(QStringLiteral("lblPageImage"))->width() > view->viewport()->width() - 60);
        const QString folderForPictures = qEnvironmentVariable("KESTREL_SNAPSHOT_DIR");
        if (!folderForPictures.isEmpty()) {
            preview->resize(820, 900);
            preview->findChild<QComboBox*>(QStringLiteral("cboZoom"))->setCurrentIndex(0);  // fit width
            preview->findChild<QToolButton*>(QStringLiteral("cmdFirstPage"))->click();
            QTest::qWait(50);
            preview->grab().save(QDir(folderForPictures).filePath(QStringLiteral("preview-window.png")));
            snapshot(QStringLiteral("schedule"));
        }
        preview->close();
    }

    void failuresAreReportedAndTheProgramCarriesOn_data()
    {
        QTest::addColumn<QString>("stem");
        QTest::addColumn<QString>("templateText");  // written as the stem's template when not empty
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("error");
        QTest::newRow("missing-template") << "nosuch"
                                          << ""
                                          << ""
                                          << "nosuch.rpt could not be found";
        QTest::newRow("template-error") << "broken"
                                        << "table Statement\n\nrow \"{Salary:euro}\""
                                        << ""
                                        << "broken.rpt, line 3: unknown format 'euro'";
        QTest::newRow("unknown-field") << "field"
                                       << "table Statement\nrow \"{Salaryy}\""
                                       << ""
                                       << "field.rpt, line 2: the table Statement has no field 'Salaryy'";
        QTest::newRow("unknown-row-field") << "rowfield"
                                           << "table Loans\neach Amort\nrow \"{Nope}\"\nend"
                                           << ""
                                           << "line 3: neither the table Amort nor the table Loans has a field 'Nope'";
        QTest::newRow("missing-table") << "notable"
                                       << "table IRP5Mon\ntitle \"x\""
                                       << ""
                                       << "line 1: the report-data database Zidazura.mdb has no table 'IRP5Mon'";
        QTest::newRow("empty-record") << "empty"
                                      << "table Emptied\nrow \"{Value}\""
                                      << ""
                                      << "No current record: the table Emptied";
        QTest::newRow("missing-database") << "statement"
                                          << ""
                                          << "remove"
                                          << "could not be opened";
        QTest::newRow("locked-database") << "statement"
                                         << ""
                                         << "lock"
                                         << "in use by another program";
        QTest::newRow("bad-destination") << "statement"
                                         << ""
                                         << "destination"
                                         << "destination 7 is not known";
    }

    void failuresAreReportedAndTheProgramCarriesOn()
    {
        QFETCH(QString, stem);
        QFETCH(QString, templateText);
        QFETCH(QString, damage);
        QFETCH(QString, error);
        ReportTestFolder folder;
        writeStatement(QStringLiteral("A"), 1, 0, QString());
        if (!templateText.isEmpty())
            folder.writeTemplate(stem, templateText);
        QSqlDatabase holder;
        std::unique_ptr<QSqlQuery> lock;
        if (damage == QLatin1String("remove")) {
            QFile::remove(folder.databasePath());
        } else if (damage == QLatin1String("lock")) {
            holder = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
            holder.setDatabaseName(folder.databasePath());
            QVERIFY(holder.open());
            lock = std::make_unique<QSqlQuery>(holder);
            QVERIFY(lock->exec(QStringLiteral("BEGIN EXCLUSIVE")));
        }
        MessageRecorder messages;
        QWidget* previewBefore = mainReportEngine().lastPreview();
        const bool printed = PrintReport(stem, QStringLiteral("Title"), damage == QLatin1String("destination") ? 7 : 0);
        if (lock) {
            lock->exec(QStringLiteral("ROLLBACK"));
            lock.reset();
            holder.close();
            holder = QSqlDatabase();
            QSqlDatabase::removeDatabase(QStringLiteral("holder"));
        }
        QVERIFY(!printed);
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.last().caption, QStringLiteral("KS2019"));
        QCOMPARE(messages.last().icon, MessageIcon::Critical);
        QVERIFY2(messages.last().text.contains(error), qPrintable(messages.last().text));
        QCOMPARE(mainReportEngine().errorText(), messages.last().text);
        QCOMPARE(mainReportEngine().lastPreview(), previewBefore);
    }
};

KESTREL_TEST_MAIN(TestReportEngine)
#include "test_reportengine.moc"
