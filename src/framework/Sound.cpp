#include "Sound.h"

#include "AudioPlugin.h"
#include "Clock.h"

#include <QCoreApplication>
#include <QFile>
#include <QPluginLoader>

namespace fw {

namespace {

struct AudioModule {
    bool enabled = true;
    bool looked = false;
    QString path; // empty: the usual places
    AudioPlugin* plugin = nullptr;
};
AudioModule audio;
std::function<void(const Sound&)> playObserver;

// Only the module beside the program is ever loaded: code is never taken from
// a folder that someone else may write to. Tests and benchmarks, which live in
// folders of their own, name the module they load.
QString audioModulePath()
{
    if (!audio.path.isEmpty())
        return audio.path;
    return QCoreApplication::applicationDirPath() + u'/' + QStringLiteral(FW_AUDIO_MODULE_NAME);
}

AudioPlugin* loadAudioModule()
{
    const QString file = audioModulePath();
    QPluginLoader loader(file);
    // The module stays loaded for good: voices made by it outlive any loader.
    QObject* root = loader.instance();
    if (auto* plugin = qobject_cast<AudioPlugin*>(root))
        return plugin;
    QString failure;
    if (root)
        failure = QStringLiteral("%1 is not an audio module").arg(file);
    else if (!QFile::exists(file))
        failure = QStringLiteral("%1 does not exist").arg(file);
    else
        failure = loader.errorString();
    qWarning().noquote() << "Sounds stay silent:" << failure;
    return nullptr;
}

AudioPlugin* audioPlugin()
{
    if (!audio.enabled)
        return nullptr;
    if (!audio.looked) {
        audio.looked = true;
        audio.plugin = loadAudioModule();
    }
    return audio.plugin;
}

} // namespace

Sound::Sound(QString path) : path_(std::move(path))
{
    QFile file(path_);
    if (file.open(QIODevice::ReadOnly))
        lengthMs_ = std::max<qint64>(0, wavLengthMs(file.readAll()));
}

Sound::~Sound() = default;

void Sound::Play()
{
    ++playCount_;
    started_ = true;
    startedAt_ = Clock::current().nowMs();
    if (playObserver)
        playObserver(*this);
    if (lengthMs_ == 0)
        return;
    AudioPlugin* plugin = audioPlugin();
    if (!plugin)
        return;
    if (!voice_)
        voice_ = plugin->voice(path_);
    if (voice_)
        voice_->play();
}

void Sound::Stop()
{
    started_ = false;
    if (voice_)
        voice_->stop();
}

bool Sound::IsPlaying() const
{
    // A sound started on another clock (a test clock since replaced) has no
    // meaningful start here and counts as ended.
    const qint64 elapsed = Clock::current().nowMs() - startedAt_;
    return started_ && elapsed >= 0 && elapsed < lengthMs_;
}

void Sound::setAudioEnabled(bool enabled)
{
    audio = {.enabled = enabled, .path = std::move(audio.path)};
}

void Sound::setAudioModule(QString path)
{
    audio = {.enabled = audio.enabled, .path = std::move(path)};
}

bool Sound::audioModuleLoaded() { return audio.plugin != nullptr; }

void Sound::setPlayObserver(std::function<void(const Sound&)> observer)
{
    playObserver = std::move(observer);
}

} // namespace fw
