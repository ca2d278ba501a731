#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>
#include <memory>

namespace fw {

class AudioVoice;

// A short sound from the resource store. IsPlaying is true from Play until the
// sound's own length has passed on the framework's clock, whatever the audio
// device does, so game logic that waits for a sound never hangs on a machine
// without audio.
class Sound {
public:
    // path: a Qt resource path of a 16-bit PCM WAV file; its length is read from
    // the header. A file that is not a readable WAV gives a silent sound of length 0.
    explicit Sound(QString path);
    ~Sound();
    Sound(const Sound&) = delete;
    Sound& operator=(const Sound&) = delete;

    void Play();
    void Stop();
    [[nodiscard]] bool IsPlaying() const;
    [[nodiscard]] qint64 lengthMs() const { return lengthMs_; }
    [[nodiscard]] int playCount() const { return playCount_; }

    // The audio module is loaded on the first Play that has something to play,
    // from beside the program and from nowhere else; where it cannot be loaded,
    // every sound stays silent and the first Play says why on standard error.
    // Tests and benchmarks switch audio off, or name the module to load (an
    // empty path goes back to the one beside the program); either setting makes
    // the next Play look again.
    static void setAudioEnabled(bool enabled);
    static void setAudioModule(QString path);
    [[nodiscard]] static bool audioModuleLoaded();
    // Called on every Play; tests use it to see which sounds were played.
    static void setPlayObserver(std::function<void(const Sound&)> observer);
    [[nodiscard]] const QString& path() const { return path_; }

private:
    QString path_;
    qint64 lengthMs_ = 0;
    qint64 startedAt_ = 0;
    bool started_ = false;
    int playCount_ = 0;
    std::unique_ptr<AudioVoice> voice_;
};

// Reads the length in milliseconds of a PCM WAV file held in memory; -1 when the
// data is not a WAV file this reader understands.
[[nodiscard]] qint64 wavLengthMs(const QByteArray& data);

} // namespace fw
