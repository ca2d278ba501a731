#pragma once

#include "framework/FontWarmUp.h"

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

    // Opens the application and shows the start window.
    void start();
    // Runs the event loop until the player quits.
    int run();

private:
    // First, so that the font configuration is read while Qt starts.
    fw::FontWarmUp fontWarmUp_;
    std::unique_ptr<QApplication> qtApp_;
    std::unique_ptr<App> app_;
};

} // namespace tibbly
