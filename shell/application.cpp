#include "shell/application.h"

#include "common/windowregistry.h"
#include "finance/financewindows.h"
#include "package/packagewindows.h"
#include "payroll/payrollwindows.h"
#include "shell/mainwindow.h"
#include "vehicle/vehiclewindows.h"

#include <QApplication>

namespace kestrel {

const WindowRegistry& applicationWindows()
{
    static const WindowRegistry registry = [] {
        WindowRegistry r;
        registerPayrollWindows(r);
        registerPackageWindows(r);
        registerVehicleWindows(r);
        registerFinanceWindows(r);
        return r;
    }();
    return registry;
}

int runKestrel(QApplication& app)
{
    QApplication::setOrganizationName(QStringLiteral("Kestrel"));
    QApplication::setApplicationName(QStringLiteral("Kestrel2019"));
    QApplication::setApplicationVersion(kProgramVersion.display());
    MDIForm1 main(applicationWindows());
    if (!main.startUp())
        return 0;
    return app.exec();
}

}  // namespace kestrel
