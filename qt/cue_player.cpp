#include "qt/cue_player.h"

#include <QCoreApplication>
#include <QStringList>

namespace tarvolenka::qt {
namespace {

// Where the sound module is: installed, at the same place relative to the program as the
// install put it; in the build tree, where the build wrote it.
QStringList ModulePlaces() {
  return {QCoreApplication::applicationDirPath() + QStringLiteral("/" TARVOLENKA_SOUND_MODULE),
          QStringLiteral(TARVOLENKA_SOUND_MODULE_BUILT)};
}

}  // namespace

CuePlayer::CuePlayer() = default;

// The bank goes before the module that holds its code; the module itself stays loaded.
CuePlayer::~CuePlayer() = default;

void CuePlayer::Prepare() {
  if (prepared_) return;
  prepared_ = true;
  if (!qEnvironmentVariableIsEmpty("TARVOLENKA_MUTE")) return;
  for (const QString& place : ModulePlaces()) {
    module_.setFileName(place);
    if (module_.load()) break;
  }
  if (!module_.isLoaded()) return;
  if (auto open = reinterpret_cast<OpenSoundBank>(module_.resolve(kOpenSoundBankName)))
    bank_.reset(open());
  SetVolume(volume_);
}

void CuePlayer::SetVolume(int percent) {
  volume_ = percent;
  if (bank_ != nullptr) bank_->SetVolume(static_cast<float>(percent) / 100.0F);
}

void CuePlayer::Play(Cue cue) {
  Prepare();
  if (bank_ != nullptr) bank_->Play(cue);
}

}  // namespace tarvolenka::qt
