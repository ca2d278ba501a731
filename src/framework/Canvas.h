#pragma once

#include "Control.h"
#include "Cursors.h"

#include <QWidget>

#include <functional>

namespace fw {

class Graphics;
class Picture;

// A drawing control: shows its backdrop picture at its own size from the top
// left, then whatever its Paint handler draws. A MouseDown that returns true
// gets its MouseUp wherever the mouse is released.
class Canvas : public QWidget, public Control {
public:
    explicit Canvas(QWidget* parent, const Bounds& bounds = {});

    QWidget* widget() override { return this; }

    [[nodiscard]] const Picture* Backdrop() const { return backdrop_; }
    void setBackdrop(const Picture* picture);
    void setMouseCursor(const MouseCursor& cursor) { setCursor(cursor); }

    std::function<void(Graphics&)> onPaint;
    std::function<bool(int, int)> onMouseDown;
    std::function<void(int, int)> onMouseUp;
    std::function<void()> onMouseEnter;
    std::function<void()> onMouseExit;

    // Synthesised input, for tests and for keyboard equivalents: a press at
    // (x, y) then a release at (releaseX, releaseY), in control coordinates.
    void click(int x = 1, int y = 1);
    void press(int x, int y);
    void release(int x, int y);

protected:
    virtual void Event_Paint(Graphics& g);
    virtual bool Event_MouseDown(int x, int y);
    virtual void Event_MouseUp(int x, int y);
    virtual void Event_MouseEnter();
    virtual void Event_MouseExit();

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    const Picture* backdrop_ = nullptr;
    bool mouseAccepted_ = false;
};

} // namespace fw
