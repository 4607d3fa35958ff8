#pragma once

#include "bonus/bonus_rules.h"
#include "bonus/bottles_window.h"
#include "bonus/cups_window.h"
#include "bonus/golden_board_window.h"
#include "bonus/golden_pick_window.h"
#include "bonus/hat_chooser_window.h"
#include "bonus/meze_window.h"
#include "core/desktop.h"
#include "core/machine.h"
#include "core/main_window.h"

namespace tarvolenka {

// The bonus windows whose deals and picks the resume file keeps.
struct BonusWindows {
  HatChooserWindow& chooser;
  BottlesWindow& bottles;
  CupsWindow& cups;
  MezeWindow& meze;
  GoldenPickWindow& goldenPick;
  GoldenBoardWindow& goldenBoard;
};

// The bonus step of the end of a spin: three or more bonus symbols on the visible rows open
// the hat chooser, then the chosen game's windows one after another, and its win is paid.
// The round's rules say which stage comes next; each window's game hands its outcome to them.
// Every stage is written to the resume file, so an interrupted bonus continues where it stood.
class BonusSequence : public BonusStep {
 public:
  BonusSequence(Desktop& desktop, Machine& machine, MainWindow& main, BonusRules& rules,
                BonusWindows windows);

  void RunBonus(std::function<void()> done) override;
  void ResumeBonus(const ResumeRecord& record, std::function<void()> done) override;
  const BonusRound& round() const override { return rules_.round(); }

 private:
  using Stage = BonusStageId;

  // Plays from `stage` to the end; `restore` is the window state of that stage, if dealt.
  void PlayFrom(Stage stage, const BonusWindowState* restore);
  // Opens the window of `stage`, restored or dealt anew, and runs `next` once it has closed; a
  // finished one is not shown again.
  void Show(Stage stage, WindowId id, ResumableWindow& window, const BonusWindowState* restore,
            std::function<void()> next);
  void TakeOutcome(Stage stage);
  void Record(Stage stage, const ResumableWindow* window);
  void Pay();

  Desktop& d_;
  Machine& m_;
  MainWindow& main_;
  BonusRules& rules_;
  BonusWindows windows_;
  Stage stage_ = Stage::BeforeChooser;
  std::function<void()> done_;  // what the spin does once the bonus is paid
};

}  // namespace tarvolenka
