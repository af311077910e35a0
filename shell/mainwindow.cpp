#include "shell/mainwindow.h"

#include "common/apppaths.h"
#include "common/busycursor.h"
#include "common/childwindow.h"
#include "common/dialogs.h"
#include "common/preferences.h"
#include "reports/reportengine.h"
#include "shell/aboutwindow.h"
#include "shell/disclaimerwindow.h"
#include "shell/helpbrowser.h"
#include "shell/session.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLinearGradient>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>

#include <algorithm>

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
           + QStringLiteral("  Tax year 1 March 2018 to 28 February 2019 - check every result before you rely on it");
}

long long MDIForm1::disclaimerNumber(const QString& digits)
{
    bool ok = false;
    const long long number = digits.trimmed().toLongLong(&ok);
    return ok ? number : 0;
}

MDIForm1::MDIForm1(const WindowRegistry& registry, QWidget* parent)
    : QMainWindow(parent), registry_(registry), mdi_(new QMdiArea(this)), rptMainPrint_(new ReportEngine(this))
{
    registry_.add(QStringLiteral("frmAbout"), [] { return new AboutWindow; });
    setObjectName(QStringLiteral("MDIForm1"));
    rptMainPrint_->setObjectName(QStringLiteral("rptMainPrint"));
    setMainReportEngine(rptMainPrint_);
    mdi_->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(mdi_);
    setWindowTitle(captionFor(kProgramVersion));
    connect(mdi_, &QMdiArea::subWindowActivated, this, &MDIForm1::onSubWindowActivated);
    // The picture is scaled to the area behind the child windows whenever that changes size.
    mdi_->viewport()->installEventFilter(this);
    buildMenus();
    // A size at which every menu of the bar is visible and a calculator fits beside another.
    resize(kStartSize.boundedTo(screen() ? screen()->availableSize() : kStartSize));
}

MDIForm1::~MDIForm1()
{
    // The child frames are destroyed after this object; they must not report to it.
    disconnect(mdi_, nullptr, this, nullptr);
    delete help_;
    delete printer_;
    setMainReportEngine(nullptr);
}

bool MDIForm1::startUp()
{
    loadBackground();
    setWindowTitle(captionFor(kProgramVersion));
    show();
    QApplication::processEvents();
    ResetSession();
    // An installed program works on the user's own copies of the delivered databases.
    const QString dataProblem = prepareDataFolder();
    session().ReportDbPath = dataFile(kReportDatabase);
    session().SettingsDbPath = dataFile(kSettingsDatabase);
    if (!dataProblem.isEmpty())
        showMessage(dataProblem, QString(), MessageIcon::Exclamation);

    const Preferences prefs = loadPreferences();
    if (prefs.ViewAbout)
        showAbout();

    if (disclaimerNumber(kProgramVersion.digits()) > disclaimerNumber(prefs.Var1)) {
        DisclaimerWindow disclaimer(this);
        disclaimer.adjustSize();
        disclaimer.move(mapToGlobal(QPoint((width() - disclaimer.width()) / 2, (height() - disclaimer.height()) / 4)));
        runModal(&disclaimer);
        if (!disclaimer.accepted()) {
            close();
            return false;
        }
        saveVar1(kProgramVersion.digits());
    }
    return true;
}

void MDIForm1::loadBackground()
{
    background_ = QPixmap(applicationFile(QStringLiteral("Kest.jpg")));
    updateBackground();
}

void MDIForm1::updateBackground()
{
    const QSize area = mdi_->viewport()->size();
    if (area.isEmpty())
        return;
    QPixmap canvas(area);
    QPainter painter(&canvas);
    // Without the picture the area keeps a calm colour of its own.
    QLinearGradient gradient(0, 0, 0, area.height());
    gradient.setColorAt(0, QColor(28, 46, 74));
    gradient.setColorAt(1, QColor(12, 22, 38));
    painter.fillRect(canvas.rect(), gradient);
    if (!background_.isNull()) {
        // Cover the whole area; what does not fit is cut at the right and the bottom, so the
        // product name at the picture's left stays in view.
        const QPixmap scaled = background_.scaled(area, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
        painter.drawPixmap(0, 0, scaled);
    }
    painter.end();
    mdi_->setBackground(QBrush(canvas));
}

bool MDIForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == mdi_->viewport() && event->type() == QEvent::Resize)
        updateBackground();
    return QMainWindow::eventFilter(watched, event);
}

