#include "bonus/bonus_result_window.h"

#include <string>

#include "core/fitting_points.h"
#include "core/win_show.h"

namespace tarvolenka {
namespace {

constexpr int kWinPoints = 48;        // 64 px
constexpr int kReckoningPoints = 12;  // 16 px

}  // namespace

BonusResultWindow::BonusResultWindow(Desktop& desktop, Machine& machine, const BonusRules& bonus)
    : d_(desktop), m_(machine), bonus_(bonus) {}

void BonusResultWindow::OnShow() {
  const BonusRound& round = bonus_.round();
  const std::int64_t paid = bonus_.Win(m_.State.LineStake);
  const std::string win = std::to_string(paid);
  // Each factor named: the game's result, the bottle's multiplier where one was picked, and the
  // stake per line.
  std::string reckoning = std::to_string(round.amount);
  if (round.multiplier > 1) reckoning += " × " + std::to_string(round.multiplier) + " (бутилка)";
  reckoning += " × " + std::to_string(m_.State.LineStake) + " (на линия) = " + win;
  // The game that paid, and a big win's tier by the stake of the spin that opened it.
  std::string game(BonusGameName(round.choice));
  if (const int tier = BigWinTier(paid, m_.State.TotalStake); tier > 0)
    game += "  ·  " + std::string(WinTierTitle(tier));
  d_.SetText(Ref(BonusResultEl::Game), game);
  const ElementRef label1 = Ref(BonusResultEl::Win);
  const ElementRef label2 = Ref(BonusResultEl::Reckoning);
  d_.SetText(label1, win);
  d_.SetFontSize(label1, FittingPoints(win, SpecOf(label1).rect.width, kWinPoints));
  d_.SetText(label2, reckoning);
  d_.SetFontSize(label2, FittingPoints(reckoning, SpecOf(label2).rect.width, kReckoningPoints));
}

void BonusResultWindow::Click(std::uint16_t handler, int /*number*/) {
  switch (static_cast<BonusResultClick>(handler)) {
    case BonusResultClick::None:
      return;
    case BonusResultClick::Confirm:
      return Confirm();
  }
}

void BonusResultWindow::Confirm() {
  d_.Close(WindowId::BonusResult);
}

}  // namespace tarvolenka
