#include "package/packagewindows.h"

#include "common/windowregistry.h"
#include "package/packagewindow.h"

namespace kestrel {

void registerPackageWindows(WindowRegistry& registry)
{
    registry.add(QStringLiteral("frmKestrelMon"),
                 [] { return new PackageWindow(PackageDirection::Backward, PackagePeriod::Monthly); });
    registry.add(QStringLiteral("frmKestrelAnn"),
                 [] { return new PackageWindow(PackageDirection::Backward, PackagePeriod::Annual); });
    registry.add(QStringLiteral("frmOsprMon"),
                 [] { return new PackageWindow(PackageDirection::Forward, PackagePeriod::Monthly); });
    registry.add(QStringLiteral("frmOsprAnn"),
                 [] { return new PackageWindow(PackageDirection::Forward, PackagePeriod::Annual); });
}

}  // namespace kestrel
