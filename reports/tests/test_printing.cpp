// "P&rint directly to printer": a print through PrintReport(..., 1) reaches a real print
// queue (scripts/print-queue.sh start sets up one that writes a PDF file), and with no
// printer installed the user is told so and nothing is lost.
#include "reports/reportengine.h"
#include "reports/reportpreview.h"
#include "reports/reportstore.h"
#include "reports/tests/reportfixture.h"
#include "tests/support/testsupport.h"

#include <QDateTime>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QProcess>
#include <QThread>
#include <QToolButton>

using namespace kestrel;
using namespace kestrel::test;

namespace {

void writeStatement(const QString& employee)
{
    ReportStore store(session().ReportDbPath);
    Recordset rs = store.OpenRecordset(QStringLiteral("Statement"));
    rs.Edit();
    rs.setField(QStringLiteral("Title"), QStringLiteral("Weekly Check"));
    rs.setField(QStringLiteral("Employee"), employee);
    rs.setField(QStringLiteral("Age"), 51);
    rs.setField(QStringLiteral("Salary"), 8765.43);
    rs.setField(QStringLiteral("TAXCOM4/2"), 1234.56);
    rs.Update();
    rs.Close();
    QVERIFY2(store.Close(), qPrintable(store.errorText()));
}

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(10000))
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The file that a file: queue writes its jobs to, or empty.
QString outputFileOf(const QString& queue)
{
    // "device for KestrelPDF: file:///var/tmp/kestrel-print/printed.pdf"
    const QString line = run(QStringLiteral("lpstat"), {QStringLiteral("-v"), queue}).trimmed();
    const qsizetype colon = line.indexOf(QStringLiteral(": "));
    if (colon < 0)
        return QString();
    QString uri = line.mid(colon + 2).trimmed();
    if (uri.startsWith(QLatin1String("file:")))
        uri = uri.mid(5);
    if (!uri.startsWith(QLatin1Char('/')))
        return QString();
    while (uri.startsWith(QLatin1String("//")))
        uri.remove(0, 1);
    return uri;
}

}  // namespace

class TestPrinting : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void directPrintReachesTheQueue()
    {
        const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
        if (printer.isNull())
            QSKIP("No print queue is running here; scripts/print-queue.sh start sets one up (as root).");
        const QString output = outputFileOf(printer.printerName());
        if (output.isEmpty())
            QSKIP("The default printer does not write its jobs to a file; scripts/print-queue.sh start sets one up.");

        ReportTestFolder folder;
        MessageRecorder messages;
        // A name of this run only, so that the job found in the file is this one.
        const QString employee = QStringLiteral("Sipho Dlamini %1").arg(QDateTime::currentMSecsSinceEpoch() % 1000000);
        writeStatement(employee);
        QVERIFY(PrintReport(QStringLiteral("statement"), std::nullopt, 1));
        QVERIFY2(messages.isEmpty(), messages.isEmpty() ? "" : qPrintable(messages.last().text));

        // The job is queued when the call returns; wait until the queue has written it.
        QStringList pages;
        for (int i = 0; i < 600; ++i) {
            QThread::msleep(100);
            if (!run(QStringLiteral("lpstat"), {QStringLiteral("-o"), printer.printerName()}).trimmed().isEmpty())
                continue;
            pages = pdfPageTexts(output);
            if (!pages.isEmpty() && pages[0].contains(employee))
                break;
        }
        QCOMPARE(pages.size(), 1);
        for (const QString& expected :
             {QStringLiteral("Weekly Check"), QStringLiteral("For : ") + employee, QStringLiteral("8 765.43"),
              QStringLiteral("1 234.56"), QStringLiteral("Page 1 of 1")})
            QVERIFY2(pages[0].contains(expected), qPrintable(expected + QStringLiteral(" not in:\n") + pages[0]));
    }

    // The child of the next test, run where no print server can be reached.
    void noPrinterChild()
    {
        if (qEnvironmentVariableIntValue("KESTREL_NO_PRINTER_CHILD") != 1)
            QSKIP("runs only as the child process of noPrinterInstalledIsReported");
        QVERIFY(QPrinterInfo::defaultPrinter().isNull());
        ReportTestFolder folder;
        MessageRecorder messages;
        writeStatement(QStringLiteral("Lerato Mokoena"));
        QVERIFY(!PrintReport(QStringLiteral("statement"), std::nullopt, 1));
        QCOMPARE(messages.count(), 1);
        QVERIFY2(messages.last().text.contains(QLatin1String("No printer is installed")),
                 qPrintable(messages.last().text));
        QCOMPARE(messages.last().icon, MessageIcon::Critical);
        // Nothing is lost: the record is there and the report can still be viewed.
        QCOMPARE(readReportRecord(QStringLiteral("Statement")).value(QStringLiteral("Employee")).toString(),
                 QStringLiteral("Lerato Mokoena"));
        QVERIFY(PrintReport(QStringLiteral("statement"), QStringLiteral("Preview"), 0));
        auto* preview = qobject_cast<ReportPreview*>(mainReportEngine().lastPreview());
        QVERIFY(preview);
        preview->findChild<QToolButton*>(QStringLiteral("cmdPrint"))->click();
        QCOMPARE(messages.count(), 2);
        QVERIFY(messages.last().text.contains(QLatin1String("No printer is installed")));
        QVERIFY(preview->isVisible());
        QVERIFY(preview->statusText().contains(QLatin1String("No printer is installed")));
    }

    void noPrinterInstalledIsReported()
    {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("KESTREL_NO_PRINTER_CHILD"), QStringLiteral("1"));
        // A print server that is not there: no printer can be found.
        environment.insert(QStringLiteral("CUPS_SERVER"), QStringLiteral("/nonexistent/kestrel-no-cups.sock"));
        environment.remove(QStringLiteral("PRINTER"));
        environment.remove(QStringLiteral("LPDEST"));
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("noPrinterChild")});
        QVERIFY(child.waitForFinished(60000));
        const QString output = QString::fromUtf8(child.readAll());
        QVERIFY2(child.exitCode() == 0 && output.contains(QLatin1String("PASS   : TestPrinting::noPrinterChild()")),
                 qPrintable(output));
    }
};

KESTREL_TEST_MAIN(TestPrinting)
#include "test_printing.moc"
