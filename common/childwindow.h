#pragma once
// Base of every calculator and information window shown inside the main window.

#include <QWidget>

namespace kestrel {

class ChildWindow : public QWidget {
    Q_OBJECT
public:
    explicit ChildWindow(QWidget* parent = nullptr);
    ~ChildWindow() override;

    /// Called each time the window comes to the front (the main window calls it when its
    /// child becomes active; tests call it directly). Windows that show session values
    /// refresh their fields here.
    virtual void windowActivated() {}

    /// Closes the window: the child frame that holds it inside the main window, or the
    /// window itself when it stands alone (tests).
    void closeWindow();

protected:
    /// Commits the entry field being edited in this window, as leaving it would, so that a
    /// command sees every entry checked. Returns false when the window refused the entry
    /// (its handlers of the field's rejection signals call markEntryRefused()).
    bool commitEditing();
    void markEntryRefused() { entryRefused_ = true; }

private:
    bool entryRefused_ = false;
};

}  // namespace kestrel
