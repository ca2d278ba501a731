#pragma once

#include "framework/StaticText.h"

namespace tibbly {

// The maker's web address in blue, as the start and About windows show it: a
// click opens it in the web browser, and while the mouse is over it the whole
// window shows the finger.
class WebLink : public fw::StaticText {
public:
    WebLink(QWidget* parent, const fw::Bounds& bounds, const QString& address);
};

} // namespace tibbly
