#pragma once
// The windows of the company car and car allowance calculators.

namespace kestrel {
class WindowRegistry;
void registerVehicleWindows(WindowRegistry& registry);
}  // namespace kestrel
