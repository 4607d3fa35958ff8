#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "catalogue/durations.h"
#include "catalogue/main_elements.h"
#include "core/desktop.h"
#include "core/file_notices.h"
#include "core/game_log.h"
#include "core/level_rules.h"
#include "core/machine.h"
#include "core/play_settings.h"
#include "core/reel_spin.h"
#include "core/resume_journal.h"
#include "core/save_file.h"
#include "core/spin_cycle.h"
#include "core/win_show.h"

namespace tarvolenka {

// The bonus step of the end of a spin, played by the bonus games.
class BonusStep {
 public:
  virtual ~BonusStep() = default;
  // Plays the bonus the reels brought, if any; `done` runs once it is over and paid, at once
  // when there is none.
  virtual void RunBonus(std::function<void()> done) = 0;
  // Continues an interrupted bonus from the stage the record holds; the machine already holds
  // the record's state and generator.
  virtual void ResumeBonus(const ResumeRecord& record, std::function<void()> done) = 0;
  // The last round's values: what the resume file keeps and the history reads.
  virtual const BonusRound& round() const = 0;
};

// The main window: the machine's own game. Owns the machine state for the whole run; the
// player's record goes to `history`, which must outlive it.
class MainWindow : public WindowLogic {
 public:
  MainWindow(Desktop& desktop, Machine& machine, SaveFile save, GameLog& history);

  void SetBonusStep(BonusStep* bonus) { bonus_ = bonus; }

  // Window events: every click and timer comes in here and goes to its handler.
  void OnShow() override;
  bool CloseRequested() override;
  void OnClose() override;
  void Click(std::uint16_t handler, int number) override;
  void TimerTick(std::uint8_t timer) override;
  void Redraw() override;

  // The start button and the double-up button, for the benches and the tests that drive them.
  void Start();
  void OpenDoubleUp();
  // A level reached opens the level-up window; `done` runs after it, or at once without one.
  void CheckLevelUp(const std::function<void()>& done);

  // For the bonus sequence: the counters shown again, the save, and the resume file.
  void RefreshDisplay();
  // Writes the save file; a failure is shown and logged, and the next save tries again.
  // Returns whether the save landed.
  bool SaveGame();
  ResumeJournal& resume() { return resume_; }
  // A record of what is in flight now, of `kind`, for the resume file.
  ResumeRecord CaptureInFlight(InFlight kind) const;
  // The double-up's amount in hand has changed to `inHand`: it goes to the resume file, and to
  // the balance when the window closes.
  void DoubleUpInHand(std::int64_t inHand);
  // The settings file's last read or write, from the desktop that keeps it: a failure shows in
  // the notice after the game's own files, and is logged once.
  void SettingsOutcome(const FileResult& result) {
    ReportFile(FileRole::Settings, "Tarvolenka.ini", result);
  }

  // Quick spin: the stop schedule and the gaps between spins at the quick tempo, with the same
  // draws in the same order.
  void SetQuickSpin(bool quick);
  // The player's settings: quick spin, the volume and the auto-play choices, from now on.
  void ApplyPlaySettings(const PlaySettings& settings);
  bool quickSpin() const { return tempo_ != durations::kNormalTempo; }

  // The drawing, for a view set up on its own: the gallery and the benches.
  void EnableControls();
  void DisableControls();
  // The level badge and the experience bar, from the state.
  void ShowLevel();
  void LoadCellPictures();
  void DrawReels();
  void DrawWinningLines();
  // A spin's win has just been paid: its amount shows over the reels for a moment from now.
  void AnnounceWin();
  // A moment over the reels from now: the idle repaint draws it.
  void ShowMoment(const Moment& moment);
  WinShow& winShow() { return winShow_; }

  // The reels' motion: read by the views and the tests, set by the benches' fixed steps.
  const ReelSpin& spin() const { return spin_; }
  ReelSpin& spin() { return spin_; }
  // The spin cycle's counters and winning lines: read by the views, set up by the tests.
  const SpinCycle& cycle() const { return cycle_; }
  SpinCycle& cycle() { return cycle_; }
  const SaveFile& saveFile() const { return save_; }
  // When this run's first record was written; later than any record before one is.
  DateTime sessionStart() const { return sessionStart_ == 0 ? kNoSessionYet : sessionStart_; }

  // The mega bonus wheel as it stands, for the resume file; and how a resumed wheel reaches its
  // window before it is shown again.
  void MegaWheelMoved(const BonusWindowState& wheel);
  void SetMegaWheelRestore(std::function<void(const BonusWindowState&)> restore) {
    restoreMegaWheel_ = std::move(restore);
  }

