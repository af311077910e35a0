#pragma once
// The kinds of child window that the main window can open. Each folder registers its
// windows by name (frmMonthly, frmLoans, ...); the main window looks them up, keeps one
// instance per kind and brings an open one to the front.

#include <QString>

#include <functional>
#include <vector>

namespace kestrel {

class ChildWindow;

struct WindowKind {
    QString name;                          ///< frmMonthly, frmLoans, ...
    std::function<ChildWindow*()> create;  ///< a new window, not yet shown
};

class WindowRegistry {
public:
    void add(const QString& name, std::function<ChildWindow*()> create);
    const WindowKind* find(const QString& name) const;
    const std::vector<WindowKind>& kinds() const { return kinds_; }

private:
    std::vector<WindowKind> kinds_;
};

}  // namespace kestrel
