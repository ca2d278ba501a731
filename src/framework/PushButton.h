#pragma once

#include "Control.h"
#include "StaticText.h"

#include <QPushButton>

#include <functional>

namespace fw {

// A push button. The window presses its Default button on Return or Enter and
// its Cancel button on Escape.
class PushButton : public QPushButton, public Control {
public:
    PushButton(QWidget* parent, const Bounds& bounds, const QString& caption,
               const TextStyle& style = {});

    QWidget* widget() override { return this; }

    [[nodiscard]] QString Caption() const { return text(); }
    [[nodiscard]] bool Default() const { return default_; }
    void setDefault(bool isDefault);
    [[nodiscard]] bool Cancel() const { return cancel_; }
    void setCancel(bool isCancel) { cancel_ = isCancel; }

    std::function<void()> onAction;
    std::function<void()> onMouseEnter;
    std::function<void()> onMouseExit;

    // Presses the button as a click would, if it is enabled.
    void push();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool default_ = false;
    bool cancel_ = false;
};

} // namespace fw
