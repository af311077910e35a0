#pragma once
// MDIForm1: the main window. A multiple-document frame with the menu bar from which every
// calculator is reached, the background picture, the report engine (rptMainPrint) and the
// printer setup. It keeps one instance of each kind of child window.

#include "common/windowregistry.h"
#include "shell/helpbrowser.h"

#include <QHash>
#include <QMainWindow>
#include <QPixmap>
#include <QPointer>
#include <QUrl>

class QMdiArea;
class QMdiSubWindow;
class QAction;
class QPrinter;

namespace kestrel {

class ReportEngine;
class ChildWindow;

/// The version of this build: 1.1.0, shown as "1.01.000"; its disclaimer number is 110.
struct ProgramVersion {
    int major = 1;
    int minor = 1;
    int revision = 0;
    /// "1.01.000": minor with at least two digits, revision with at least three.
    QString display() const;
    /// The digits written one after the other: "110" for 1.1.0.
    QString digits() const;
};

inline constexpr ProgramVersion kProgramVersion{};

class MDIForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit MDIForm1(const WindowRegistry& registry, QWidget* parent = nullptr);
    ~MDIForm1() override;

    /// The start-up after the window is created: background picture, caption, show,
    /// ResetSession, the database paths, the About window when ViewAbout is set, and the
    /// disclaimer when this version is newer than the one last accepted. Returns false when
    /// the disclaimer was declined: the main window is then closed and the program ends.
    bool startUp();

    /// The version number of the disclaimer check: the digits of major, minor and revision
    /// read as one number (1.5.3 gives 153). A stored Var1 that is empty or not a number
    /// counts as 0.
    static long long disclaimerNumber(const QString& digits);

    /// Opens frmAbout centred across and a quarter down the main window.
    ChildWindow* showAbout();
    /// Opens the help viewer (a window of its own).
    HelpBrowser* showHelp();
    HelpBrowser* helpBrowser() const { return help_; }
    /// "&Printer Setup": Qt's printer dialog; cancel or errors leave the printer as it was.
    void printerSetup();
    /// "&MS-Calculator": starts the first desktop calculator found on the machine.
    void startDesktopCalculator();
    /// The programs tried by "&MS-Calculator", in order.
    static QStringList desktopCalculators();
    /// "Video Lectures": asks the desktop to open the video-lectures page.
    void openVideoLectures();
    static QUrl videoLecturesUrl();

    /// The caption: "Kestrel 2019 Ver: " + version + two blanks + the maker's notice.
    static QString captionFor(const ProgramVersion& version);

    /// Opens a child window by kind (frmMonthly, ...): creates it when it is not open,
    /// otherwise brings it to the front with its values. Returns the window.
    ChildWindow* openWindow(const QString& kind);
    /// The open window of a kind, or nullptr.
    ChildWindow* openedWindow(const QString& kind) const;
    /// Unloads a window when it is open.
    void unloadWindow(const QString& kind);

    /// "&Initialise All": ResetSession, then unloads the calculator windows of the list.
    void initialiseAll();
    /// The windows that "&Initialise All" closes, in order.
    static QStringList initialiseAllClosingList();

    /// Arranges the open child windows in the cascade layout.
    void cascade();

    QMdiArea* mdiArea() const { return mdi_; }
    ReportEngine* reportEngine() const { return rptMainPrint_; }
    /// A menu action by the name of its menu entry (mnuMonthly, ...).
    QAction* menuAction(const QString& name) const;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void addEntry(QMenu* menu, const QString& name, const QString& caption, const std::function<void()>& command);
    void onSubWindowActivated(QMdiSubWindow* frame);
    QMdiSubWindow* liveFrame(const QString& kind) const;
    void widenFor(QMdiSubWindow* frame, int chrome);
    void keepInside(QMdiSubWindow* frame);

    static constexpr QSize kStartSize{1180, 820};

    void loadBackground();
    void updateBackground();

    WindowRegistry registry_;
    QMdiArea* mdi_;
    QPixmap background_;
    QPointer<HelpBrowser> help_;
    QPrinter* printer_ = nullptr;
    ReportEngine* rptMainPrint_;
    QHash<QString, QPointer<QMdiSubWindow>> open_;
    QHash<QString, QAction*> actions_;
};

}  // namespace kestrel
