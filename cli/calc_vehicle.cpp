// kestrel-calc calculators of the vehicle folder.
#include "cli/calculator.h"

namespace kestrel::cli {

void registerVehicleCalculators(CalculatorRegistry& registry)
{
    (void)registry;
}

}  // namespace kestrel::cli
