#pragma once

#include <QString>
#include <QtPlugin>

#include <memory>

namespace fw {

// One sound ready to play on the audio device.
class AudioVoice {
public:
    virtual ~AudioVoice() = default;
    // Starts the sound from its beginning, cutting short a play still going.
    virtual void play() = 0;
    virtual void stop() = 0;
};

// What the audio module offers: the sound library and the sound server's client
// are heavy to load, so they live in a plugin that Sound loads on the first play.
class AudioPlugin {
public:
    virtual ~AudioPlugin() = default;
    // path: a Qt resource path of a WAV file. Nothing when the machine has no
    // audio output, so that the caller stays silent.
    [[nodiscard]] virtual std::unique_ptr<AudioVoice> voice(const QString& path) = 0;
};

} // namespace fw

#define FW_AUDIO_PLUGIN_IID "fw.AudioPlugin/1.0"
Q_DECLARE_INTERFACE(fw::AudioPlugin, FW_AUDIO_PLUGIN_IID)
