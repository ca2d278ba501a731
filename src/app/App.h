#pragma once

#include "framework/Application.h"
#include "framework/Random.h"

#include <memory>

namespace tibbly {

// The application object: it owns the one random generator that every game
// draws from, reads the preferences when the program opens and writes them,
// if anything changed, when it quits.
class App : public fw::Application {
public:
    App();
    ~App() override;

    // The registered application object.
    static App& instance();

    // Every random number of the program comes from here. Made by the Open
    // event; tests may put a seeded or scripted generator in its place.
    std::unique_ptr<fw::Random> r;

protected:
    void Event_Open() override;
    void Event_Close() override;
};

} // namespace tibbly
