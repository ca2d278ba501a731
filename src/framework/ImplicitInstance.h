#pragma once

#include "Window.h"

#include <QPointer>

#include <typeindex>

namespace fw {

// The open implicit window of a class, or nullptr. A window leaves this list
// the moment its close is accepted, so the next use makes a fresh one even
// before the old object is deleted.
Window* findImplicitWindow(std::type_index type);
void registerImplicitWindow(std::type_index type, Window* window);
void forgetImplicitWindow(const Window* window);
// Deletes every window at once, raising no events: for tests that start from
// a clean desk.
void discardAllWindows();

// The one instance of a window class: the open one, or a new one, made, opened
// and shown.
template <class W> W* implicitInstance()
{
    if (Window* open = findImplicitWindow(typeid(W)))
        return static_cast<W*>(open);
    auto* window = new W();
    registerImplicitWindow(typeid(W), window);
    window->open();
    return window;
}

template <class W> W* openImplicitInstance()
{
    return static_cast<W*>(findImplicitWindow(typeid(W)));
}

} // namespace fw