 private:
  // Handlers, by element and by timer.
  void ToggleAutoPlay();
  void ShowAutoPlay();  // the box, and the spins left of a counted run
  void OpenLegend();
  void OpenSettings();
  // The history opens whenever the legend may: with the controls enabled.
  void OpenHistory();
  // F1 opens the rules whenever the legend may.
  void OpenRules();
  // S opens the statistics, as the history's button does, whenever the legend may.
  void OpenStatistics();
  void ToggleSound();
  void LinesUp();
  void LinesDown();
  void StakeUp();
  void StakeDown();
  void TakeTimedBonus();
  void OpenTimedBonus(TimedBonusKind kind);
  void OpenLevelUp(const std::function<void()>& done);
  void AfterLevelUp();  // play goes on as after any spin
  void OnSpinTick();
  void OnIdleRepaint();
  void OnFreeSpinDue();
  void OnCountdownTick();
  void OnAutoPlayDue();

  void LoadGame();
  void ShowBonusStage();
  void UpdateBonusCountdown();

  // The player's record, written beside the save after the save that closes each game.
  void BeginGameRecord();
  void RecordSpinInHistory();
  void RecordDoubleUp(std::int64_t staked);
  void RecordAward(const char* kind, std::int64_t amount);
  // At a start that continues an interrupted game: the game's record goes on from the spins
  // kept beside the history, or anew from the saved state when none were kept.
  void ResumeGameRecord(InFlight kind);
  // At a start with no game to continue: a game kept under way is written as it stands.
  void WriteLeftOpenGame();

  // Resuming an interrupted game (core/main_window_resume.cpp).
  void ResumeInterruptedGame();
  // Writes what is in flight now, of `kind`, to the resume file.
  void RecordInFlight(InFlight kind);

  // What the round of free spins stands at, over the level gauge while it lasts.
  void ShowFreeRound();
  // What ПЕЧАЛБА shows: the last win, or what came back from a double-up since.
  std::int64_t ShownWin() const;
  // An award replaces the spin's win on the reels: its lines and marks are cleared.
  void ClearSpinWin();
  void ClearReels();  // the lines, frames and banner only; the win panel keeps its figure
  bool BonusOpened() const;

  void PressStart();
  void StopReels();
  // The part shared by paid and free spins; the schedule runs from `pressedAt`, on the steady
  // clock, so the writes made before the reels turn are caught up rather than added.
  void StartSpin(std::int64_t pressedAt);
  void EndSpin();
  void FinishSpin();     // the free spins award and the return to the player
  void PayTimedBonus();  // the timed or mega bonus window has closed
  void ContinueInterrupted();
  void Settle();         // nothing in flight any more: the final save, then no resume file
  void RecordSpinEnd();  // free spins waiting, or nothing in flight
  void SetPicture(MainEl element, MainEl source);
  void PlayCue(Cue cue);
  void OpenPausingAutoPlay(WindowId window);
  void PauseAutoPlay();
  void ResumeAutoPlay();
  bool SetAsideUnusableSave(const LoadResult& loaded, DateTime now);
  void CollectOpenDoubleUp();
  void AskToRetrySave();
  // A write's outcome, shown in the notice over the reels and logged when it changes.
  void ReportFile(FileRole role, const std::string& file, const FileResult& result);
  void RecordResumeWrite();
  void BringTimedBonusWithinTheHour(DateTime now);

  Desktop& d_;
  Machine& m_;
  ReelSpin spin_;
  std::int64_t nextSpinTickAt_ = 0;      // on the steady clock, in microseconds
  int tempo_ = durations::kNormalTempo;  // the schedule's microseconds for each millisecond
  SpinCycle cycle_;
  bool autoPlayWasDue_ = false;  // the auto-play timer ran when a window paused it
  SaveFile save_;
  GameLog& history_;
  BonusStep* bonus_ = nullptr;
  std::int64_t doubleInHand_ = 0;  // the double-up's amount in hand while it is open
  // What the last double-up brought back, shown as the win until the next spin or award; the
  // save keeps the spin's own win.
  std::optional<std::int64_t> doubleReturned_;
  BonusWindowState megaWheel_;  // the mega bonus wheel while its window is open
  std::function<void(const BonusWindowState&)> restoreMegaWheel_;
  bool savingAllowed_ = true;  // off when the player quits over an unusable save
  SaveResult lastSave_;        // the last save's outcome, for the notice and the close
  bool retryAsked_ = false;    // the player is asked whether to retry a failed save
  bool closeSettled_ = false;  // the closing save landed, or the player gave it up
  WinShow winShow_{d_};
  FileNotices notices_;  // the files that failed their last write, for the notice and the log
  DateTime sessionStart_ = 0;
  static constexpr DateTime kNoSessionYet = 1e9;

  // `time` is the record's own: the first one written opens the session.
  void WriteHistory(const std::string& line, bool game, DateTime time);
  void AppendToHistory(const std::string& line, bool game);
  bool gameKeptOpen_ = false;  // the game under way is kept beside the history
  ResumeJournal resume_;
};

}  // namespace tarvolenka
