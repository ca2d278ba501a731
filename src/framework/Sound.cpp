#include "Sound.h"

#include "Clock.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <QtEndian>

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

quint32 le32(const char* p) { return qFromLittleEndian<quint32>(p); }
quint16 le16(const char* p) { return qFromLittleEndian<quint16>(p); }

} // namespace

qint64 wavLengthMs(const QByteArray& data)
{
    if (data.size() < 12 || !data.startsWith("RIFF") || data.mid(8, 4) != "WAVE")
        return -1;
    quint32 byteRate = 0;
    qsizetype pos = 12;
    while (pos + 8 <= data.size()) {
        const char* chunk = data.constData() + pos;
        const quint32 size = le32(chunk + 4);
        if (QByteArray(chunk, 4) == "fmt " && size >= 16 && pos + 8 + 16 <= data.size()) {
            if (le16(chunk + 8) != 1)
                return -1; // not PCM
            byteRate = le32(chunk + 16);
        } else if (QByteArray(chunk, 4) == "data") {
            if (byteRate == 0)
                return -1;
            const qint64 available = std::min<qint64>(size, data.size() - pos - 8);
            return available * 1000 / byteRate;
        }
        pos += 8 + qint64(size) + (size & 1);
    }
    return -1;
}

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

void Sound::setAudioEnabled(bool enabled)
{
    audio = enabled ? Audio::Unknown : Audio::Absent;
}

void Sound::setPlayObserver(std::function<void(const Sound&)> observer)
{
    playObserver = std::move(observer);
}

} // namespace fw
