#include "StaticText.h"

#include "Graphics.h"

#include <QMouseEvent>

namespace fw {

void applyTextStyle(QWidget& widget, const TextStyle& style)
{
    QFont font = systemFont(style.font, style.size, style.bold, style.italic);
    font.setUnderline(style.underline);
    widget.setFont(font);
    // Only the enabled looks take the style's colour, so a disabled control
    // still looks disabled.
    QPalette palette = widget.palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, style.color);
        palette.setColor(group, QPalette::Text, style.color);
    }
    widget.setPalette(palette);
}

StaticText::StaticText(QWidget* parent, const Bounds& bounds, const QString& text,
                       const TextStyle& style)
    : QLabel(text, parent)
{
    setBounds(bounds);
    applyTextStyle(*this, style);
    const Qt::Alignment horizontal = style.alignment == kAlignCentre  ? Qt::AlignHCenter
                                     : style.alignment == kAlignRight ? Qt::AlignRight
                                                                      : Qt::AlignLeft;
    setAlignment(horizontal | (style.multiline ? Qt::AlignTop : Qt::AlignVCenter));
    setWordWrap(style.multiline);
    setTextFormat(Qt::PlainText);
}

void StaticText::setTextColor(const QColor& color)
{
    QPalette palette = this->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive})
        palette.setColor(group, QPalette::WindowText, color);
    setPalette(palette);
}

void StaticText::mousePressEvent(QMouseEvent* event)
{
    mouseAccepted_ = event->button() == Qt::LeftButton && onMouseDown &&
                     onMouseDown(event->position().toPoint().x(), event->position().toPoint().y());
}

void StaticText::mouseReleaseEvent(QMouseEvent* event)
{
    if (!mouseAccepted_ || event->button() != Qt::LeftButton)
        return;
    mouseAccepted_ = false;
    if (onMouseUp)
        onMouseUp(event->position().toPoint().x(), event->position().toPoint().y());
}

void StaticText::enterEvent(QEnterEvent*)
{
    if (onMouseEnter)
        onMouseEnter();
}

void StaticText::leaveEvent(QEvent*)
{
    if (onMouseExit)
        onMouseExit();
}

} // namespace fw
