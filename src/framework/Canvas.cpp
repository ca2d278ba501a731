#include "Canvas.h"

#include "Graphics.h"
#include "Picture.h"

#include <QMouseEvent>
#include <QPainter>

namespace fw {

Canvas::Canvas(QWidget* parent, const Bounds& bounds) : QWidget(parent)
{
    setBounds(bounds);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void Canvas::setBackdrop(const Picture* picture)
{
    if (backdrop_ == picture)
        return;
    backdrop_ = picture;
    update();
}

void Canvas::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Graphics g(painter, width(), height());
    if (backdrop_)
        g.DrawPicture(backdrop_, 0, 0);
    Event_Paint(g);
}

void Canvas::Event_Paint(Graphics& g)
{
    if (onPaint)
        onPaint(g);
}

bool Canvas::Event_MouseDown(int x, int y) { return onMouseDown ? onMouseDown(x, y) : false; }

void Canvas::Event_MouseUp(int x, int y)
{
    if (onMouseUp)
        onMouseUp(x, y);
}

void Canvas::Event_MouseEnter()
{
    if (onMouseEnter)
        onMouseEnter();
}

void Canvas::Event_MouseExit()
{
    if (onMouseExit)
        onMouseExit();
}

void Canvas::press(int x, int y) { mouseAccepted_ = Event_MouseDown(x, y); }

void Canvas::release(int x, int y)
{
    if (!mouseAccepted_)
        return;
    mouseAccepted_ = false;
    Event_MouseUp(x, y);
}

void Canvas::click(int x, int y)
{
    press(x, y);
    release(x, y);
}

void Canvas::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint p = event->position().toPoint();
    press(p.x(), p.y());
}

void Canvas::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    // The control may have moved since the press (the press offset), so the
    // release point is taken in window terms and mapped back.
    const QPoint p = mapFromGlobal(event->globalPosition().toPoint());
    release(p.x(), p.y());
}

void Canvas::enterEvent(QEnterEvent*) { Event_MouseEnter(); }
void Canvas::leaveEvent(QEvent*) { Event_MouseExit(); }

} // namespace fw
