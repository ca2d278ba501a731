#pragma once

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <sys/resource.h>

// What the benchmarks measure with: resident memory, CPU time, a stretch of
// the real event loop and the cost of repainting a window.
namespace bench {

inline double residentMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return -1;
}

inline double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

inline void runEventLoopFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Counts the paint events that reach one widget.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// The mean time of one full repaint of window, in milliseconds. A window that
// is not on screen paints nothing, so it is shown and its exposure awaited
// first; where it still does not paint, the figure is -1.
inline double repaintMs(QWidget& window, int repaints = 300)
{
    window.show();
    QElapsedTimer waited;
    waited.start();
    while (!(window.windowHandle() && window.windowHandle()->isExposed()) &&
           waited.elapsed() < 5000)
        runEventLoopFor(10);
    PaintCounter counter(window);
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < repaints; ++i)
        window.repaint();
    const double ms = double(timer.nsecsElapsed()) / 1e6 / repaints;
    return counter.paints == repaints ? ms : -1;
}

} // namespace bench
