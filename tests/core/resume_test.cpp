// An interrupted game resumes exactly: the game is dropped at many moments of a spin, a bonus
// game, free spins and the double-up, as a killed process would be, then started again on
// its files; it must end exactly where a game never interrupted ends.

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <set>

#include "game/game.h"
#include "history/past_game.h"
#include "tests/support/spin_oracle.h"
#include "tests/support/temp_dir.h"
#include "tests/support/virtual_desktop.h"

namespace tarvolenka {
namespace {

using testing::VirtualDesktop;

struct Killed {};

const DateTime kStart = MakeDateTime(2026, 12, 8, 10, 0, 0);

// The golden pick re-seeds from the clock; a fixed reading there keeps its deal the same
// whenever it is dealt, so an interrupted game can be held against one never interrupted.
class SteadyDesktop : public VirtualDesktop {
 public:
  using VirtualDesktop::VirtualDesktop;
  std::uint32_t MillisSinceMidnightUtc() const override {
    return IsShown(WindowId::GoldenPick) ? 777u : VirtualDesktop::MillisSinceMidnightUtc();
  }
};

class ResumeTest : public ::testing::Test {
 protected:
  void Launch(std::int64_t clockMs = 0) {
    game_.reset();
    desk_ = std::make_unique<SteadyDesktop>(kStart);
    desk_->AdvanceClock(clockMs);
    game_ = std::make_unique<Game>(*desk_, dir_ / kSaveFileName);
    desk_->SetPlayer([this] { Play(); });
    desk_->Start();
  }
  // Killed: nothing more reaches the disk.
  void Kill() {
    desk_->SetObserver({});
    desk_->SetPlayer({});
    game_.reset();
  }
  // Runs, picking in every bonus window, until play is back with the player.
  void RunToRest() {
    ASSERT_TRUE(desk_->RunUntil([this] { return AtRest(); }, 3600000));
  }
  bool AtRest() {
    return m().StartEnabled == 1 && cycle().freeSpins() == 0 &&
           desk_->inputWindow() == WindowId::Main && !Running(MainTimer::Spin);
  }
  // Starts a spin at the first moment whose outcome `wanted` accepts.
  void SpinTo(const std::function<bool(const ReelWindow&)>& wanted) {
    ASSERT_TRUE(testing::WaitForOutcome(*desk_, m(), wanted));
    desk_->Click(Ref(MainEl::StartButton));
  }
  void Play() {
    const auto pick = [this](ElementRef e) { desk_->ThenClick(300, e); };
    switch (desk_->inputWindow()) {
      case WindowId::HatChooser:
        for (int hat = 1; hat <= 3; ++hat)
          if (game_->chooser().hatContents()[hat - 1] == wantedGame_) pick(Ref(ChooserHat(hat)));
        return;
      case WindowId::Bottles:
        return pick(Ref(Bottle(2)));
      case WindowId::Cups:
        for (int cup = 1; cup <= kCups; ++cup)
          if (game_->cups().Snapshot().marks[cup - 1] == 0) return pick(Ref(Cup(cup)));
        return;
      case WindowId::Meze:
        for (int row = 0; row < kMezeRows; ++row)
          if (game_->meze().Snapshot().marks[row * kMezeCells + 2] == 0)
            return pick(Ref(MezePicture(row, 3)));
        return;
      case WindowId::GoldenPick:
        return pick(Ref(Cover(2)));
      case WindowId::GoldenBoard:
        for (int k = 1; k <= kBoardCells; ++k)
          if (game_->goldenBoard().Snapshot().marks[k - 1] == 0) return pick(Ref(BoardCell(k)));
        return;
      case WindowId::BonusResult:
        return pick(Ref(BonusResultEl::OkButton));
      case WindowId::MegaBonus: {
        const MegaWheelRules& wheel = game_->megaBonus().rules();
        if (megaKillAt_ == wheel.phase()) throw Killed{};
        if (desk_->Visible(Ref(MegaBonusEl::StartButton)))
          return pick(Ref(MegaBonusEl::StartButton));
        if (desk_->Visible(Ref(MegaBonusEl::StopButton))) return pick(Ref(MegaBonusEl::StopButton));
        if (desk_->Visible(Ref(MegaBonusEl::OkButton))) return pick(Ref(MegaBonusEl::OkButton));
        return;
      }
      default:
        return;
    }
  }
  bool Running(MainTimer t) { return desk_->IsTimerRunning(TimerOf(t)); }
  Machine& m() { return game_->machine(); }
  SpinCycle& cycle() { return game_->main().cycle(); }
  std::filesystem::path ResumePath() { return dir_ / "Tarvolenka.resume"; }
  std::vector<PastGame> Games() {
    return RecentGames(HistoryFile(dir_ / kHistoryFileName).Read().lines, 100);
  }
  // A game's record holds what its spins paid, and they account for its balances.
  static void ExpectWhole(const PastGame& g) {
    EXPECT_TRUE(g.interrupted);
    EXPECT_EQ(g.spins.size(), 1u + static_cast<std::size_t>(g.freeSpinsWon));
    std::int64_t paid = 0;
    for (const SpinRecord& s : g.spins) {
      for (const LineWinRecord& w : s.wins) paid += w.pay;
      paid += s.bonusPlayed ? s.bonus.amount : 0;
    }
    EXPECT_EQ(paid, g.won);
    EXPECT_EQ(g.balanceAfter - g.balanceBefore, g.won - g.stake);
  }

