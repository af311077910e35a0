#include "reports/reportpreview.h"

#include "common/busycursor.h"
#include "common/dialogs.h"
#include "reports/reportpainter.h"
#include "reports/reportstore.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGraphicsDropShadowEffect>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScopedValueRollback>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStandardPaths>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

namespace kestrel {

namespace {

const double kZoomSteps[] = {0.5, 0.75, 1.0, 1.25, 1.5, 2.0, 3.0};

QString pagesText(int count)
{
    return count == 1 ? QStringLiteral("1 page") : QStringLiteral("%1 pages").arg(count);
}

// The export button's suitcase, drawn so that it looks the same on every desktop.
QIcon suitcaseIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPen handle(QColor(0x5a, 0x3a, 0x1c), 2.4);
    p.setPen(handle);
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(11, 4, 10, 8), 2.5, 2.5);
    p.setPen(QPen(QColor(0x5a, 0x3a, 0x1c), 1.4));
    p.setBrush(QColor(0xa8, 0x6c, 0x32));
    p.drawRoundedRect(QRectF(3, 9.5, 26, 19), 3, 3);
    p.setPen(QPen(QColor(0x7a, 0x4c, 0x22), 1.2));
    p.drawLine(QPointF(3.5, 17), QPointF(28.5, 17));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xe8, 0xc5, 0x6a));
    p.drawRect(QRectF(8, 15, 3, 5));
    p.drawRect(QRectF(21, 15, 3, 5));
    return QIcon(pixmap);
}

QIcon printerIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x44, 0x4c, 0x56), 1.3));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 3, 14, 10));
    p.setBrush(QColor(0x6b, 0x75, 0x81));
    p.drawRoundedRect(QRectF(3, 11, 26, 12), 2.5, 2.5);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9, 19, 14, 10));
    p.setPen(QPen(QColor(0x9a, 0xa3, 0xad), 1));
    p.drawLine(QPointF(11.5, 23), QPointF(20.5, 23));
    p.drawLine(QPointF(11.5, 26), QPointF(18.5, 26));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x7c, 0xd9, 0x6a));
    p.drawEllipse(QRectF(23.5, 14, 3, 3));
    return QIcon(pixmap);
}

QToolButton* toolButton(QToolBar* bar, const QString& name, const QString& text, const QIcon& icon, const QString& tip,
                        bool showText = false)
{
    auto* button = new QToolButton(bar);
    button->setObjectName(name);
    button->setText(text);
    button->setIcon(icon);
    button->setToolTip(tip);
    button->setAutoRaise(true);
    button->setToolButtonStyle(showText ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonIconOnly);
    bar->addWidget(button);
    return button;
}

}  // namespace

