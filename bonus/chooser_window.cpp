#include "bonus/chooser_window.h"

#include "bonus/draw_cell.h"
#include "catalogue/durations.h"
#include "core/sound.h"

namespace tarvolenka {
namespace {

// The picture each bonus shows when its hat is lifted, by bonus number 1..3.
constexpr std::array<ChooserEl, 3> kRevealed{ChooserEl::ImagePianBonus, ChooserEl::ImageMezeBonus,
                                             ChooserEl::ImageZlatenBonus};

}  // namespace

TForm10::TForm10(Desktop& desktop, Machine& machine) : d_(desktop), m_(machine) {}

void TForm10::FormShow() {
  for (int k = 1; k <= 3; ++k) d_.CopyPicture(Ref(ChooserHat(k)), Ref(ChooserEl::ImageShapka));
  hatContents_.fill(0);
  for (auto& content : hatContents_) content = DrawUnusedValue(m_.Rng, hatContents_, 3);
  picked_ = false;
}

// Closing without a pick would leave the bonus unplayed: the window waits for its pick.
bool TForm10::CloseRequested() {
  return picked_;
}

void TForm10::Click(std::uint16_t handler, int number) {
  switch (static_cast<ChooserClick>(handler)) {
    case ChooserClick::None:
      return;
    case ChooserClick::ImageClick:
      return ImageClick(number);
  }
}

void TForm10::ImageClick(int hat) {
  if (picked_ || hat < 1 || hat > 3) return;  // the pick is final
  picked_ = true;
  PlayCue(d_, m_.State, Cue::Chasha);
  const std::uint8_t bonus = hatContents_[static_cast<std::size_t>(hat - 1)];
  m_.BonusChoice = bonus;
  d_.CopyPicture(Ref(ChooserHat(hat)), Ref(kRevealed[static_cast<std::size_t>(bonus - 1)]));
  d_.Repaint(WindowId::Chooser);
  d_.Pause(durations::kAfterHatPick);
  d_.Close(WindowId::Chooser);
}

}  // namespace tarvolenka