ChildWindow* MDIForm1::showAbout()
{
    ChildWindow* about = openWindow(QStringLiteral("frmAbout"));
    if (!about)
        return nullptr;
    if (auto* frame = qobject_cast<QMdiSubWindow*>(about->parentWidget())) {
        frame->adjustSize();
        frame->move(qMax(0, (mdi_->width() - frame->width()) / 2), qMax(0, (mdi_->height() - frame->height()) / 4));
    }
    return about;
}

HelpBrowser* MDIForm1::showHelp()
{
    if (!help_) {
        help_ = new HelpBrowser;
        help_->setAttribute(Qt::WA_DeleteOnClose);
    }
    help_->show();
    help_->raise();
    help_->loadManual();
    return help_;
}

void MDIForm1::printerSetup()
{
    if (!printer_)
        printer_ = new QPrinter(QPrinter::HighResolution);
    QPrinter candidate(QPrinter::HighResolution);
    candidate.setPrinterName(printer_->printerName());
    QPrintDialog dialog(&candidate, this);
    dialog.setWindowTitle(QStringLiteral("Printer Setup"));
    if (runModal(&dialog) == QDialog::Accepted) {
        printer_->setPrinterName(candidate.printerName());
        rptMainPrint_->setProperty("printerName", candidate.printerName());
    }
}

QStringList MDIForm1::desktopCalculators()
{
    return {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),     QStringLiteral("galculator"),
            QStringLiteral("qalculate-gtk"),    QStringLiteral("mate-calc"), QStringLiteral("xcalc")};
}

void MDIForm1::startDesktopCalculator()
{
    for (const QString& program : desktopCalculators()) {
        const QString path = QStandardPaths::findExecutable(program);
        if (!path.isEmpty() && QProcess::startDetached(path, {}))
            return;
    }
    showMessage(QStringLiteral("The Microsoft Calculator is not installed or in the Windows directory"));
}

QUrl MDIForm1::videoLecturesUrl()
{
    return QUrl(QStringLiteral("https://www.kestrel2019.co.za/videos"));
}

