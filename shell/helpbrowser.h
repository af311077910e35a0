#pragma once
// frmHelpBrowser: a window of its own (not inside the main window) that shows the manual
// KS2019Help.pdf of the application folder in a PDF view filling the window.

#include <QWidget>

class QPdfDocument;
class QPdfView;

namespace kestrel {

class HelpBrowser : public QWidget {
    Q_OBJECT
public:
    explicit HelpBrowser(QWidget* parent = nullptr);

    QPdfView* view() const { return view_; }
    QPdfDocument* document() const { return document_; }

    /// Loads the manual; a missing or unreadable file leaves the view empty, without a message.
    void loadManual();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QPdfDocument* document_;
    QPdfView* view_;
};

}  // namespace kestrel