  testing::TempDir dir_;
  std::unique_ptr<SteadyDesktop> desk_;
  std::unique_ptr<Game> game_;
  int wantedGame_ = 1;
  std::optional<MegaWheelRules::Phase> megaKillAt_;  // the player's game dies on reaching it
};

bool Bonus(const ReelWindow& w) {
  return CountVisible(w, kBonusSymbol) >= 3 && CountVisible(w, kScatterSymbol) < 3;
}
bool PlainWin(const ReelWindow& w) {
  WinningLineFlags f{};
  return !Bonus(w) && CountVisible(w, kScatterSymbol) < 3 && EvaluateLines(w, f) > 0;
}

TEST_F(ResumeTest, ASpinKilledWhileTurningIsFinishedAtOnceAtStartAndPaidOnce) {
  Launch();
  SpinTo(PlainWin);
  const ReelWindow end = testing::PredictSpin(m().Reels, m().Rng.seed());
  WinningLineFlags lines{};
  const std::int64_t win = EvaluateLines(end, lines) * m().State.LineStake;
  const std::int64_t afterStake = m().State.Balance;
  desk_->RunFor(300);
  ASSERT_TRUE(Running(MainTimer::Spin));
  Kill();
  Launch(60000);
  desk_->RunFor(1);  // one pass of the event loop: no animation
  EXPECT_FALSE(Running(MainTimer::Spin));
  EXPECT_EQ(m().Reels, end);
  EXPECT_EQ(m().State.Balance, afterStake + win);
  EXPECT_EQ(m().State.LastWin, win);
  EXPECT_FALSE(std::filesystem::exists(ResumePath()));
  Kill();
  Launch(120000);  // and never again
  EXPECT_EQ(m().State.Balance, afterStake + win);
  const std::vector<PastGame> games = Games();
  ASSERT_EQ(games.size(), 1u);
  ExpectWhole(games[0]);
  EXPECT_EQ(games[0].spins[0].cells[5], end.at(2, 1));
}

class BonusKilledTest : public ResumeTest, public ::testing::WithParamInterface<int> {};

// Every bonus game, killed at moments 0.4 s apart from the pause before the chooser
// to the result screen, ends with the balance of the game never interrupted.
TEST_P(BonusKilledTest, EndsWhereTheUninterruptedGameEnds) {
  wantedGame_ = GetParam();
  Launch();
  SpinTo(Bonus);
  const std::int64_t spinStart = desk_->now();
  RunToRest();
  const std::int64_t expected = m().State.Balance;
  const std::int64_t length = desk_->now() - spinStart;
  std::set<BonusStageId> stagesHit;
  for (std::int64_t killAt = 250; killAt < length; killAt += 400) {
    Kill();
    std::filesystem::remove_all(dir_.path());
    std::filesystem::create_directories(dir_.path());
    Launch();
    SpinTo(Bonus);
    const std::int64_t at = desk_->now() + killAt;
    desk_->SetObserver([this, at] {
      if (desk_->now() >= at) throw Killed{};
    });
    EXPECT_THROW(RunToRest(), Killed);
    Kill();
    const auto record = ResumeFile(ResumePath()).Load();
    if (record.status == ResumeLoad::Loaded && record.record.kind == InFlight::Bonus)
      stagesHit.insert(record.record.stage);
    Launch(killAt);
    RunToRest();
    EXPECT_EQ(m().State.Balance, expected) << "killed " << killAt << " ms into the spin";
    EXPECT_FALSE(std::filesystem::exists(ResumePath()));
    const std::vector<PastGame> games = Games();
    ASSERT_EQ(games.size(), 1u) << "killed " << killAt << " ms into the spin";
    EXPECT_EQ(games[0].balanceAfter, expected);
    EXPECT_EQ(games[0].won - games[0].stake, expected - 30000) << "killed at " << killAt;
    EXPECT_EQ(games[0].balanceBefore, 30000) << "killed at " << killAt;
  }
  // The kills landed in the chooser and in every window of the game.
  const std::set<BonusStageId> windows[] = {
      {BonusStageId::Chooser, BonusStageId::Bottles, BonusStageId::Cups},
      {BonusStageId::Chooser, BonusStageId::Meze},
      {BonusStageId::Chooser, BonusStageId::GoldenPick, BonusStageId::GoldenBoard}};
  for (BonusStageId stage : windows[wantedGame_ - 1])
    EXPECT_TRUE(stagesHit.count(stage)) << static_cast<int>(stage);
}

INSTANTIATE_TEST_SUITE_P(DrinksMezeGolden, BonusKilledTest, ::testing::Values(1, 2, 3));

TEST_F(ResumeTest, FreeSpinsLeftAtAKillArePlayedAfterTheStart) {
  Launch();
  SpinTo([](const ReelWindow& w) { return CountVisible(w, kScatterSymbol) == 3 && !Bonus(w); });
  ASSERT_TRUE(desk_->RunUntil(
      [this] {
        return cycle().freeSpins() == 7 && Running(MainTimer::FreeSpin) &&
               !Running(MainTimer::Spin);
      },
      600000));
  const GameState before = m().State;
  Kill();
  Launch(900000);
  EXPECT_EQ(cycle().freeSpins(), 7);
  EXPECT_EQ(m().State.Balance, before.Balance);
  RunToRest();
  EXPECT_GE(m().State.Experience, before.Experience + 7 * before.TotalStake);
  EXPECT_FALSE(std::filesystem::exists(ResumePath()));
  // The history holds the game whole: the spins before the kill were kept beside it.
  const std::vector<PastGame> games = Games();
  ASSERT_EQ(games.size(), 1u);
  ExpectWhole(games[0]);
  EXPECT_GE(games[0].spins.size(), 11u);
  EXPECT_FALSE(std::filesystem::exists(dir_ / "Tarvolenka.history.open"));
}

TEST_F(ResumeTest, AnOpenDoubleUpIsCollectedAtStartWithWhatWasWon) {
  Launch();
  SpinTo(PlainWin);
  RunToRest();
  const std::int64_t balance = m().State.Balance;
  const std::int64_t win = m().State.LastWin;
  desk_->Then(10, [this] { game_->main().OpenDoubleUp(); });
  desk_->Then(100, [this] { game_->doubleUp().UseJoker(); });
  desk_->Then(100, [] { throw Killed{}; });
  EXPECT_THROW(desk_->RunFor(1000), Killed);
  Kill();
  Launch(60000);
  EXPECT_EQ(m().State.Balance, balance - win + 2 * win);
  EXPECT_FALSE(desk_->IsShown(WindowId::DoubleUp));
  const std::vector<PastGame> games = Games();
  ASSERT_EQ(games.size(), 1u);
  ASSERT_TRUE(games[0].doubleUp);
  EXPECT_TRUE(games[0].doubleUp->interrupted);
  EXPECT_EQ(games[0].doubleUp->collected - games[0].doubleUp->staked, win);
}

// A save whose sixth timed bonus is due: the next one taken is the mega bonus.
void SaveWithMegaBonusDue(const std::filesystem::path& save) {
  GameState s = NewGameState(kStart);
  s.BonusStage = 5;
  s.BonusDueTime = kStart - 1.0;
  ASSERT_TRUE(SaveFile(save).Write(Encode(s)));
}

// Killed at each moment of the wheel's run; the prize is the one the wheel would have given,
// never drawn again, and paid once.
class MegaBonusKilledTest : public ResumeTest, public ::testing::WithParamInterface<int> {
 protected:
  // Takes the due mega bonus and plays its wheel to the end, or to the kill.
  void TakeMegaBonus() {
    ASSERT_TRUE(
        desk_->RunUntil([this] { return desk_->Visible(Ref(MainEl::TakeBonusButton)); }, 2000));
    desk_->Click(Ref(MainEl::TakeBonusButton));
  }
};

TEST_P(MegaBonusKilledTest, PaysThePrizeTheUninterruptedWheelGives) {
  SaveWithMegaBonusDue(dir_ / kSaveFileName);
  Launch();
  const std::int64_t before = m().State.Balance;
  TakeMegaBonus();
  const std::int64_t prize = m().State.Balance - before;
  EXPECT_GT(prize, 0);
  Kill();

  std::filesystem::remove_all(dir_.path());
  std::filesystem::create_directories(dir_.path());
  SaveWithMegaBonusDue(dir_ / kSaveFileName);
  Launch();
  megaKillAt_ = GetParam() == 0 ? MegaWheelRules::Phase::StopAsked : MegaWheelRules::Phase::Rested;
  EXPECT_THROW(TakeMegaBonus(), Killed);
  Kill();
  megaKillAt_.reset();
  Launch(60000);
  ASSERT_TRUE(desk_->RunUntil([this] { return AtRest(); }, 60000));
  EXPECT_EQ(m().State.Balance, before + prize);
  EXPECT_EQ(m().State.BonusStage, 0);
  EXPECT_FALSE(std::filesystem::exists(ResumePath()));
}

INSTANTIATE_TEST_SUITE_P(AtEachMoment, MegaBonusKilledTest, ::testing::Values(0, 1),
                         [](const ::testing::TestParamInfo<int>& row) {
                           return std::string(row.param == 0 ? "Stopping" : "Rested");
                         });

TEST_F(ResumeTest, ALevelUpKilledBeforeItsOkIsShownAgainAndPaidOnce) {
  GameState s = NewGameState(kStart);
  s.Experience = s.NextLevelExperience - 1;
  ASSERT_TRUE(SaveFile(dir_ / kSaveFileName).Write(Encode(s)));
  Launch();
  SpinTo([](const ReelWindow& w) { return !Bonus(w) && CountVisible(w, kScatterSymbol) < 3; });
  ASSERT_TRUE(desk_->RunUntil([this] { return desk_->IsShown(WindowId::LevelUp); }, 60000));
  const std::int64_t paid = m().State.Balance;
  Kill();
  Launch(60000);
  ASSERT_TRUE(desk_->RunUntil([this] { return desk_->IsShown(WindowId::LevelUp); }, 1000));
  desk_->Click(Ref(LevelUpEl::OkButton));
  EXPECT_EQ(m().State.Level, 2);
  EXPECT_EQ(m().State.Balance, paid);
  EXPECT_FALSE(std::filesystem::exists(ResumePath()));
}

}  // namespace
}  // namespace tarvolenka
