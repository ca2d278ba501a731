#pragma once

#include "Measure.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>

// Milliseconds since bench/run.sh launched the program: it passes the wall clock
// at launch in BENCH_LAUNCH_NS. Negative when not launched that way.
inline double millisecondsSinceLaunch()
{
    const char* launch = std::getenv("BENCH_LAUNCH_NS");
    if (launch == nullptr)
        return -1;
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    const long long nowNs = now.tv_sec * 1000000000LL + now.tv_nsec;
    return double(nowNs - std::atoll(launch)) / 1e6;
}

// Leaves the event loop once the first window has been painted, and prints how
// long that took from the launch and the memory the program holds by then, for
// bench/run.sh to pick up. The timer fires once the paint has been drawn and
// flushed, so the time covers the whole first paint.
class QuitOnFirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!done_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            done_ = true;
            QTimer::singleShot(0, qApp, [] {
                std::printf("first paint done after: %.2f ms\n", millisecondsSinceLaunch());
                std::printf("resident at first paint: %.1f MB\n", bench::residentMegabytes());
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    bool done_ = false;
};
