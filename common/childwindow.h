#pragma once
// Base of every calculator and information window shown inside the main window.

#include <QWidget>

namespace kestrel {

class ChildWindow : public QWidget {
    Q_OBJECT
public:
    explicit ChildWindow(QWidget* parent = nullptr);

    /// Called each time the window comes to the front (the main window calls it when its
    /// child becomes active; tests call it directly). Windows that show session values
    /// refresh their fields here.
    virtual void windowActivated() {}

    /// Closes the window: the child frame that holds it inside the main window, or the
    /// window itself when it stands alone (tests).
    void closeWindow();
};

}  // namespace kestrel
