#include "framework/Sound.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Every test program runs headless, silent, and with a preferences folder of
// its own, so no test ever touches the player's real files.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tibbly"));
    QApplication::setApplicationVersion(QStringLiteral("test"));
    QApplication::setQuitOnLastWindowClosed(false);
    fw::Sound::setAudioEnabled(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
