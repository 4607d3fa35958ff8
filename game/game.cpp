#include "game/game.h"

#include "bonus/resume_window_check.h"

namespace tarvolenka {

Game::Game(Desktop& desktop, std::filesystem::path savePath, ExactReturn exact,
           std::filesystem::path settingsPath)
    : historyFile_(HistoryPathBeside(savePath)),
      main_(desktop, machine_, SaveFile(std::move(savePath)), historyFile_),
      legend_(desktop, machine_.State),
      doubleUp_(desktop, machine_),
      levelUp_(desktop, machine_),
      timedBonus_(desktop, machine_),
      megaBonus_(desktop, machine_),
      bottles_(desktop, machine_),
      cups_(desktop, machine_, bonusRules_),
      bonusResult_(desktop, machine_, bonusRules_),
      hatChooser_(desktop, machine_),
      meze_(desktop, machine_, bonusRules_),
      goldenPick_(desktop, machine_),
      goldenBoard_(desktop, machine_, bonusRules_),
      bonus_(desktop, machine_, main_, bonusRules_,
             {hatChooser_, bottles_, cups_, meze_, goldenPick_, goldenBoard_}),
      history_(desktop, historyFile_),
      statistics_(desktop, historyFile_, machine_.State, exact),
      settings_(desktop, PlaySettingsFile(std::move(settingsPath))),
      rules_(desktop, machine_.State, std::move(exact)) {
  historyFile_.FollowSession([this] { return main_.sessionStart(); });
  desktop.Attach(WindowId::Main, main_);
  desktop.Attach(WindowId::Legend, legend_);
  desktop.Attach(WindowId::Bottles, bottles_);
  desktop.Attach(WindowId::Cups, cups_);
  desktop.Attach(WindowId::BonusResult, bonusResult_);
  desktop.Attach(WindowId::DoubleUp, doubleUp_);
  desktop.Attach(WindowId::LevelUp, levelUp_);
  desktop.Attach(WindowId::TimedBonus, timedBonus_);
  desktop.Attach(WindowId::MegaBonus, megaBonus_);
  desktop.Attach(WindowId::HatChooser, hatChooser_);
  desktop.Attach(WindowId::Meze, meze_);
  desktop.Attach(WindowId::GoldenPick, goldenPick_);
  desktop.Attach(WindowId::GoldenBoard, goldenBoard_);
  desktop.Attach(WindowId::History, history_);
  desktop.Attach(WindowId::Statistics, statistics_);
  desktop.Attach(WindowId::Settings, settings_);
  desktop.Attach(WindowId::Rules, rules_);
  main_.SetBonusStep(&bonus_);
  main_.resume().SetRecordCheck(&ImplausibleWindow);
  doubleUp_.SetAmountHook([this] { main_.DoubleUpInHand(doubleUp_.rules().inHand()); });
  megaBonus_.SetProgressHook([this] { main_.MegaWheelMoved(megaBonus_.Snapshot()); });
  main_.SetMegaWheelRestore(
      [this](const BonusWindowState& wheel) { megaBonus_.RestoreOnNextShow(wheel); });
  settings_.SetApply([this](const PlaySettings& settings, const FileResult& file) {
    main_.ApplyPlaySettings(settings);
    main_.SettingsOutcome(file);
  });
  settings_.LoadAtStart();
}

}  // namespace tarvolenka
