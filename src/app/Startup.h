#pragma once

#include "framework/FontWarmUp.h"
#include "framework/InstanceLock.h"

#include <memory>

class QApplication;

namespace tibbly {

class App;

// The program's start and end, shared by main() and the benchmarks: the Qt
// application, the file types, the application object with its menu bar and
// its Open event, and the start window.
class Startup {
public:
    Startup(int& argc, char** argv);
    ~Startup();
    Startup(const Startup&) = delete;
    Startup& operator=(const Startup&) = delete;

    // Opens the application and shows the start window. False when another
    // copy of the game runs on the same preferences: the player has been told,
    // nothing was read or written, and the program is to end.
    [[nodiscard]] bool start();
    // Runs the event loop until the player quits.
    int run();

private:
    // First, so that the font configuration is read while Qt starts.
    fw::FontWarmUp fontWarmUp_;
    // Held until everything else is gone, so that the last save at quit is
    // made under it.
    std::unique_ptr<fw::InstanceLock> instanceLock_;
    std::unique_ptr<QApplication> qtApp_;
    std::unique_ptr<App> app_;
};

} // namespace tibbly
