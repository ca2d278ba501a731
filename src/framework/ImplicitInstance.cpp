#include "ImplicitInstance.h"

#include <QApplication>

#include <unordered_map>

namespace fw {

namespace {
std::unordered_map<std::type_index, QPointer<Window>>& registry()
{
    static std::unordered_map<std::type_index, QPointer<Window>> windows;
    return windows;
}
} // namespace

Window* findImplicitWindow(std::type_index type)
{
    auto found = registry().find(type);
    if (found == registry().end())
        return nullptr;
    Window* window = found->second.data();
    if (!window || window->isClosed()) {
        registry().erase(found);
        return nullptr;
    }
    return window;
}

void registerImplicitWindow(std::type_index type, Window* window) { registry()[type] = window; }

void forgetImplicitWindow(const Window* window)
{
    std::erase_if(registry(), [&](const auto& entry) { return entry.second.data() == window; });
}

void discardAllWindows()
{
    registry().clear();
    // Deleting a window deletes its own top-level children (menus), so the
    // windows are gathered first and each is checked before it goes.
    QList<QPointer<Window>> windows;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = dynamic_cast<Window*>(widget))
            windows.append(window);
    for (const QPointer<Window>& window : windows)
        delete window.data();
}

} // namespace fw
