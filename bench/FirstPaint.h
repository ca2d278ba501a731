#pragma once

#include "Measure.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cstdio>

// Leaves the event loop once the first window has been painted, and prints the
// memory the program holds by then for bench/run.sh to pick up.
class QuitOnFirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!done_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            done_ = true;
            QTimer::singleShot(0, qApp, [] {
                std::printf("resident at first paint: %.1f MB\n", bench::residentMegabytes());
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

private:
    bool done_ = false;
};
