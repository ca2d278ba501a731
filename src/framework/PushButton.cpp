#include "PushButton.h"

namespace fw {

PushButton::PushButton(QWidget* parent, const Bounds& bounds, const QString& caption,
                       const TextStyle& style)
    : QPushButton(caption, parent)
{
    setBounds(bounds);
    applyTextStyle(*this, style);
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, [this] {
        if (onAction)
            onAction();
    });
}

void PushButton::setDefault(bool isDefault)
{
    default_ = isDefault;
    QPushButton::setDefault(isDefault);
}

void PushButton::push()
{
    if (isEnabled())
        click();
}

void PushButton::enterEvent(QEnterEvent* event)
{
    QPushButton::enterEvent(event);
    if (onMouseEnter)
        onMouseEnter();
}

void PushButton::leaveEvent(QEvent* event)
{
    QPushButton::leaveEvent(event);
    if (onMouseExit)
        onMouseExit();
}

} // namespace fw
