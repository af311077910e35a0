#include "shell/helpbrowser.h"

#include "common/apppaths.h"

#include <QPdfDocument>
#include <QPdfView>
#include <QResizeEvent>

namespace kestrel {

namespace {
// The view fills the window less 100 twips (about 7 pixels) in each direction.
constexpr int kInset = 7;
}  // namespace

HelpBrowser::HelpBrowser(QWidget* parent)
    : QWidget(parent, Qt::Window), document_(new QPdfDocument(this)), view_(new QPdfView(this))
{
    setObjectName(QStringLiteral("frmHelpBrowser"));
    setWindowTitle(QStringLiteral("Kestrel Help"));
    view_->setObjectName(QStringLiteral("brwWebBrowser"));
    view_->setDocument(document_);
    view_->setPageMode(QPdfView::PageMode::MultiPage);
    view_->setZoomMode(QPdfView::ZoomMode::FitToWidth);
    resize(820, 900);
}

void HelpBrowser::loadManual()
{
    document_->load(applicationFile(QStringLiteral("KS2019Help.pdf")));
}

void HelpBrowser::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    view_->setGeometry(0, 0, qMax(0, width() - kInset), qMax(0, height() - kInset));
}

}  // namespace kestrel
