// The dashboard: counters, the level gauge and the player's controls.

#include <algorithm>
#include <array>
#include <limits>
#include <optional>
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

constexpr std::array<Control, 8> kControls{{
    {&Machine::StartEnabled, MainEl::StartButton, MainEl::StoreStart, MainEl::StoreStartGrey},
    {&Machine::DoubleEnabled, MainEl::DoubleButton, MainEl::StoreDouble, MainEl::StoreDoubleGrey},
    {&Machine::StakePlusEnabled, MainEl::StakePlus, MainEl::StorePlus, MainEl::StorePlusGrey},
    {&Machine::StakeMinusEnabled, MainEl::StakeMinus, MainEl::StoreMinus, MainEl::StoreMinusGrey},
    {&Machine::LinesPlusEnabled, MainEl::LinesPlus, MainEl::StorePlus, MainEl::StorePlusGrey},
    {&Machine::LinesMinusEnabled, MainEl::LinesMinus, MainEl::StoreMinus, MainEl::StoreMinusGrey},
    {&Machine::LegendEnabled, MainEl::LegendButton, MainEl::StoreLegend, MainEl::StoreLegendGrey},
    {&Machine::LegendEnabled, MainEl::HistoryButton, MainEl::StoreHistory,
     MainEl::StoreHistoryGrey},
}};

std::string Decimal(std::int64_t v) {
  return std::to_string(v);
}

// Progress 0..100 towards the next level, as the label under it reads: the experience as a
// share of the next level's. A threshold under 100 leaves no span to divide by, and then the
// bar shows full.
int GaugePosition(const GameState& s) {
  const std::int64_t span = s.NextLevelExperience / 100;
  if (span <= 0) return 100;
  return static_cast<int>(std::clamp<std::int64_t>(s.Experience / span, 0, 100));
}

}  // namespace

void MainWindow::ShowLevel() {
  const GameState& s = m_.State;
  d_.SetText(Ref(MainEl::LevelNumber), Decimal(s.Level));
  d_.SetText(Ref(MainEl::ExperienceText),
             Decimal(s.Experience) + "  /  " + Decimal(s.NextLevelExperience));
  d_.SetGauge(Ref(MainEl::ExperienceGauge), GaugePosition(s));
}

void MainWindow::RefreshDisplay() {
  // What changed reaches the reel area at the next idle repaint; none runs while a spin does.
  if (!d_.IsTimerRunning(TimerOf(MainTimer::Spin))) d_.StartTimer(TimerOf(MainTimer::IdleRepaint));
  GameState& s = m_.State;
  s.TotalStake = WrapMul32(s.LineCount, s.LineStake);
  s.MaxLineStake = WrapMul32(s.Level, 10);
  ShowLevel();
  d_.SetText(Ref(MainEl::CreditCounter), Decimal(s.Balance));
  d_.SetText(Ref(MainEl::LinesCounter), Decimal(s.LineCount));
  d_.SetText(Ref(MainEl::LineStakeCounter), Decimal(s.LineStake));
  d_.SetText(Ref(MainEl::TotalStakeCounter), Decimal(s.TotalStake));
  d_.SetText(Ref(MainEl::WinCounter), Decimal(ShownWin()));
  ShowFreeRound();
  if (cycle_.freeSpins() > 0) {
    d_.SetText(Ref(MainEl::FreeSpinsCounter), Decimal(cycle_.freeSpins()));
    d_.SetVisible(Ref(MainEl::FreeSpinsCounter), true);
  } else {
    d_.SetText(Ref(MainEl::FreeSpinsCounter), "");
    d_.SetVisible(Ref(MainEl::FreeSpinsCounter), false);
  }
}

std::int64_t MainWindow::ShownWin() const {
  return doubleReturned_.value_or(m_.State.LastWin);
}

// "БЕЗПЛАТНА ИГРА 3 ОТ 10 · ПЕЧАЛБА 450" over the level gauge while a round of free spins lasts.
void MainWindow::ShowFreeRound() {
  const std::optional<FreeRound>& round = cycle_.freeRound();
  const bool shown = round.has_value() && (cycle_.freeSpins() > 0 || round->taken > 0);
  if (shown) {
    std::string text = round->taken == 0 ? Decimal(round->won) + " БЕЗПЛАТНИ ИГРИ"
                                         : "БЕЗПЛАТНА ИГРА " + Decimal(round->taken) + " ОТ " +
                                               Decimal(round->won);
    if (round->whole && round->taken > 0) text += "   ·   ПЕЧАЛБА " + Decimal(round->paid);
    d_.SetText(Ref(MainEl::FreeRoundPlate), text);
  }
  d_.SetVisible(Ref(MainEl::FreeRoundPlate), shown);
  // The plate covers the gauge; hiding the gauge takes its ОПИТ caption with it.
  d_.SetVisible(Ref(MainEl::ExperienceGauge), !shown);
}

