#include "common/windowregistry.h"

namespace kestrel {

void WindowRegistry::add(const QString& name, std::function<ChildWindow*()> create)
{
    for (WindowKind& kind : kinds_) {
        if (kind.name == name) {
            kind.create = std::move(create);
            return;
        }
    }
    kinds_.push_back(WindowKind{name, std::move(create)});
}

const WindowKind* WindowRegistry::find(const QString& name) const
{
    for (const WindowKind& kind : kinds_)
        if (kind.name == name)
            return &kind;
    return nullptr;
}

}  // namespace kestrel
