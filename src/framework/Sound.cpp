#include "Sound.h"

#include "Clock.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace fw {

namespace {

enum class Audio { Unknown, Present, Absent };
Audio audio = Audio::Unknown;
std::function<void(const Sound&)> playObserver;

bool audioPresent()
{
    // Probed once: with no output device every QSoundEffect would complain on
    // each play, and would claim to be playing for ever.
    if (audio == Audio::Unknown)
        audio = QMediaDevices::audioOutputs().isEmpty() ? Audio::Absent : Audio::Present;
    return audio == Audio::Present;
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
    if (lengthMs_ == 0 || !audioPresent())
        return;
    if (!effect_) {
        effect_ = std::make_unique<QSoundEffect>();
        effect_->setSource(QUrl(QStringLiteral("qrc") + path_));
    }
    effect_->stop();
    effect_->play();
}

void Sound::Stop()
{
    started_ = false;
    if (effect_)
        effect_->stop();
}

bool Sound::IsPlaying() const
{
    // A sound started on another clock (a test clock since replaced) has no
    // meaningful start here and counts as ended.
    const qint64 elapsed = Clock::current().nowMs() - startedAt_;
    return started_ && elapsed >= 0 && elapsed < lengthMs_;
}

void Sound::setAudioEnabled(bool enabled) { audio = enabled ? Audio::Unknown : Audio::Absent; }

void Sound::setPlayObserver(std::function<void(const Sound&)> observer)
{
    playObserver = std::move(observer);
}

} // namespace fw
