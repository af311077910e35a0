#pragma once
// The preview window of destination 0: one page at a time on a grey desk, page
// navigation, zoom, a print button (straight to the chosen printer, no dialog) and the
// export "suitcase" button, which saves the report as a PDF file. Modeless; it closes
// itself when its owner goes.

#include "reports/reportlayout.h"

#include <QWidget>

#include <functional>

class QComboBox;
class QLabel;
class QScrollArea;
class QSpinBox;
class QToolButton;

namespace kestrel {

class ReportPreview : public QWidget {
    Q_OBJECT
public:
    /// `exportName`: the file name the export suggests (without folder); `printerName`
    /// gives the printer at the moment the print button is pressed (empty: the default).
    ReportPreview(report::ReportLayout layout, const QString& title, const QString& exportName,
                  std::function<QString()> printerName, QWidget* parent = nullptr);

    const report::ReportLayout& layout() const { return layout_; }
    int pageIndex() const { return page_; }  ///< 0-based
    int pageCount() const { return static_cast<int>(layout_.pages.size()); }
    /// The zoom factor in use (1 = 100 %, which is 96 dots per inch).
    double zoomFactor() const { return zoom_; }
    /// The text of the status line under the page (what export and print reported).
    QString statusText() const;

public Q_SLOTS:
    void showPage(int index);
    void firstPage();
    void previousPage();
    void nextPage();
    void lastPage();
    void zoomIn();
    void zoomOut();
    /// The suitcase: asks for a file (kestrel::chooseSaveFile) and writes the PDF.
    void exportReport();
    /// Prints every page on the printer, without a dialog.
    void printReport();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    enum class ZoomMode { FitWidth, WholePage, Fixed };
    void setZoomChoice(int index);
    void refresh();
    void updateControls();
    void setStatus(const QString& text);

    report::ReportLayout layout_;
    QString exportName_;
    std::function<QString()> printerName_;
    int page_ = 0;
    ZoomMode mode_ = ZoomMode::FitWidth;
    double zoom_ = 1.0;
    bool refreshing_ = false;

    QToolButton* first_ = nullptr;
    QToolButton* previous_ = nullptr;
    QToolButton* next_ = nullptr;
    QToolButton* last_ = nullptr;
    QSpinBox* pageBox_ = nullptr;
    QLabel* pageCountLabel_ = nullptr;
    QComboBox* zoomBox_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QLabel* pageLabel_ = nullptr;
    QLabel* status_ = nullptr;
};

}  // namespace kestrel
