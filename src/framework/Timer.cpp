#include "Timer.h"

#include "Clock.h"

#include <QTimerEvent>

namespace fw {

Timer::Timer(QObject* owner, int mode, int periodMs) : QObject(owner), period_(periodMs)
{
    setMode(mode);
}

Timer::~Timer() { Clock::current().cancel(*this); }

void Timer::setMode(int mode)
{
    mode_ = mode;
    rearm();
}

void Timer::setPeriod(int periodMs)
{
    period_ = periodMs;
    rearm();
}

void Timer::rearm()
{
    Clock& clock = Clock::current();
    if (mode_ == 0)
        clock.cancel(*this);
    else
        clock.schedule(*this, clock.nowMs() + period_);
}

void Timer::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != qtTimer_.timerId()) {
        QObject::timerEvent(event);
        return;
    }
    qtTimer_.stop();
    fire();
}

void Timer::fire()
{
    // The next firing is settled before Action runs, so that whatever Action
    // does to Mode or Period wins.
    if (mode_ == 1)
        mode_ = 0;
    else if (mode_ == 2)
        rearm();
    else
        return;
    Event_Action();
}

void Timer::Event_Action()
{
    if (onAction)
        onAction();
}

} // namespace fw
