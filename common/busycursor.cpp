#include "common/busycursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace kestrel {

BusyCursor::BusyCursor()
{
    if (qGuiApp) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        active_ = true;
    }
}

BusyCursor::~BusyCursor()
{
    if (active_)
        QGuiApplication::restoreOverrideCursor();
}

}  // namespace kestrel