ReportPreview::ReportPreview(report::ReportLayout layout, const QString& title, const QString& exportName,
                             std::function<QString()> printerName, QWidget* parent)
    : QWidget(parent, Qt::Window), layout_(std::move(layout)), exportName_(exportName),
      printerName_(std::move(printerName))
{
    setObjectName(QStringLiteral("frmReportPreview"));
    setWindowTitle(title);
    setAttribute(Qt::WA_DeleteOnClose);

    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(0, 0, 0, 0);
    top->setSpacing(0);

    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("tbrPreview"));
    bar->setIconSize(QSize(22, 22));
    bar->setMovable(false);
    top->addWidget(bar);

    QStyle* st = style();
    first_ = toolButton(bar, QStringLiteral("cmdFirstPage"), tr("First page"),
                        st->standardIcon(QStyle::SP_MediaSkipBackward), tr("First page (Home)"));
    previous_ = toolButton(bar, QStringLiteral("cmdPreviousPage"), tr("Previous page"),
                           st->standardIcon(QStyle::SP_MediaSeekBackward), tr("Previous page (Page Up)"));
    auto* pageText = new QLabel(tr(" Page "), bar);
    bar->addWidget(pageText);
    pageBox_ = new QSpinBox(bar);
    pageBox_->setObjectName(QStringLiteral("spnPage"));
    pageBox_->setRange(1, std::max(1, pageCount()));
    pageBox_->setAlignment(Qt::AlignRight);
    pageBox_->setKeyboardTracking(false);
    bar->addWidget(pageBox_);
    pageCountLabel_ = new QLabel(bar);
    pageCountLabel_->setObjectName(QStringLiteral("lblPageCount"));
    pageCountLabel_->setText(tr(" of %1 ").arg(pageCount()));
    bar->addWidget(pageCountLabel_);
    next_ = toolButton(bar, QStringLiteral("cmdNextPage"), tr("Next page"),
                       st->standardIcon(QStyle::SP_MediaSeekForward), tr("Next page (Page Down)"));
    last_ = toolButton(bar, QStringLiteral("cmdLastPage"), tr("Last page"),
                       st->standardIcon(QStyle::SP_MediaSkipForward), tr("Last page (End)"));
    bar->addSeparator();

    auto* zoomOutButton =
        toolButton(bar, QStringLiteral("cmdZoomOut"), QStringLiteral("\u2212"), QIcon(), tr("Zoom out (-)"), true);
    zoomOutButton->setToolButtonStyle(Qt::ToolButtonTextOnly);
    zoomBox_ = new QComboBox(bar);
    zoomBox_->setObjectName(QStringLiteral("cboZoom"));
    zoomBox_->addItem(tr("Fit width"));
    zoomBox_->addItem(tr("Whole page"));
    for (const double step : kZoomSteps)
        zoomBox_->addItem(QStringLiteral("%1%").arg(std::lround(step * 100)));
    bar->addWidget(zoomBox_);
    auto* zoomInButton =
        toolButton(bar, QStringLiteral("cmdZoomIn"), QStringLiteral("+"), QIcon(), tr("Zoom in (+)"), true);
    zoomInButton->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bar->addSeparator();

    auto* print = toolButton(bar, QStringLiteral("cmdPrint"), tr("Print"), printerIcon(),
                             tr("Print the report on the printer (Ctrl+P)"), true);
    auto* exportButton = toolButton(bar, QStringLiteral("cmdExport"), tr("Export"), suitcaseIcon(),
                                    tr("Export the report to a PDF file (Ctrl+S)"), true);
    auto* spacer = new QWidget(bar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    bar->addWidget(spacer);
    auto* closeButton =
        toolButton(bar, QStringLiteral("cmdClose"), tr("Close"), QIcon(), tr("Close the preview (Esc)"), true);
    closeButton->setToolButtonStyle(Qt::ToolButtonTextOnly);

    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("scrPages"));
    scroll_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setBackgroundRole(QPalette::Dark);
    QPalette desk = scroll_->palette();
    desk.setColor(QPalette::Dark, QColor(0x76, 0x7f, 0x8a));
    scroll_->setPalette(desk);
    auto* holder = new QWidget;
    holder->setAutoFillBackground(false);
    auto* holderLayout = new QVBoxLayout(holder);
    holderLayout->setContentsMargins(20, 20, 20, 20);
    pageLabel_ = new QLabel(holder);
    pageLabel_->setObjectName(QStringLiteral("lblPageImage"));
    pageLabel_->setAlignment(Qt::AlignCenter);
    auto* shadow = new QGraphicsDropShadowEffect(pageLabel_);
    shadow->setBlurRadius(18);
    shadow->setOffset(0, 3);
    shadow->setColor(QColor(0, 0, 0, 110));
    pageLabel_->setGraphicsEffect(shadow);
    holderLayout->addWidget(pageLabel_, 0, Qt::AlignHCenter | Qt::AlignTop);
    scroll_->setWidget(holder);
    scroll_->setWidgetResizable(true);
    top->addWidget(scroll_, 1);
    scroll_->viewport()->installEventFilter(this);

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("lblStatus"));
    status_->setContentsMargins(8, 3, 8, 3);
    top->addWidget(status_);

    connect(first_, &QToolButton::clicked, this, &ReportPreview::firstPage);
    connect(previous_, &QToolButton::clicked, this, &ReportPreview::previousPage);
    connect(next_, &QToolButton::clicked, this, &ReportPreview::nextPage);
    connect(last_, &QToolButton::clicked, this, &ReportPreview::lastPage);
    connect(pageBox_, &QSpinBox::valueChanged, this, [this](int value) { showPage(value - 1); });
    connect(zoomOutButton, &QToolButton::clicked, this, &ReportPreview::zoomOut);
    connect(zoomInButton, &QToolButton::clicked, this, &ReportPreview::zoomIn);
    connect(zoomBox_, &QComboBox::currentIndexChanged, this, &ReportPreview::setZoomChoice);
    connect(print, &QToolButton::clicked, this, &ReportPreview::printReport);
    connect(exportButton, &QToolButton::clicked, this, &ReportPreview::exportReport);
    connect(closeButton, &QToolButton::clicked, this, &QWidget::close);

    // A4 upright at fit width, within the screen.
    QSize size(860, 1000);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        size = size.boundedTo(QSize(available.width() * 9 / 10, available.height() * 9 / 10));
    }
    resize(size.expandedTo(QSize(520, 420)));
    setStatus(pagesText(pageCount()));
    refresh();
    updateControls();
}

QString ReportPreview::statusText() const
{
    return status_->text();
}

void ReportPreview::setStatus(const QString& text)
{
    status_->setText(text);
}

void ReportPreview::showPage(int index)
{
    index = std::clamp(index, 0, std::max(0, pageCount() - 1));
    if (index == page_ && !pageLabel_->pixmap().isNull())
        return;
    page_ = index;
    refresh();
    updateControls();
    scroll_->verticalScrollBar()->setValue(0);
}

void ReportPreview::firstPage()
{
    showPage(0);
}

