#include "Clock.h"

#include "Timer.h"

#include <QDateTime>

#include <algorithm>

namespace fw {

namespace {
Clock* installed = nullptr;
} // namespace

Clock& Clock::current()
{
    if (installed)
        return *installed;
    static RealClock realClock;
    return realClock;
}

void Clock::install(Clock* clock) { installed = clock; }

RealClock::RealClock() : origin_(QDateTime::currentMSecsSinceEpoch()) {}

qint64 RealClock::nowMs() const { return QDateTime::currentMSecsSinceEpoch() - origin_; }

void RealClock::schedule(Timer& timer, qint64 dueMs)
{
    const auto delay = std::max<qint64>(0, dueMs - nowMs());
    timer.qtTimer_.start(static_cast<int>(delay), Qt::PreciseTimer, &timer);
}

void RealClock::cancel(Timer& timer) { timer.qtTimer_.stop(); }

TestClock::~TestClock()
{
    if (&Clock::current() == this)
        Clock::install(nullptr);
}

void TestClock::schedule(Timer& timer, qint64 dueMs)
{
    cancel(timer);
    armed_.push_back({&timer, dueMs, nextSeq_++});
}

void TestClock::cancel(Timer& timer)
{
    std::erase_if(armed_, [&](const Entry& e) { return e.timer == &timer; });
}

void TestClock::advance(qint64 ms)
{
    const qint64 target = now_ + ms;
    for (;;) {
        auto next =
            std::min_element(armed_.begin(), armed_.end(), [](const Entry& a, const Entry& b) {
                return a.due != b.due ? a.due < b.due : a.seq < b.seq;
            });
        if (next == armed_.end() || next->due > target)
            break;
        Timer* timer = next->timer;
        now_ = std::max(now_, next->due);
        armed_.erase(next);
        timer->fire();
    }
    now_ = target;
}

} // namespace fw
