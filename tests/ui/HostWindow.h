#pragma once

#include "AppFixture.h"

#include "framework/Window.h"

namespace testsupport {

// A started application with one empty window, not yet open, to hold the
// controls under test.
class HostWindow : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        window = new fw::Window(fw::WindowLayout());
    }

    // Opens the window, which raises its controls' Open events, and lets it paint.
    void openWindow()
    {
        window->open();
        settle();
    }

    fw::Window* window = nullptr;
};

} // namespace testsupport
