#include "common/childwindow.h"

#include "common/fields.h"

#include <QApplication>
#include <QMdiSubWindow>

namespace kestrel {

ChildWindow::ChildWindow(QWidget* parent) : QWidget(parent) {}

ChildWindow::~ChildWindow()
{
    // The window's own part is gone by now, but its fields are deleted only after this:
    // the focus leaving a field then must not reach the window's handlers.
    for (QObject* child : findChildren<QObject*>())
        child->blockSignals(true);
}

void ChildWindow::closeWindow()
{
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        frame->close();
    else
        close();
}

bool ChildWindow::commitEditing()
{
    entryRefused_ = false;
    if (auto* field = qobject_cast<EntryField*>(QApplication::focusWidget()); field && isAncestorOf(field))
        field->commit();
    return !entryRefused_;
}

}  // namespace kestrel
