// The main window's life: events, start-up, shutdown and the save points it owns.

#include "core/main_window.h"

#include <string>

#include "core/arith.h"
#include "core/reseed.h"
#include "core/save_messages.h"
#include "core/sound.h"

namespace tarvolenka {

MainWindow::MainWindow(Desktop& desktop, Machine& machine, SaveFile save, GameLog& history)
    : d_(desktop),
      m_(machine),
      save_(std::move(save)),
      history_(history),
      resume_(ResumeFile::BesideSave(save_.path())) {}

void MainWindow::Click(std::uint16_t handler, int /*number*/) {
  // The player acts: the winning lines stop taking turns and show together again.
  if (winShow_.Showing(cycle_.winningLines())) {
    winShow_.Stop();
    Redraw();
  }
  // clang-format off
  switch (static_cast<MainClick>(handler)) {
    case MainClick::None: return;
    case MainClick::OpenDoubleUp: return OpenDoubleUp();
    case MainClick::Start: return PressStart();
    case MainClick::OpenLegend: return OpenLegend();
    case MainClick::OpenHistory: return OpenHistory();
    case MainClick::OpenSettings: return OpenSettings();
    case MainClick::OpenRules: return OpenRules();
    case MainClick::OpenStatistics: return OpenStatistics();
    case MainClick::LinesUp: return LinesUp();
    case MainClick::LinesDown: return LinesDown();
    case MainClick::StakeUp: return StakeUp();
    case MainClick::StakeDown: return StakeDown();
    case MainClick::TakeTimedBonus: return TakeTimedBonus();
    case MainClick::ToggleSound: return ToggleSound();
    case MainClick::ToggleAutoPlay: return ToggleAutoPlay();
  }
  // clang-format on
}

void MainWindow::TimerTick(std::uint8_t timer) {
  // clang-format off
  switch (static_cast<MainTimer>(timer)) {
    case MainTimer::Spin: return OnSpinTick();
    case MainTimer::IdleRepaint: return OnIdleRepaint();
    case MainTimer::FreeSpin: return OnFreeSpinDue();
    case MainTimer::Countdown: return OnCountdownTick();
    case MainTimer::AutoPlay: return OnAutoPlayDue();
    case MainTimer::Count: return;
  }
  // clang-format on
}

void MainWindow::OnShow() {
  LoadGame();
  RefreshDisplay();
  cycle_.Reset();
  d_.SetText(Ref(MainEl::FreeSpinsCounter), "");
  d_.SetVisible(Ref(MainEl::FreeSpinsCounter), false);
  m_.State.JokerUses = 0;
  ReseedFromClock(d_, m_.Rng);

  FillReelsAtStart(m_.Reels, m_.Rng);
  LoadCellPictures();
  spin_.Rest();
  DrawReels();

  EnableControls();
  // The double-up is never offered right after start-up, whatever win was saved.
  m_.DoubleEnabled = 0;
  SetPicture(MainEl::DoubleButton, MainEl::StoreDoubleGrey);
  ShowBonusStage();
  if (m_.State.LineStake == m_.State.MaxLineStake) {
    m_.StakePlusEnabled = 0;
    SetPicture(MainEl::StakePlus, MainEl::StorePlusGrey);
  }
  SetPicture(MainEl::SoundSwitch,
             m_.State.SoundOn == 1 ? MainEl::StoreSoundOn : MainEl::StoreSoundOff);
  spin_.SetStep(kPaidSpinStep);
  cycle_.Restore(cycle_.freeSpins(), false);
  ResumeInterruptedGame();
}

// Ending the program while the double-up is open counts as collecting: the amount in hand
// was taken from the balance when the window opened and belongs to the player.
void MainWindow::CollectOpenDoubleUp() {
  if (!d_.IsShown(WindowId::DoubleUp)) return;
  m_.State.Balance = SatAdd(m_.State.Balance, doubleInHand_);
  doubleInHand_ = 0;
}

// Closing while saves fail would lose the game since the last good one: the window stays
// open, and the player is asked, until the save lands or the player gives it up.
bool MainWindow::CloseRequested() {
  if (retryAsked_) return false;
  CollectOpenDoubleUp();
  if (SaveGame() || !savingAllowed_) {
    closeSettled_ = true;
    return true;
  }
  AskToRetrySave();
  return false;
}

void MainWindow::AskToRetrySave() {
  retryAsked_ = true;
  d_.AskRetryFailedSave(RetrySaveMessage(save_.path().filename().string(), lastSave_),
                        [this](bool retry) {
                          retryAsked_ = false;
                          if (retry && !SaveGame()) return AskToRetrySave();
                          closeSettled_ = true;
                          d_.Close(WindowId::Main);
                        });
}

// The session's end, a signal or the program's exit close the window without asking: the
// game is saved once more, and a failure is on record in the log.
void MainWindow::OnClose() {
  CollectOpenDoubleUp();
  if (!closeSettled_) SaveGame();
}

void MainWindow::LoadGame() {
  const DateTime now = d_.NowLocal();
  const LoadResult loaded = save_.Load(now);
  if (loaded.status == LoadStatus::Unusable && !SetAsideUnusableSave(loaded, now)) return;
  if (loaded.status == LoadStatus::Loaded) {
    // A file cut short keeps what it holds; the fields it lacks came from a new game.
    m_.State = Decode(loaded.bytes);
    RepairGameState(m_.State, now);
    BringTimedBonusWithinTheHour(now);
    return;
  }
  m_.State = NewGameState(now);
  SetPicture(MainEl::SoundSwitch, MainEl::StoreSoundOn);
  SaveGame();
}

// A save the game cannot read is never overwritten: the player either quits, leaving it as it
// is, or starts anew with the file renamed aside. When even the rename fails, the game quits.
bool MainWindow::SetAsideUnusableSave(const LoadResult& loaded, DateTime now) {
  const std::string file = save_.path().filename().string();
  const std::string aside = UnusableSaveName(file, now);
  const std::string message = UnusableSaveMessage(file, loaded, aside);
  d_.Log(message);
  if (d_.AskNewGameOverUnusableSave(message)) {
    const SaveResult setAside = save_.SetAside(aside);
    if (setAside) return true;
    d_.Log("Tarvolenka: could not rename " + file + " to " + aside + ": " + setAside.error +
           "; quitting without touching it");
  }
  savingAllowed_ = false;
  d_.Quit(1);
  return false;
}

// A due time more than an hour ahead can only come from a clock set back, a change of time
// zone or a damaged file; left alone it would lock the bonus for as long.
void MainWindow::BringTimedBonusWithinTheHour(DateTime now) {
  const DateTime latest = PlusOneHour(now);
  if (m_.State.BonusDueTime > latest) m_.State.BonusDueTime = latest;
}

bool MainWindow::SaveGame() {
  if (!savingAllowed_) return false;
  if (save_.path().empty()) return true;  // a machine that keeps no file, like the simulator's
  const SaveBytes bytes = Encode(m_.State);
  resume_.BeforeSave(bytes);
  RecordResumeWrite();
  const SaveResult saved = save_.Save(bytes);
  resume_.AfterSave(bytes, saved.ok());
  ReportFile(FileRole::Save, save_.path().filename().string(), saved);
  lastSave_ = saved;
  return saved.ok();
}

void MainWindow::ReportFile(FileRole role, const std::string& file, const FileResult& result) {
  const FileNotices::Change change = notices_.Report(role, file, result);
  if (!change.changed) return;
  d_.Log(change.logLine);
  d_.SetText(Ref(MainEl::SaveNotice), notices_.Notice());
  d_.SetVisible(Ref(MainEl::SaveNotice), notices_.failing());
}

void MainWindow::SetPicture(MainEl element, MainEl source) {
  d_.CopyPicture(Ref(element), Ref(source));
}

void MainWindow::PlayCue(Cue cue) {
  tarvolenka::PlayCue(d_, m_.State, cue);
}

void MainWindow::PauseAutoPlay() {
  autoPlayWasDue_ = d_.IsTimerRunning(TimerOf(MainTimer::AutoPlay));
  d_.StopTimer(TimerOf(MainTimer::AutoPlay));
}

void MainWindow::ResumeAutoPlay() {
  if (autoPlayWasDue_) d_.StartTimer(TimerOf(MainTimer::AutoPlay));
}

void MainWindow::OpenPausingAutoPlay(WindowId window) {
  PauseAutoPlay();
  d_.Open(window, [this] { ResumeAutoPlay(); });
}

}  // namespace tarvolenka
