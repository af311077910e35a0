#include "package/packagewindows.h"

#include "common/windowregistry.h"

namespace kestrel {

void registerPackageWindows(WindowRegistry& registry)
{
    (void)registry;
}

}  // namespace kestrel
