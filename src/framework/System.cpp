#include "System.h"

#include "Cursors.h"

#include <QApplication>
#include <QDesktopServices>
#include <QUrl>

namespace fw {

namespace {
int beeps = 0;
std::function<void(const QString&)> urlHandler;
} // namespace

void Beep()
{
    ++beeps;
    QApplication::beep();
}

int beepCount() { return beeps; }

void ShowURL(const QString& url)
{
    if (urlHandler) {
        urlHandler(url);
        return;
    }
    QDesktopServices::openUrl(QUrl(url));
}

void setShowUrlHandler(std::function<void(const QString&)> handler)
{
    urlHandler = std::move(handler);
}

MouseCursor ArrowCursor() { return QCursor(Qt::ArrowCursor); }
MouseCursor WatchCursor() { return QCursor(Qt::WaitCursor); }

} // namespace fw
