#pragma once

#include <QString>

namespace fw {

class MenuBar;

// The application object: its Open event runs once before the first window is
// used; its Close event runs once when the application quits, whether by the
// Quit command or because its last window closed.
class Application {
public:
    Application();
    virtual ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    static Application* current();

    void setMenuBar(MenuBar* bar) { menuBar_ = bar; }
    [[nodiscard]] MenuBar* menuBar() const { return menuBar_; }
    [[nodiscard]] QString LongVersion() const;

    // Raises the Open event (once).
    void open();
    // Closes every window, front first, and gives up if one refuses. Otherwise
    // raises Close and leaves the event loop. Returns whether it quit.
    bool quit();
    // Raises Close once, then leaves the event loop.
    void finish();
    [[nodiscard]] bool hasFinished() const { return finished_; }
    // Lets the application finish when its last window closes.
    void attachToEventLoop();

protected:
    virtual void Event_Open() {}
    virtual void Event_Close() {}

private:
    MenuBar* menuBar_ = nullptr;
    bool opened_ = false;
    bool finished_ = false;
};

} // namespace fw
