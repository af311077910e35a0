// kestrel-calc calculators of the payroll folder.
#include "cli/calculator.h"

namespace kestrel::cli {

void registerPayrollCalculators(CalculatorRegistry& registry)
{
    (void)registry;
}

}  // namespace kestrel::cli
