#pragma once

#include <QString>

#include <functional>

namespace fw {

// The system beep. Tests count beeps instead of hearing them.
void Beep();
[[nodiscard]] int beepCount();

// Opens an address in the system web browser. Tests catch the address instead.
void ShowURL(const QString& url);
void setShowUrlHandler(std::function<void(const QString&)> handler);

} // namespace fw
