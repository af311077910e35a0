#include "common/childwindow.h"

#include "common/fields.h"

#include <QApplication>
#include <QMdiSubWindow>

namespace kestrel {

ChildWindow::ChildWindow(QWidget* parent) : QWidget(parent) {}

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

} // namespace kestrel
