#include "finance/financewindows.h"

#include "common/windowregistry.h"

namespace kestrel {

void registerFinanceWindows(WindowRegistry& registry)
{
    (void)registry;
}

}  // namespace kestrel