void MDIForm1::openVideoLectures()
{
    openUrl(videoLecturesUrl());
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
    addEntry(file, QStringLiteral("mnuPrinterSet"), QStringLiteral("&Printer Setup"), [this] { printerSetup(); });
    file->addSeparator()->setObjectName(QStringLiteral("Space2"));
    addEntry(file, QStringLiteral("mnuExit"), QStringLiteral("E&xit"), [this] { close(); });

    QMenu* kestrel = addMenu(QStringLiteral("mnuKest"), QStringLiteral("&Kestrel"));
    addEntry(kestrel, QStringLiteral("mnuKestMon"), QStringLiteral("&Monthly"),
             open(QStringLiteral("frmKestrelMon"), true));
    addEntry(kestrel, QStringLiteral("mnuKestAnn"), QStringLiteral("&Annual"),
             open(QStringLiteral("frmKestrelAnn"), true));

    QMenu* osprey = addMenu(QStringLiteral("mnuOspr"), QStringLiteral("&Osprey"));
    addEntry(osprey, QStringLiteral("mnuOsprMon"), QStringLiteral("&Monthly"),
             open(QStringLiteral("frmOsprMon"), true));
    addEntry(osprey, QStringLiteral("mnuOsprAnn"), QStringLiteral("&Annual"), open(QStringLiteral("frmOsprAnn"), true));

    QMenu* tax = addMenu(QStringLiteral("mnuTaxCalc"), QStringLiteral("&TaxCalcs"));
    addEntry(tax, QStringLiteral("mnuAnnual"), QStringLiteral("&Annual"), open(QStringLiteral("frmAnnual"), false));
    addEntry(tax, QStringLiteral("mnuMonthly"), QStringLiteral("&Monthly"), open(QStringLiteral("frmMonthly"), false));
    addEntry(tax, QStringLiteral("mnuFortNight"), QStringLiteral("&FortNightly"),
             open(QStringLiteral("frmFortNight"), false));
    addEntry(tax, QStringLiteral("mnuWeekly"), QStringLiteral("&Weekly"), open(QStringLiteral("frmWeekly"), false));
    addEntry(tax, QStringLiteral("mnuDaily"), QStringLiteral("&Daily"), open(QStringLiteral("frmDaily"), false));

    QAction* quickTax = bar->addAction(QStringLiteral("QuickTax"));
    quickTax->setObjectName(QStringLiteral("QuickTax"));
    connect(quickTax, &QAction::triggered, this, open(QStringLiteral("frmMerlin"), false));
    actions_.insert(QStringLiteral("QuickTax"), quickTax);

    QMenu* cars = addMenu(QStringLiteral("mnuCarCalcs"), QStringLiteral("&Car Calculations"));
    addEntry(cars, QStringLiteral("mnuCompCar"), QStringLiteral("&Company car"), [this] {
        openWindow(QStringLiteral("frmCompCar"));
        // Only a main window in its normal state is widened (to 13 405 twips, and more when the
        // cascaded company car window needs it) and cascaded; a wider window is never narrowed.
        if (!(windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen))) {
            const int chrome = std::max(0, width() - mdi_->viewport()->width());
            resize(std::max(width(), 13405 / 15), height());
            cascade();
            widenFor(liveFrame(QStringLiteral("frmCompCar")), chrome);
        }
    });
    addEntry(cars, QStringLiteral("mnuCarAll1"), QStringLiteral("Car Allowance"),
             open(QStringLiteral("frmCarAll1"), true));

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
    connect(calculator, &QAction::triggered, this, [this] { startDesktopCalculator(); });

    QMenu* help = addMenu(QStringLiteral("mnuHelp"), QStringLiteral("&Help/Videos"));
    addEntry(help, QStringLiteral("mnuContents"), QStringLiteral("Kestrel 2019 Help"), [this] { showHelp(); });
    addEntry(help, QStringLiteral("VideoLectures1"), QStringLiteral("Video Lectures"), [this] { openVideoLectures(); });
    // Shown as in every release; it carries no command.
    addEntry(help, QStringLiteral("mnuHelpSearchForHelpOn"), QStringLiteral("&Search For Help On..."), {});
    help->addSeparator()->setObjectName(QStringLiteral("Space3"));
    addEntry(help, QStringLiteral("mnuAbout"), QStringLiteral("&About Kestrel2019..."), [this] {
        BusyCursor busy;
        showAbout();
    });

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
    keepInside(frame);
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
    if (kind == QLatin1String("frmHelpBrowser")) {
        if (help_)
            help_->close();
        return;
    }
    if (QMdiSubWindow* frame = liveFrame(kind))
        frame->close();
}

QStringList MDIForm1::initialiseAllClosingList()
{
    return {QStringLiteral("frmAnnual"),      QStringLiteral("frmMonthly"),    QStringLiteral("frmWeekly"),
            QStringLiteral("frmDaily"),       QStringLiteral("frmCompCar"),    QStringLiteral("frmCarAll1"),
            QStringLiteral("frmHelpBrowser"), QStringLiteral("frmInflation"),  QStringLiteral("frmLoans"),
            QStringLiteral("frmLoanBuster"),  QStringLiteral("frmLoanComp"),   QStringLiteral("frmDayBal"),
            QStringLiteral("frmKestrelMon"),  QStringLiteral("frmKestrelAnn"), QStringLiteral("frmOsprMon"),
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

void MDIForm1::widenFor(QMdiSubWindow* frame, int chrome)
{
    if (!frame)
        return;
    // `chrome` is what the window's frame takes of its width beside the area, measured
    // before the last resize: the area itself may not have caught up with it yet.
    const int needed = frame->geometry().right() + 1 + chrome;
    if (needed <= width())
        return;
    int wanted = needed;
    if (screen())
        wanted = std::min(wanted, screen()->availableSize().width());
    resize(std::max(width(), wanted), height());
}

void MDIForm1::keepInside(QMdiSubWindow* frame)
{
    // New frames are placed by the area; pull one back when its corner would hang outside.
    const QSize area = mdi_->viewport()->size();
    QPoint pos = frame->pos();
    pos.setX(std::max(0, std::min(pos.x(), area.width() - frame->width())));
    pos.setY(std::max(0, std::min(pos.y(), area.height() - frame->height())));
    frame->move(pos);
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
    if (help_)
        help_->close();
    mdi_->closeAllSubWindows();
    if (!mdi_->subWindowList().isEmpty()) {
        // A window refused to close (it shows why); the program goes on.
        event->ignore();
        return;
    }
    event->accept();
}

}  // namespace kestrel
