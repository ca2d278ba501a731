#include "framework/Sound.h"

#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The headless platform says, for every fixed-size window, that it cannot
// pass size hints on; that is expected and only hides real messages.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.contains(QLatin1String("does not support propagateSizeHints")))
        return;
    qt_message_output(type, context, message);
}

} // namespace

// Every test program runs headless, silent, and with a preferences folder of
// its own, so no test ever touches the player's real files.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    qInstallMessageHandler(quietHandler);
    QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tibbly"));
    QApplication::setApplicationVersion(QStringLiteral("test"));
    QApplication::setQuitOnLastWindowClosed(false);
    fw::Sound::setAudioEnabled(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
