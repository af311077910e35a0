#include "vehicle/vehiclewindows.h"

#include "common/windowregistry.h"
#include "vehicle/carallowancewindow.h"
#include "vehicle/companycarwindow.h"

namespace kestrel {

void registerVehicleWindows(WindowRegistry& registry)
{
    registry.add(QStringLiteral("frmCompCar"), [] { return new CompanyCarWindow; });
    registry.add(QStringLiteral("frmCarAll1"), [] { return new CarAllowanceWindow; });
}

}  // namespace kestrel
