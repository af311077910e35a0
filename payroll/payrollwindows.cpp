#include "payroll/payrollwindows.h"

#include "common/windowregistry.h"

namespace kestrel {

void registerPayrollWindows(WindowRegistry& registry)
{
    (void)registry;
}

}  // namespace kestrel
