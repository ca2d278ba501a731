#pragma once

#include <thread>

namespace fw {

// Reads the system's font configuration on a thread of its own while the
// program connects to the display. Reading it is a large share of the time
// before a first window with text can show, and nothing else needs it until
// the first letter is measured. finish() waits for the reading; call it before
// any text is measured or drawn, so that the two threads never read it twice.
class FontWarmUp {
public:
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

    void finish();

private:
    std::thread reader_;
};

} // namespace fw
