#include "common/childwindow.h"

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

}  // namespace kestrel
