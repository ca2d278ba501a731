#include "Application.h"

#include "Window.h"

#include <QApplication>
#include <QGuiApplication>

namespace fw {

namespace {
Application* registered = nullptr;
} // namespace

Application::Application() { registered = this; }

Application::~Application()
{
    if (registered == this)
        registered = nullptr;
}

Application* Application::current() { return registered; }

QString Application::LongVersion() const
{
    return QCoreApplication::applicationName() + QLatin1Char(' ') +
           QCoreApplication::applicationVersion();
}

void Application::open()
{
    if (opened_)
        return;
    opened_ = true;
    Event_Open();
}

bool Application::quit()
{
    // Front window first: the active one, then the others.
    QList<Window*> windows;
    if (auto* active = dynamic_cast<Window*>(QApplication::activeWindow()))
        windows.append(active);
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = dynamic_cast<Window*>(widget); window && !windows.contains(window))
            windows.append(window);
    // Every window is asked before any closes: a window that refuses keeps the
    // others open with it, instead of leaving it alone on the desk.
    for (Window* window : windows)
        if (!window->agreesToQuit())
            return false;
    for (Window* window : windows)
        if (!window->isClosed() && !window->closeForQuit())
            return false;
    finish();
    return true;
}

void Application::finish()
{
    if (finished_)
        return;
    finished_ = true;
    Event_Close();
    QCoreApplication::quit();
}

void Application::attachToEventLoop()
{
    QGuiApplication::setQuitOnLastWindowClosed(false);
    QObject::connect(qApp, &QGuiApplication::lastWindowClosed, qApp, [this] { finish(); });
}

} // namespace fw
