#pragma once

#include <filesystem>

#include "bonus/bonus_result_window.h"
#include "bonus/bonus_sequence.h"
#include "bonus/bottles_window.h"
#include "bonus/cups_window.h"
#include "bonus/golden_board_window.h"
#include "bonus/golden_pick_window.h"
#include "bonus/hat_chooser_window.h"
#include "bonus/mega_bonus_window.h"
#include "bonus/meze_window.h"
#include "core/desktop.h"
#include "core/legend_window.h"
#include "core/level_up_window.h"
#include "core/machine.h"
#include "core/main_window.h"
#include "core/settings_window.h"
#include "core/timed_bonus_window.h"
#include "double/double_up_window.h"
#include "game/rules_window.h"
#include "history/history_file.h"
#include "history/history_window.h"
#include "history/statistics_window.h"

namespace tarvolenka {

// The whole game: the machine state and the logic of its windows, attached to a desktop in
// their order of creation. The program plugs in the Qt desktop, the tests a virtual one, and
// the program the exact calculator that the statistics and the rules quote; without it they
// quote none. The player's settings are kept in `settingsPath`; without one, for the run only.
class Game {
 public:
  Game(Desktop& desktop, std::filesystem::path savePath, ExactReturn exact = {},
       std::filesystem::path settingsPath = {});

  MainWindow& main() { return main_; }
  Machine& machine() { return machine_; }
  DoubleUpWindow& doubleUp() { return doubleUp_; }
  MegaBonusWindow& megaBonus() { return megaBonus_; }
  BonusSequence& bonus() { return bonus_; }
  // The bonus round; the tests and the gallery set one up to show a bonus window on its own.
  BonusRules& bonusRules() { return bonusRules_; }
  BottlesWindow& bottles() { return bottles_; }
  CupsWindow& cups() { return cups_; }
  BonusResultWindow& result() { return bonusResult_; }
  HatChooserWindow& chooser() { return hatChooser_; }
  MezeWindow& meze() { return meze_; }
  GoldenPickWindow& goldenPick() { return goldenPick_; }
  GoldenBoardWindow& goldenBoard() { return goldenBoard_; }
  HistoryWindow& history() { return history_; }
  SettingsWindow& settings() { return settings_; }
  RulesWindow& rules() { return rules_; }
  const HistoryFile& historyFile() const { return historyFile_; }

 private:
  Machine machine_;
  // The bonus round: played by the bonus sequence, read by the windows that show it.
  BonusRules bonusRules_;
  // Beside the save, and built before the main window that writes to it.
  HistoryFile historyFile_;
  MainWindow main_;
  LegendWindow legend_;
  DoubleUpWindow doubleUp_;
  LevelUpWindow levelUp_;
  TimedBonusWindow timedBonus_;
  MegaBonusWindow megaBonus_;
  BottlesWindow bottles_;
  CupsWindow cups_;
  BonusResultWindow bonusResult_;
  HatChooserWindow hatChooser_;
  MezeWindow meze_;
  GoldenPickWindow goldenPick_;
  GoldenBoardWindow goldenBoard_;
  BonusSequence bonus_;
  HistoryWindow history_;
  StatisticsWindow statistics_;
  SettingsWindow settings_;
  RulesWindow rules_;
};

}  // namespace tarvolenka
