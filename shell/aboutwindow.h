#pragma once
// frmAbout: the version and the maker of the program, and the choice whether this window
// appears at every start.

#include "common/childwindow.h"

class QCheckBox;

namespace kestrel {

class AboutWindow : public ChildWindow {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* parent = nullptr);

    QCheckBox* doNotDisplayBox() const { return doNotDisplay_; }
    /// The preference as the window holds it: true shows the window at start-up.
    bool viewAbout() const { return viewAbout_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QCheckBox* doNotDisplay_;
    bool viewAbout_;
};

}  // namespace kestrel
