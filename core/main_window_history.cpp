// The player's record: what each game brought, gathered while it plays and appended to the
// history once the save that closes it has landed. A machine without a save keeps none.

#include <string>

#include "core/free_spins.h"
#include "core/main_window.h"
#include "core/save_messages.h"

namespace tarvolenka {

void MainWindow::BeginGameRecord() {
  if (!history_.keeps()) return;
  const GameState& s = m_.State;
  GameRecord& r = m_.Record;
  r.open = true;
  r.start = d_.NowLocal();
  r.lineCount = s.LineCount;
  r.lineStake = s.LineStake;
  r.level = s.Level;
  r.stake = s.TotalStake;
  r.balanceBefore = s.Balance + r.stake;
  r.interrupted = false;
  r.spins.clear();
}

void MainWindow::RecordSpinInHistory() {
  GameRecord& r = m_.Record;
  if (!history_.keeps() || !r.open) return;
  SpinRecord spin = RecordSpin(m_.Reels, cycle_.winningLines(), m_.State.LineStake);
  spin.free = !r.spins.empty();
  spin.freeSpinsAwarded = FreeSpinsFor(spin.scatters);
  spin.bonusPlayed = bonus_ != nullptr && CountVisible(m_.Reels, kBonusSymbol) >= 3;
  if (spin.bonusPlayed) {
    BonusRecord& b = spin.bonus;
    const BonusRound& round = bonus_->round();
    b.kind = round.choice;
    b.symbols = round.symbolCount;
    b.multiplier = round.multiplier;
    b.amount = b.kind == 0 ? 0 : round.amount;
    b.picks = m_.Record.bonusPicks;
  }
  r.spins.push_back(std::move(spin));
  if (cycle_.freeSpins() > 0) {
    // Kept whole at each free spin, beside the resume record that would play the rest.
    const SaveResult kept = history_.KeepOpenGame(GameLine(r, m_.State.Balance, true));
    gameKeptOpen_ = kept.ok();
    ReportFile(FileRole::History, history_.fileName(), kept);
    return;
  }
  r.open = false;
  WriteHistory(GameLine(r, m_.State.Balance), true, r.start);
  if (gameKeptOpen_) history_.DropOpenGame();
  gameKeptOpen_ = false;
}

void MainWindow::ResumeGameRecord(InFlight kind) {
  if (!history_.keeps()) return;
  const std::optional<OpenGame> kept = history_.TakeOpenGame();
  // From the saved state, as the paid spin began: its stake is taken, and once it stopped, its
  // line win was paid. A kept game knows its own beginning and spins.
  BeginGameRecord();
  GameRecord& r = m_.Record;
  if (kept && kept->record) {
    const GameRecord& past = *kept->record;
    r.start = past.start;
    r.lineCount = past.lineCount;
    r.lineStake = past.lineStake;
    r.level = past.level;
    r.stake = past.stake;
    r.balanceBefore = past.balanceBefore;
    r.spins = past.spins;
  } else if (kind != InFlight::Spin) {
    r.balanceBefore -= m_.State.LastWin;
  }
  r.bonusPicks.clear();
  r.interrupted = true;
}

void MainWindow::WriteLeftOpenGame() {
  if (!history_.keeps()) return;
  if (const std::optional<OpenGame> kept = history_.TakeOpenGame()) {
    // A game of the last run, written as it stands: it opens no session, which begins with
    // this run's own first record.
    AppendToHistory(kept->line, true);
  }
}

void MainWindow::RecordDoubleUp(std::int64_t staked) {
  if (!history_.keeps()) return;
  const DateTime now = d_.NowLocal();
  WriteHistory(DoubleUpLine(now, staked, doubleInHand_, m_.Record.doubleSteps, m_.State.Balance),
               false, now);
}

void MainWindow::RecordAward(const char* kind, std::int64_t amount) {
  if (!history_.keeps()) return;
  const DateTime now = d_.NowLocal();
  WriteHistory(AwardLine(kind, now, amount, m_.State.Level, m_.State.Balance), false, now);
}

void MainWindow::WriteHistory(const std::string& line, bool game, DateTime time) {
  if (sessionStart_ == 0) sessionStart_ = time;
  AppendToHistory(line, game);
}

// A failed write shows as a failed save does, and play goes on; the next record tries again.
void MainWindow::AppendToHistory(const std::string& line, bool game) {
  ReportFile(FileRole::History, history_.fileName(), history_.Append(line, game));
}

}  // namespace tarvolenka
