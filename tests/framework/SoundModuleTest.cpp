#include "framework/Clock.h"
#include "framework/Sound.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Our own warnings only: Qt Multimedia has its own say on a machine without a
// sound server.
QStringList warnings;
QtMessageHandler previousHandler = nullptr;

void recordWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("Sounds stay silent")))
        warnings.append(message);
    previousHandler(type, context, message);
}

// Audio switched on as in the running program, with its warnings recorded. The
// test program otherwise keeps audio off, so it is switched off again after.
class SoundModule : public ::testing::Test {
protected:
    void SetUp() override
    {
        warnings.clear();
        previousHandler = qInstallMessageHandler(recordWarnings);
        fw::Sound::setAudioModule({});
        fw::Sound::setAudioEnabled(true);
    }

    void TearDown() override
    {
        fw::Sound::setAudioEnabled(false);
        fw::Sound::setAudioModule({});
        qInstallMessageHandler(previousHandler);
    }

    // Plays the sound and checks that it counts as playing for its own length
    // on the test clock, whatever became of the audio.
    void playThrough(fw::Sound& sound)
    {
        ASSERT_GT(sound.lengthMs(), 0);
        sound.Play();
        EXPECT_TRUE(sound.IsPlaying());
        clock->advance(sound.lengthMs() - 1);
        EXPECT_TRUE(sound.IsPlaying());
        clock->advance(1);
        EXPECT_FALSE(sound.IsPlaying());
    }

    fw::ScopedTestClock clock;
};

} // namespace

TEST_F(SoundModule, LoadsOnTheFirstPlayAndPlaysEverySoundOfTheStore)
{
    fw::Sound::setAudioModule(QStringLiteral(TIBBLY_AUDIO_MODULE));
    fw::Sound intro(QStringLiteral(":/store/sound/175.wav"));
    EXPECT_FALSE(fw::Sound::audioModuleLoaded());
    playThrough(intro);
    EXPECT_TRUE(fw::Sound::audioModuleLoaded());

    for (int id = 168; id <= 179; ++id) {
        SCOPED_TRACE(id);
        fw::Sound sound(QStringLiteral(":/store/sound/%1.wav").arg(id));
        playThrough(sound);
        sound.Play();
        sound.Stop();
        EXPECT_FALSE(sound.IsPlaying());
    }
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join(u'\n').toStdString();
}

TEST_F(SoundModule, WithoutAModuleSoundsAreSilentTimedAndReportedOnce)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString notALibrary = dir.filePath(QStringLiteral("libnotaudio.so"));
    QFile file(notALibrary);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a shared library");
    file.close();

    // A test program lives in a folder of its own: the module, built in
    // another, must not be taken from there for it.
    const QString besideTheProgram = QCoreApplication::applicationDirPath() + u'/' +
                                     QFileInfo(QStringLiteral(TIBBLY_AUDIO_MODULE)).fileName();
    ASSERT_FALSE(QFile::exists(besideTheProgram));

    const struct {
        const char* what;
        QString path;
        QString told = path;
    } cases[] = {
        {"none beside the program", {}, besideTheProgram},
        {"missing", dir.filePath(QStringLiteral("libnowhere.so"))},
        {"not a library", notALibrary},
        {"not a plugin",
         QLibraryInfo::path(QLibraryInfo::LibrariesPath) + QStringLiteral("/libQt6Core.so.6")},
        {"another kind of plugin", QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                                       QStringLiteral("/platforms/libqoffscreen.so")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        warnings.clear();
        fw::Sound::setAudioModule(c.path);
        fw::Sound pop(QStringLiteral(":/store/sound/176.wav"));
        fw::Sound intro(QStringLiteral(":/store/sound/175.wav"));
        playThrough(pop);
        playThrough(intro);
        playThrough(pop);
        EXPECT_FALSE(fw::Sound::audioModuleLoaded());
        ASSERT_EQ(warnings.size(), 1);
        EXPECT_TRUE(warnings.front().contains(c.told)) << warnings.front().toStdString();
    }
}

TEST_F(SoundModule, SwitchedOffAudioNeverLoadsTheModuleAndKeepsTheSoundsLength)
{
    fw::Sound::setAudioEnabled(false);
    fw::Sound intro(QStringLiteral(":/store/sound/175.wav"));
    ASSERT_GT(intro.lengthMs(), 2000);
    EXPECT_FALSE(intro.IsPlaying());
    playThrough(intro);
    EXPECT_FALSE(fw::Sound::audioModuleLoaded());
    EXPECT_TRUE(warnings.isEmpty());
}
