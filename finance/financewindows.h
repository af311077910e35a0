#pragma once
// The windows of the business calculators.

namespace kestrel {
class WindowRegistry;
void registerFinanceWindows(WindowRegistry& registry);
}  // namespace kestrel
