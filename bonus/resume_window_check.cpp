#include "bonus/resume_window_check.h"

#include "bonus/drinks_rules.h"
#include "bonus/golden_board_rules.h"
#include "bonus/mega_wheel_rules.h"
#include "bonus/meze_rules.h"
#include "bonus/resumable_window.h"
#include "bonus/single_pick.h"

namespace tarvolenka {
namespace {

bool PlausibleBonusWindow(const ResumeRecord& r) {
  const BonusWindowState& w = r.window;
  switch (r.stage) {
    case BonusStageId::Chooser:
      return SinglePick<3>::Plausible(w, 1);
    case BonusStageId::Bottles:
      return BottlesRules::Plausible(w, 1);
    case BonusStageId::GoldenPick:
      return SinglePick<3>::Plausible(w, 2);
    case BonusStageId::Cups:
      return CupsRules::Plausible(w, r.round.symbolCount);
    case BonusStageId::Meze:
      return MezeRules::Plausible(w, r.round.symbolCount);
    case BonusStageId::GoldenBoard:
      return GoldenBoardRules::Plausible(w, r.round.goldenPick);
    default:
      return true;  // the stages without a window of their own ignore it
  }
}

}  // namespace

const char* ImplausibleWindow(const ResumeRecord& record) {
  const std::uint8_t dealt = record.window.dealt;
  if (record.kind == InFlight::MegaBonus && dealt != 0 && !MegaWheelRules::Plausible(record.window))
    return "a mega wheel play cannot reach";
  if (record.kind != InFlight::Bonus || dealt == 0 || dealt == ResumableWindow::kFinished)
    return nullptr;
  if (dealt != ResumableWindow::kDealt || !PlausibleBonusWindow(record))
    return "a bonus window play cannot reach";
  return nullptr;
}

}  // namespace tarvolenka
