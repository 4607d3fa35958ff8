// The dashboard: counters, the level gauge and the player's controls.

#include <algorithm>
#include <array>
#include <limits>
#include <string>

#include "core/arith.h"
#include "core/main_window.h"
#include "core/stake_ladder.h"

namespace tarvolenka {
namespace {

struct Control {
  std::uint8_t Machine::*flag;
  MainEl element;
  MainEl active;
  MainEl grey;
};

constexpr std::array<Control, 7> kControls{{
    {&Machine::StartEnabled, MainEl::ImageStart, MainEl::Image16, MainEl::Image17},
    {&Machine::DoubleEnabled, MainEl::ImageDouble, MainEl::Image18, MainEl::Image19},
    {&Machine::KanalPlusEnabled, MainEl::ImageKanalPlus, MainEl::Image22, MainEl::Image23},
    {&Machine::KanalMinusEnabled, MainEl::ImageKanalMinus, MainEl::Image24, MainEl::Image25},
    {&Machine::LinesPlusEnabled, MainEl::ImageLinesPlus, MainEl::Image22, MainEl::Image23},
    {&Machine::LinesMinusEnabled, MainEl::ImageLinesMinus, MainEl::Image24, MainEl::Image25},
    {&Machine::TablicaEnabled, MainEl::ImageTablica, MainEl::Image20, MainEl::Image21},
}};

std::string Decimal(std::int64_t v) {
  return std::to_string(v);
}

// Progress 0..100 towards the next level. The span is a hundredth of the level's width; a
// width under 100 leaves no span to divide by, and then the bar shows full.
int GaugePosition(const GameState& s) {
  const auto width = static_cast<std::int64_t>(static_cast<std::uint64_t>(s.NextLevelExperience) -
                                               static_cast<std::uint64_t>(s.LevelStartExperience));
  const auto gained = static_cast<std::int64_t>(static_cast<std::uint64_t>(s.Experience) -
                                                static_cast<std::uint64_t>(s.LevelStartExperience));
  const std::int64_t span = width / 100;
  if (span == 0) return 100;
  if (span == -1 && gained == std::numeric_limits<std::int64_t>::min()) return 100;
  return static_cast<int>(std::clamp<std::int64_t>(gained / span, 0, 100));
}

}  // namespace

void TForm1::RefreshDisplay() {
  GameState& s = m_.State;
  s.TotalStake = WrapMul32(s.LineCount, s.LineStake);
  s.MaxLineStake = WrapMul32(s.Level, 10);
  d_.SetText(Ref(MainEl::Level11), Decimal(s.Level));
  d_.SetText(Ref(MainEl::Expirience1),
             Decimal(s.Experience) + "  /  " + Decimal(s.NextLevelExperience));
  d_.SetGauge(Ref(MainEl::Gauge1), GaugePosition(s));
  d_.SetText(Ref(MainEl::Credit), Decimal(s.Balance));
  d_.SetText(Ref(MainEl::Lines), Decimal(s.LineCount));
  d_.SetText(Ref(MainEl::Kanal), Decimal(s.LineStake));
  d_.SetText(Ref(MainEl::TotalKanal), Decimal(s.TotalStake));
  d_.SetText(Ref(MainEl::Pechalba), Decimal(s.LastWin));
  if (m_.FreeSpins > 0) {
    d_.SetText(Ref(MainEl::FreeSpins1), Decimal(m_.FreeSpins));
    d_.SetVisible(Ref(MainEl::FreeSpins1), true);
  } else {
    d_.SetText(Ref(MainEl::FreeSpins1), "");
    d_.SetVisible(Ref(MainEl::FreeSpins1), false);
  }
}

void TForm1::EnableControls() {
  const bool won = m_.State.LastWin > 0;
  for (const Control& c : kControls) {
    // The double-up only comes alive after a win; otherwise it keeps its state.
    if (c.element == MainEl::ImageDouble && !won) continue;
    m_.*c.flag = 1;
    SetPicture(c.element, c.active);
  }
}

void TForm1::DisableControls() {
  for (const Control& c : kControls) {
    m_.*c.flag = 0;
    SetPicture(c.element, c.grey);
  }
}

void TForm1::ImageLinesMinusClick() {
  if (m_.LinesMinusEnabled == 0) return;
  GameState& s = m_.State;
  s.LineCount = std::max(s.LineCount - 1, 1);
  s.TotalStake = WrapMul32(s.LineCount, s.LineStake);
  RefreshDisplay();
}

void TForm1::ImageLinesPlusClick() {
  if (m_.LinesPlusEnabled == 0) return;
  GameState& s = m_.State;
  s.LineCount = std::min(s.LineCount + 1, 50);
  s.TotalStake = WrapMul32(s.LineCount, s.LineStake);
  RefreshDisplay();
}

void TForm1::ImageKanalMinusClick() {
  if (m_.KanalMinusEnabled == 0) return;
  GameState& s = m_.State;
  m_.KanalPlusEnabled = 1;
  SetPicture(MainEl::ImageKanalPlus, MainEl::Image22);
  s.StakeStep -= 1;
  if (s.StakeStep < 1) {
    s.StakeStep = 1;
    m_.KanalMinusEnabled = 0;
    SetPicture(MainEl::ImageKanalMinus, MainEl::Image25);
  }
  if (s.StakeStep > kStakeSteps) s.StakeStep = kStakeSteps;
  s.LineStake = kStakeLadder[static_cast<std::size_t>(s.StakeStep)];
  s.TotalStake = WrapMul32(s.LineCount, s.LineStake);
  RefreshDisplay();
}

void TForm1::ImageKanalPlusClick() {
  if (m_.KanalPlusEnabled == 0) return;
  GameState& s = m_.State;
  m_.KanalMinusEnabled = 1;
  SetPicture(MainEl::ImageKanalMinus, MainEl::Image24);
  s.StakeStep += 1;
  if (s.StakeStep > kStakeSteps) {
    s.StakeStep = kStakeSteps;
    s.LineStake = kStakeLadder[kStakeSteps];
  } else if (s.StakeStep >= 1) {
    s.LineStake = kStakeLadder[static_cast<std::size_t>(s.StakeStep)];
  } else {
    s.StakeStep = 1;
  }
  // Going up is cut at the level's maximum, the one stake off the ladder.
  if (s.MaxLineStake < s.LineStake) {
    s.LineStake = s.MaxLineStake;
    m_.KanalPlusEnabled = 0;
    SetPicture(MainEl::ImageKanalPlus, MainEl::Image23);
  }
  if (s.LineStake != kStakeLadder[kStakeSteps]) s.StakeStep = StakeStepOf(s.LineStake);
  s.TotalStake = WrapMul32(s.LineCount, s.LineStake);
  RefreshDisplay();
}

void TForm1::ImageDoubleClick() {
  if (m_.DoubleEnabled == 0) return;
  PauseAutoPlay();
  m_.State.Balance = SatSub(m_.State.Balance, m_.State.LastWin);
  RefreshDisplay();
  // The double-up window leaves the amount in hand in DoubleAmount; a window that closes
  // before it has set anything hands back the stake.
  m_.DoubleAmount = m_.State.LastWin;
  d_.ShowModal(WindowId::Double);
  m_.State.Balance = SatAdd(m_.State.Balance, m_.DoubleAmount);
  RefreshDisplay();
  ResumeAutoPlay();
}

void TForm1::ImageTablicaClick() {
  if (m_.TablicaEnabled == 0) return;
  RunModalPausingAutoPlay(WindowId::Legend);
}

void TForm1::ImageSoundClick() {
  m_.State.SoundOn ^= 1;
  SetPicture(MainEl::ImageSound,
             m_.State.SoundOn == 1 ? MainEl::ImageSoundON : MainEl::ImageSoundOFF);
}

}  // namespace tarvolenka
