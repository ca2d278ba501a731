#pragma once

#include "framework/AudioPlugin.h"

#include <QObject>

namespace fw {

// Plays sounds through Qt Multimedia. Kept out of the program so that a start
// with no sound pays neither for Qt Multimedia nor for the sound server's client.
class QtAudioPlugin : public QObject, public AudioPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID FW_AUDIO_PLUGIN_IID)
    Q_INTERFACES(fw::AudioPlugin)

public:
    [[nodiscard]] std::unique_ptr<AudioVoice> voice(const QString& path) override;

private:
    enum class Output { Unknown, Present, Absent };
    Output output_ = Output::Unknown;
};

} // namespace fw
