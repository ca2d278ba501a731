#include "QtAudioPlugin.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace fw {

namespace {

class EffectVoice final : public AudioVoice {
public:
    explicit EffectVoice(const QString& path)
    {
        effect_.setSource(QUrl(QStringLiteral("qrc") + path));
    }

    void play() override
    {
        effect_.stop();
        effect_.play();
    }
    void stop() override { effect_.stop(); }

private:
    QSoundEffect effect_;
};

} // namespace

std::unique_ptr<AudioVoice> QtAudioPlugin::voice(const QString& path)
{
    // Probed once: with no output device every QSoundEffect would complain on
    // each play.
    if (output_ == Output::Unknown)
        output_ = QMediaDevices::audioOutputs().isEmpty() ? Output::Absent : Output::Present;
    if (output_ == Output::Absent)
        return nullptr;
    return std::make_unique<EffectVoice>(path);
}

} // namespace fw
