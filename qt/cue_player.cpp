#include "qt/cue_player.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QTimer>
#include <QUrl>

namespace tarvolenka::qt {

CuePlayer::CuePlayer() {
  QTimer::singleShot(500, &lifetime_, [this] { Prepare(); });
}

void CuePlayer::Prepare() {
  if (prepared_) return;
  prepared_ = true;
  available_ =
      !QMediaDevices::audioOutputs().isEmpty() && qEnvironmentVariableIsEmpty("TARVOLENKA_MUTE");
  if (!available_) return;
  for (const CueSpec& desc : kCues) {
    auto effect = std::make_unique<QSoundEffect>();
    effect->setSource(QUrl(
        QStringLiteral("qrc:/sounds/%1")
            .arg(QString::fromUtf8(desc.resource.data(), static_cast<int>(desc.resource.size())))));
    effects_[static_cast<std::size_t>(desc.cue)] = std::move(effect);
  }
}

CuePlayer::~CuePlayer() = default;

void CuePlayer::Play(Cue cue) {
  Prepare();
  if (!available_) return;
  QSoundEffect* effect = effects_[static_cast<std::size_t>(cue)].get();
  if (effect == nullptr || effect->status() == QSoundEffect::Error) return;
  if (playing_ != nullptr && playing_ != effect) playing_->stop();
  effect->stop();
  effect->play();
  playing_ = effect;
}

}  // namespace tarvolenka::qt
