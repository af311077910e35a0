// kestrel-calc calculators of the finance folder.
#include "cli/calculator.h"

namespace kestrel::cli {

void registerFinanceCalculators(CalculatorRegistry& registry)
{
    (void)registry;
}

}  // namespace kestrel::cli
