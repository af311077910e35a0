#include "shell/mainwindow.h"

#include "common/busycursor.h"
#include "common/childwindow.h"
#include "reports/reportengine.h"
#include "shell/session.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>

namespace kestrel {

QString ProgramVersion::display() const
{
    return QStringLiteral("%1.%2.%3")
        .arg(major)
        .arg(minor, 2, 10, QLatin1Char('0'))
        .arg(revision, 3, 10, QLatin1Char('0'));
}

QString ProgramVersion::digits() const
{
    return QString::number(major) + QString::number(minor) + QString::number(revision);
}

QString MDIForm1::captionFor(const ProgramVersion& version)
{
    return QStringLiteral("Kestrel 2019 Ver: ") + version.display()
         + QStringLiteral("  Salary, PAYE and business calculators for the 2018/19 tax year");
}

MDIForm1::MDIForm1(const WindowRegistry& registry, QWidget* parent)
    : QMainWindow(parent), registry_(registry), mdi_(new QMdiArea(this)), rptMainPrint_(new ReportEngine(this))
{
    setObjectName(QStringLiteral("MDIForm1"));
    rptMainPrint_->setObjectName(QStringLiteral("rptMainPrint"));
    setMainReportEngine(rptMainPrint_);
    mdi_->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(mdi_);
    setWindowTitle(captionFor(kProgramVersion));
    connect(mdi_, &QMdiArea::subWindowActivated, this, &MDIForm1::onSubWindowActivated);
    buildMenus();
}

MDIForm1::~MDIForm1()
{
    setMainReportEngine(nullptr);
}

void MDIForm1::addEntry(QMenu* menu, const QString& name, const QString& caption, const std::function<void()>& command)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    if (command)
        connect(action, &QAction::triggered, this, command);
    actions_.insert(name, action);
}

