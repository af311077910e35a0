// kestrel-calc calculators of the package folder.
#include "cli/calculator.h"

namespace kestrel::cli {

void registerPackageCalculators(CalculatorRegistry& registry)
{
    (void)registry;
}

}  // namespace kestrel::cli