void ReportPreview::previousPage()
{
    showPage(page_ - 1);
}

void ReportPreview::nextPage()
{
    showPage(page_ + 1);
}

void ReportPreview::lastPage()
{
    showPage(pageCount() - 1);
}

void ReportPreview::zoomIn()
{
    for (int i = 0; i < static_cast<int>(std::size(kZoomSteps)); ++i) {
        if (kZoomSteps[i] > zoom_ + 0.01) {
            zoomBox_->setCurrentIndex(2 + i);
            return;
        }
    }
}

void ReportPreview::zoomOut()
{
    for (int i = static_cast<int>(std::size(kZoomSteps)) - 1; i >= 0; --i) {
        if (kZoomSteps[i] < zoom_ - 0.01) {
            zoomBox_->setCurrentIndex(2 + i);
            return;
        }
    }
}

void ReportPreview::setZoomChoice(int index)
{
    if (index == 0)
        mode_ = ZoomMode::FitWidth;
    else if (index == 1)
        mode_ = ZoomMode::WholePage;
    else {
        mode_ = ZoomMode::Fixed;
        zoom_ = kZoomSteps[std::clamp(index - 2, 0, static_cast<int>(std::size(kZoomSteps)) - 1)];
    }
    refresh();
    updateControls();
}

void ReportPreview::refresh()
{
    // A new page image can show or hide a scroll bar, which resizes the view again.
    if (layout_.pages.isEmpty() || refreshing_)
        return;
    const QScopedValueRollback<bool> guard(refreshing_, true);
    const double pagePixelsWide = layout_.pageSize.width() * 96.0 / 72.0;
    const double pagePixelsHigh = layout_.pageSize.height() * 96.0 / 72.0;
    const QSize viewport = scroll_->viewport()->size();
    const double fitWidth = std::max(0.2, (viewport.width() - 44) / pagePixelsWide);
    if (mode_ == ZoomMode::FitWidth)
        zoom_ = fitWidth;
    else if (mode_ == ZoomMode::WholePage)
        zoom_ = std::max(0.2, std::min(fitWidth, (viewport.height() - 44) / pagePixelsHigh));
    const double ratio = devicePixelRatioF();
    QImage image = report::renderPage(layout_, page_, 96.0 * zoom_ * ratio);
    image.setDevicePixelRatio(ratio);
    pageLabel_->setPixmap(QPixmap::fromImage(image));
    pageLabel_->setFixedSize(image.size() / ratio);
}

void ReportPreview::updateControls()
{
    const int count = pageCount();
    first_->setEnabled(page_ > 0);
    previous_->setEnabled(page_ > 0);
    next_->setEnabled(page_ + 1 < count);
    last_->setEnabled(page_ + 1 < count);
    const QSignalBlocker block(pageBox_);
    pageBox_->setValue(page_ + 1);
}

bool ReportPreview::eventFilter(QObject* watched, QEvent* event)
{
    // Fit width and whole page follow the size of the view, once the layout has given it.
    if (watched == scroll_->viewport() && event->type() == QEvent::Resize && mode_ != ZoomMode::Fixed)
        refresh();
    return QWidget::eventFilter(watched, event);
}

void ReportPreview::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Print)) {
        printReport();
        return;
    }
    if (event->matches(QKeySequence::Save)) {
        exportReport();
        return;
    }
    switch (event->key()) {
    case Qt::Key_PageDown:
        nextPage();
        return;
    case Qt::Key_PageUp:
        previousPage();
        return;
    case Qt::Key_Home:
        firstPage();
        return;
    case Qt::Key_End:
        lastPage();
        return;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        zoomIn();
        return;
    case Qt::Key_Minus:
        zoomOut();
        return;
    case Qt::Key_Escape:
        close();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void ReportPreview::exportReport()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    SaveFileRequest request;
    request.caption = tr("Export report");
    request.suggestedPath = QDir(folder).filePath(exportName_ + QStringLiteral(".pdf"));
    request.filter = tr("PDF files (*.pdf)");
    QString path = chooseSaveFile(request, this);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) != 0)
        path += QStringLiteral(".pdf");
    BusyCursor busy;
    const QString error = report::writePdf(layout_, path, windowTitle());
    if (!error.isEmpty()) {
        setStatus(error);
        showReportError(error);
        return;
    }
    setStatus(tr("Exported to %1").arg(QDir::toNativeSeparators(path)));
}

void ReportPreview::printReport()
{
    BusyCursor busy;
    const QString printer = printerName_ ? printerName_() : QString();
    QString error;
    const QString name = report::resolvePrinter(printer, &error);
    if (error.isEmpty())
        error = report::printLayout(layout_, name, windowTitle());
    if (!error.isEmpty()) {
        setStatus(error);
        showReportError(error);
        return;
    }
    setStatus(tr("Sent %1 to the printer %2").arg(pagesText(pageCount()), name));
}

}  // namespace kestrel
