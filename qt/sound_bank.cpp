// The sound module: the cues on Qt Multimedia. Loaded at run time by the cue player.

#include "qt/sound_bank.h"

#include <QAudio>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <array>
#include <memory>

namespace tarvolenka::qt {
namespace {

class EffectsBank : public SoundBank {
 public:
  EffectsBank() {
    for (const CueSpec& desc : kCues) {
      auto effect = std::make_unique<QSoundEffect>();
      effect->setSource(QUrl(QStringLiteral("qrc:/sounds/%1")
                                 .arg(QString::fromUtf8(desc.resource.data(),
                                                        static_cast<int>(desc.resource.size())))));
      effects_[static_cast<std::size_t>(desc.cue)] = std::move(effect);
    }
  }

  void SetVolume(float loudness) override {
    // The ear hears loudness on a logarithmic scale; the effects take a linear gain.
    const auto gain = static_cast<float>(
        QAudio::convertVolume(loudness, QAudio::LogarithmicVolumeScale, QAudio::LinearVolumeScale));
    for (const auto& effect : effects_)
      if (effect != nullptr) effect->setVolume(gain);
  }

  void Play(Cue cue) override {
    QSoundEffect* effect = effects_[static_cast<std::size_t>(cue)].get();
    if (effect == nullptr || effect->status() == QSoundEffect::Error) return;
    if (playing_ != nullptr && playing_ != effect) playing_->stop();
    effect->stop();
    effect->play();
    playing_ = effect;
  }

 private:
  std::array<std::unique_ptr<QSoundEffect>, kCueCount> effects_;
  QSoundEffect* playing_ = nullptr;
};

}  // namespace
}  // namespace tarvolenka::qt

extern "C" Q_DECL_EXPORT tarvolenka::qt::SoundBank* tarvolenka_open_sound_bank() {
  if (QMediaDevices::audioOutputs().isEmpty()) return nullptr;
  return new tarvolenka::qt::EffectsBank;
}
