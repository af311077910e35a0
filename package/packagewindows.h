#pragma once
// The windows of the salary package calculators.

namespace kestrel {
class WindowRegistry;
void registerPackageWindows(WindowRegistry& registry);
}  // namespace kestrel