void MDIForm1::buildMenus()
{
    QMenuBar* bar = menuBar();
    auto open = [this](const QString& kind, bool cascadeAfter) {
        return [this, kind, cascadeAfter] {
            openWindow(kind);
            if (cascadeAfter)
                cascade();
        };
    };
    auto addMenu = [&](const QString& name, const QString& caption) {
        QMenu* menu = bar->addMenu(caption);
        menu->setObjectName(name);
        menu->menuAction()->setObjectName(name);
        actions_.insert(name, menu->menuAction());
        return menu;
    };

    QMenu* file = addMenu(QStringLiteral("mnuFile"), QStringLiteral("&File"));
    addEntry(file, QStringLiteral("mnuNew"), QStringLiteral("&Initialise All"), [this] { initialiseAll(); });
    file->addSeparator()->setObjectName(QStringLiteral("Space1"));
    addEntry(file, QStringLiteral("mnuPrinterSet"), QStringLiteral("&Printer Setup"), {});
    file->addSeparator()->setObjectName(QStringLiteral("Space2"));
    addEntry(file, QStringLiteral("mnuExit"), QStringLiteral("E&xit"), [this] { close(); });

    QMenu* kestrel = addMenu(QStringLiteral("mnuKest"), QStringLiteral("&Kestrel"));
    addEntry(kestrel, QStringLiteral("mnuKestMon"), QStringLiteral("&Monthly"), open(QStringLiteral("frmKestrelMon"), true));
    addEntry(kestrel, QStringLiteral("mnuKestAnn"), QStringLiteral("&Annual"), open(QStringLiteral("frmKestrelAnn"), true));

    QMenu* osprey = addMenu(QStringLiteral("mnuOspr"), QStringLiteral("&Osprey"));
    addEntry(osprey, QStringLiteral("mnuOsprMon"), QStringLiteral("&Monthly"), open(QStringLiteral("frmOsprMon"), true));
    addEntry(osprey, QStringLiteral("mnuOsprAnn"), QStringLiteral("&Annual"), open(QStringLiteral("frmOsprAnn"), true));

    QMenu* tax = addMenu(QStringLiteral("mnuTaxCalc"), QStringLiteral("&TaxCalcs"));
    addEntry(tax, QStringLiteral("mnuAnnual"), QStringLiteral("&Annual"), open(QStringLiteral("frmAnnual"), false));
    addEntry(tax, QStringLiteral("mnuMonthly"), QStringLiteral("&Monthly"), open(QStringLiteral("frmMonthly"), false));
    addEntry(tax, QStringLiteral("mnuFortNight"), QStringLiteral("&FortNightly"), open(QStringLiteral("frmFortNight"), false));
    addEntry(tax, QStringLiteral("mnuWeekly"), QStringLiteral("&Weekly"), open(QStringLiteral("frmWeekly"), false));
    addEntry(tax, QStringLiteral("mnuDaily"), QStringLiteral("&Daily"), open(QStringLiteral("frmDaily"), false));

    QAction* quickTax = bar->addAction(QStringLiteral("QuickTax"));
    quickTax->setObjectName(QStringLiteral("QuickTax"));
    connect(quickTax, &QAction::triggered, this, open(QStringLiteral("frmMerlin"), false));
    actions_.insert(QStringLiteral("QuickTax"), quickTax);

    QMenu* cars = addMenu(QStringLiteral("mnuCarCalcs"), QStringLiteral("&Car Calculations"));
    addEntry(cars, QStringLiteral("mnuCompCar"), QStringLiteral("&Company car"), [this] {
        openWindow(QStringLiteral("frmCompCar"));
        // Only a main window in its normal state is widened (13 405 twips) and cascaded.
        if (!(windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen))) {
            resize(13405 / 15, height());
            cascade();
        }
    });
    addEntry(cars, QStringLiteral("mnuCarAll1"), QStringLiteral("Car Allowance"), open(QStringLiteral("frmCarAll1"), true));

    QMenu* business = addMenu(QStringLiteral("mnuBusinessCalcs"), QStringLiteral("Bu&siness Calculations"));
    addEntry(business, QStringLiteral("mnuInflationProject"), QStringLiteral("Inflation Projections"),
             open(QStringLiteral("frmInflation"), false));
    addEntry(business, QStringLiteral("mnuLoans"), QStringLiteral("Loans"), open(QStringLiteral("frmLoans"), false));
    addEntry(business, QStringLiteral("mnuLoansBuster"), QStringLiteral("Loan buster"),
             open(QStringLiteral("frmLoanBuster"), false));
    addEntry(business, QStringLiteral("mnuLoansComparison"), QStringLiteral("Loan comparison"),
             open(QStringLiteral("frmLoanComp"), false));
    addEntry(business, QStringLiteral("mnuDailyBalance"), QStringLiteral("Daily balance"),
             open(QStringLiteral("frmDayBal"), false));

    QAction* calculator = bar->addAction(QStringLiteral("&MS-Calculator"));
    calculator->setObjectName(QStringLiteral("mnuMSCalculator"));
    actions_.insert(QStringLiteral("mnuMSCalculator"), calculator);

    QMenu* help = addMenu(QStringLiteral("mnuHelp"), QStringLiteral("&Help/Videos"));
    addEntry(help, QStringLiteral("mnuContents"), QStringLiteral("Kestrel 2019 Help"), {});
    addEntry(help, QStringLiteral("VideoLectures1"), QStringLiteral("Video Lectures"), {});
    addEntry(help, QStringLiteral("mnuHelpSearchForHelpOn"), QStringLiteral("&Search For Help On..."), {});
    help->addSeparator()->setObjectName(QStringLiteral("Space3"));
    addEntry(help, QStringLiteral("mnuAbout"), QStringLiteral("&About Kestrel2019..."), {});

    // Entries whose window is not part of this build stay disabled.
    static const QHash<QString, QString> windowOfEntry{
        {QStringLiteral("mnuKestMon"), QStringLiteral("frmKestrelMon")},
        {QStringLiteral("mnuKestAnn"), QStringLiteral("frmKestrelAnn")},
        {QStringLiteral("mnuOsprMon"), QStringLiteral("frmOsprMon")},
        {QStringLiteral("mnuOsprAnn"), QStringLiteral("frmOsprAnn")},
        {QStringLiteral("mnuAnnual"), QStringLiteral("frmAnnual")},
        {QStringLiteral("mnuMonthly"), QStringLiteral("frmMonthly")},
        {QStringLiteral("mnuFortNight"), QStringLiteral("frmFortNight")},
        {QStringLiteral("mnuWeekly"), QStringLiteral("frmWeekly")},
        {QStringLiteral("mnuDaily"), QStringLiteral("frmDaily")},
        {QStringLiteral("QuickTax"), QStringLiteral("frmMerlin")},
        {QStringLiteral("mnuCompCar"), QStringLiteral("frmCompCar")},
        {QStringLiteral("mnuCarAll1"), QStringLiteral("frmCarAll1")},
        {QStringLiteral("mnuInflationProject"), QStringLiteral("frmInflation")},
        {QStringLiteral("mnuLoans"), QStringLiteral("frmLoans")},
        {QStringLiteral("mnuLoansBuster"), QStringLiteral("frmLoanBuster")},
        {QStringLiteral("mnuLoansComparison"), QStringLiteral("frmLoanComp")},
        {QStringLiteral("mnuDailyBalance"), QStringLiteral("frmDayBal")},
    };
    for (auto it = windowOfEntry.begin(); it != windowOfEntry.end(); ++it)
        actions_.value(it.key())->setEnabled(registry_.find(it.value()) != nullptr);
}