void MainWindow::ClearSpinWin() {
  doubleReturned_.reset();
  ClearReels();
}

void MainWindow::ClearReels() {
  cycle_.ShowLines({});
  winShow_.Clear();
  Redraw();
}

void MainWindow::EnableControls() {
  const bool won = m_.State.LastWin > 0;
  for (const Control& c : kControls) {
    // The double-up only comes alive after a win; otherwise it keeps its state.
    if (c.element == MainEl::DoubleButton && !won) continue;
    m_.*c.flag = 1;
    SetPicture(c.element, c.active);
  }
}

void MainWindow::DisableControls() {
  for (const Control& c : kControls) {
    m_.*c.flag = 0;
    SetPicture(c.element, c.grey);
  }
}

void MainWindow::LinesDown() {
  if (m_.LinesMinusEnabled == 0) return;
  GameState& s = m_.State;
  s.LineCount = std::max(s.LineCount - 1, 1);
  s.TotalStake = WrapMul32(s.LineCount, s.LineStake);
  RefreshDisplay();
}

void MainWindow::LinesUp() {
  if (m_.LinesPlusEnabled == 0) return;
  GameState& s = m_.State;
  s.LineCount = std::min(s.LineCount + 1, 50);
  s.TotalStake = WrapMul32(s.LineCount, s.LineStake);
  RefreshDisplay();
}

void MainWindow::StakeDown() {
  if (m_.StakeMinusEnabled == 0) return;
  GameState& s = m_.State;
  m_.StakePlusEnabled = 1;
  SetPicture(MainEl::StakePlus, MainEl::StorePlus);
  s.StakeStep -= 1;
  if (s.StakeStep < 1) {
    s.StakeStep = 1;
    m_.StakeMinusEnabled = 0;
    SetPicture(MainEl::StakeMinus, MainEl::StoreMinusGrey);
  }
  if (s.StakeStep > kStakeSteps) s.StakeStep = kStakeSteps;
  s.LineStake = kStakeLadder[static_cast<std::size_t>(s.StakeStep)];
  s.TotalStake = WrapMul32(s.LineCount, s.LineStake);
  RefreshDisplay();
}

void MainWindow::StakeUp() {
  if (m_.StakePlusEnabled == 0) return;
  GameState& s = m_.State;
  m_.StakeMinusEnabled = 1;
  SetPicture(MainEl::StakeMinus, MainEl::StoreMinus);
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
    m_.StakePlusEnabled = 0;
    SetPicture(MainEl::StakePlus, MainEl::StorePlusGrey);
  }
  if (s.LineStake != kStakeLadder[kStakeSteps]) s.StakeStep = StakeStepOf(s.LineStake);
  s.TotalStake = WrapMul32(s.LineCount, s.LineStake);
  RefreshDisplay();
}

void MainWindow::OpenDoubleUp() {
  if (m_.DoubleEnabled == 0) return;
  // The same win cannot be gambled twice.
  m_.DoubleEnabled = 0;
  SetPicture(MainEl::DoubleButton, MainEl::StoreDoubleGrey);
  PauseAutoPlay();
  m_.State.Balance = SatSub(m_.State.Balance, m_.State.LastWin);
  RefreshDisplay();
  // The double-up tells the amount in hand as it changes; a window that closes before it has
  // told anything hands back the stake.
  doubleInHand_ = m_.State.LastWin;
  RecordInFlight(InFlight::DoubleUp);
  d_.Open(WindowId::DoubleUp, [this] {
    m_.State.Balance = SatAdd(m_.State.Balance, doubleInHand_);
    doubleReturned_ = doubleInHand_;
    Settle();  // the final save, then no resume file
    RefreshDisplay();
    RecordDoubleUp(m_.State.LastWin);
    ResumeAutoPlay();
  });
}

void MainWindow::OpenLegend() {
  if (m_.LegendEnabled == 0) return;
  OpenPausingAutoPlay(WindowId::Legend);
}

void MainWindow::OpenHistory() {
  if (m_.LegendEnabled == 0) return;
  OpenPausingAutoPlay(WindowId::History);
}

// The settings open at rest, as the legend does; an auto-play spin waits for them.
void MainWindow::OpenSettings() {
  if (m_.LegendEnabled == 0) return;
  OpenPausingAutoPlay(WindowId::Settings);
}

void MainWindow::OpenRules() {
  if (m_.LegendEnabled == 0) return;
  OpenPausingAutoPlay(WindowId::Rules);
}

void MainWindow::OpenStatistics() {
  if (m_.LegendEnabled == 0) return;
  OpenPausingAutoPlay(WindowId::Statistics);
}

void MainWindow::ToggleSound() {
  m_.State.SoundOn ^= 1;
  SetPicture(MainEl::SoundSwitch,
             m_.State.SoundOn == 1 ? MainEl::StoreSoundOn : MainEl::StoreSoundOff);
}

}  // namespace tarvolenka
