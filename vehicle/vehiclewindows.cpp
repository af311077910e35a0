#include "vehicle/vehiclewindows.h"

#include "common/windowregistry.h"

namespace kestrel {

void registerVehicleWindows(WindowRegistry& registry)
{
    (void)registry;
}

}  // namespace kestrel