QAction* MDIForm1::menuAction(const QString& name) const
{
    return actions_.value(name);
}

ChildWindow* MDIForm1::openWindow(const QString& kind)
{
    BusyCursor busy;
    if (QMdiSubWindow* frame = liveFrame(kind)) {
        frame->showNormal();
        mdi_->setActiveSubWindow(frame);
        frame->raise();
        return qobject_cast<ChildWindow*>(frame->widget());
    }
    const WindowKind* windowKind = registry_.find(kind);
    if (!windowKind)
        return nullptr;
    ChildWindow* window = windowKind->create();
    window->setObjectName(kind);
    QMdiSubWindow* frame = mdi_->addSubWindow(window);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    frame->setWindowTitle(window->windowTitle());
    connect(window, &QWidget::windowTitleChanged, frame, &QWidget::setWindowTitle);
    open_.insert(kind, frame);
    frame->show();
    mdi_->setActiveSubWindow(frame);
    return window;
}

QMdiSubWindow* MDIForm1::liveFrame(const QString& kind) const
{
    // A closed frame lingers until its deferred deletion; it counts as gone.
    QMdiSubWindow* frame = open_.value(kind);
    return frame && !frame->isHidden() ? frame : nullptr;
}

ChildWindow* MDIForm1::openedWindow(const QString& kind) const
{
    QMdiSubWindow* frame = liveFrame(kind);
    return frame ? qobject_cast<ChildWindow*>(frame->widget()) : nullptr;
}

void MDIForm1::unloadWindow(const QString& kind)
{
    if (QMdiSubWindow* frame = liveFrame(kind))
        frame->close();
}

QStringList MDIForm1::initialiseAllClosingList()
{
    return {QStringLiteral("frmAnnual"),     QStringLiteral("frmMonthly"),    QStringLiteral("frmWeekly"),
            QStringLiteral("frmDaily"),      QStringLiteral("frmCompCar"),    QStringLiteral("frmCarAll1"),
            QStringLiteral("frmHelpBrowser"), QStringLiteral("frmInflation"), QStringLiteral("frmLoans"),
            QStringLiteral("frmLoanBuster"), QStringLiteral("frmLoanComp"),   QStringLiteral("frmDayBal"),
            QStringLiteral("frmKestrelMon"), QStringLiteral("frmKestrelAnn"), QStringLiteral("frmOsprMon"),
            QStringLiteral("frmOsprAnn")};
}

void MDIForm1::initialiseAll()
{
    ResetSession();
    for (const QString& kind : initialiseAllClosingList())
        unloadWindow(kind);
}

void MDIForm1::cascade()
{
    mdi_->cascadeSubWindows();
}

void MDIForm1::onSubWindowActivated(QMdiSubWindow* frame)
{
    if (!frame)
        return;
    if (auto* window = qobject_cast<ChildWindow*>(frame->widget()))
        window->windowActivated();
}

void MDIForm1::closeEvent(QCloseEvent* event)
{
    mdi_->closeAllSubWindows();
    if (!mdi_->subWindowList().isEmpty()) {
        // A window refused to close (it shows why); the program goes on.
        event->ignore();
        return;
    }
    event->accept();
}

}  // namespace kestrel
