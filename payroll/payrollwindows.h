#pragma once
// The windows of the pay-period calculators, the annual tax check and QuickTax.

namespace kestrel {
class WindowRegistry;
void registerPayrollWindows(WindowRegistry& registry);
}  // namespace kestrel
