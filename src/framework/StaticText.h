#pragma once

#include "Control.h"
#include "Cursors.h"

#include <QLabel>

#include <functional>

namespace fw {

constexpr int kAlignLeft = 0;
constexpr int kAlignCentre = 1;
constexpr int kAlignRight = 2;

// How a text is set: font, size in pixels (0: the system size), style, colour
// and alignment. Written with designated initializers, as in
// {.size = 12, .color = Qt::red, .alignment = kAlignCentre}.
struct TextStyle {
    QString font = QStringLiteral("System");
    int size = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    QColor color = Qt::black;
    int alignment = kAlignLeft;
    bool multiline = false;
};

// A label. It can take mouse events, so that a label can serve as a web link.
class StaticText : public QLabel, public Control {
public:
    StaticText(QWidget* parent, const Bounds& bounds, const QString& text,
               const TextStyle& style = {});

    QWidget* widget() override { return this; }

    [[nodiscard]] QString Text() const { return text(); }
    void setText(const QString& text) { QLabel::setText(text); }
    void setTextColor(const QColor& color);

    std::function<bool(int, int)> onMouseDown;
    std::function<void(int, int)> onMouseUp;
    std::function<void()> onMouseEnter;
    std::function<void()> onMouseExit;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool mouseAccepted_ = false;
};

// Applies a TextStyle's font, colour and alignment to a widget.
void applyTextStyle(QWidget& widget, const TextStyle& style);

} // namespace fw
