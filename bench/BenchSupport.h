#pragma once

#include "app/App.h"
#include "framework/Sound.h"

#include <QApplication>
#include <QTemporaryDir>

// A started application for measuring games: preferences in a folder of its
// own, no audio, and no quitting when the last window closes.
class BenchApp {
    // Declared first: the preferences folder and Qt must exist before the App.
    QTemporaryDir config_;
    QApplication qtApp_;

public:
    BenchApp(int& argc, char** argv) : qtApp_(prepare(argc), argv)
    {
        QApplication::setQuitOnLastWindowClosed(false);
        fw::Sound::setAudioEnabled(false);
        app.open();
    }

    tibbly::App app;

private:
    // Runs before the application exists, so that it reads no one's preferences.
    int& prepare(int& argc)
    {
        qputenv("XDG_CONFIG_HOME", config_.path().toUtf8());
        return argc;
    }
};
