#include "tests/fuzz/save_file_check.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "catalogue/main_elements.h"
#include "core/arith.h"
#include "core/level_rules.h"
#include "core/stake_ladder.h"
#include "game/game.h"
#include "tests/support/invariant_broken.h"
#include "tests/support/temp_dir.h"
#include "tests/support/virtual_desktop.h"

namespace tarvolenka::testing {
namespace {

// What a player can reach in a game: the ranges of the fields that play relies on.
constexpr std::int32_t kTopLineStake = 100000;
constexpr std::int32_t kTopLevel = 100000;
constexpr std::int64_t kPlayMs = 60000;

struct Step {
  MainEl element;
  int afterMs;  // the wait before the click
};

// Counter panels, stake and line buttons, the sound switch, the timed bonus, three spins with a
// gamble after each, auto-play on and off, and the legend.
constexpr std::array<Step, 27> kMainScript{{
    {MainEl::BalancePanel, 50},      {MainEl::WinPanel, 50},        {MainEl::LineStakePanel, 50},
    {MainEl::LinesPanel, 50},        {MainEl::TotalStakePanel, 50}, {MainEl::BonusStage, 50},
    {MainEl::LevelBadge, 50},        {MainEl::DoubleButton, 50},    {MainEl::StakePlus, 50},
    {MainEl::StakePlus, 50},         {MainEl::StakeMinus, 50},      {MainEl::LinesMinus, 50},
    {MainEl::LinesPlus, 50},         {MainEl::SoundSwitch, 50},     {MainEl::SoundSwitch, 50},
    {MainEl::TakeBonusButton, 1100}, {MainEl::StartButton, 100},    {MainEl::DoubleButton, 2500},
    {MainEl::StartButton, 100},      {MainEl::WinPanel, 2500},      {MainEl::AutoPlayBox, 100},
    {MainEl::AutoPlayBox, 5000},     {MainEl::LegendButton, 100},   {MainEl::StartButton, 500},
    {MainEl::StakeMinus, 2500},      {MainEl::LinesMinus, 50},      {MainEl::StartButton, 50},
}};

// Plays the main script, and every window that opens by clicking its controls in turn, now and
// then closing it by the window system instead.
class ScriptedPlayer {
 public:
  explicit ScriptedPlayer(VirtualDesktop& desk) : desk_(desk) {}

  void Next() {
    const WindowId window = desk_.inputWindow();
    if (window != WindowId::Main) {
      desk_.Then(250, [this, window] { PlayWindow(window); });
    } else if (step_ < kMainScript.size()) {
      const Step step = kMainScript[step_++];
      desk_.Then(step.afterMs, [this, step] {
        if (desk_.inputWindow() == WindowId::Main) desk_.Click(Ref(step.element));
      });
    }
  }

 private:
  void PlayWindow(WindowId window) {
    if (desk_.inputWindow() != window || !desk_.IsShown(window)) return;
    std::vector<ElementRef> controls;
    const auto& elements = SpecOf(window).elements;
    for (std::size_t i = 0; i < elements.size(); ++i) {
      const ElementRef ref{window, static_cast<std::uint16_t>(i)};
      if (elements[i].kind == Kind::Picture && elements[i].click != kNoClick && desk_.Visible(ref))
        controls.push_back(ref);
    }
    ++moves_;
    if (controls.empty() || moves_ % 7 == 0) return desk_.CloseByWindowSystem(window);
    desk_.Click(controls[moves_ % controls.size()]);
  }

  VirtualDesktop& desk_;
  std::size_t step_ = 0;
  std::size_t moves_ = 0;
};

template <class T>
void Kept(bool sound, T fromFile, T loaded, const char* field) {
  if (sound) Require(fromFile == loaded, std::string(field) + " was sound in the file but changed");
}

bool InRange(std::int32_t v, std::int32_t low, std::int32_t high) {
  return v >= low && v <= high;
}

// Experience at or past the threshold after the next would raise a level after every game; it is
// sound below that, and at the top level, which rises no further.
bool ExperienceIsSound(const GameState& file) {
  if (file.Experience < 0 || !InRange(file.Level, 1, kTopLevel) || file.NextLevelExperience < 0)
    return false;
  if (file.Level == kTopLevel) return true;
  const std::int64_t second =
      SatAdd(file.NextLevelExperience, LevelRules::ExperienceToLeave(file.Level + 1));
  return second == std::numeric_limits<std::int64_t>::max() || file.Experience < second;
}

void CheckLoaded(const GameState& file, const GameState& s, DateTime now) {
  Kept(file.Balance >= 0, file.Balance, s.Balance, "Balance");
  Kept(file.LastWin >= 0, file.LastWin, s.LastWin, "LastWin");
  Kept(InRange(file.LineCount, 1, 50), file.LineCount, s.LineCount, "LineCount");
  // The stake per line and its step go as high as the level allows, and a repaired stake takes
  // its own step with it.
  const bool levelSound = InRange(file.Level, 1, kTopLevel);
  const std::int32_t highestStake = levelSound ? std::min(file.Level * 10, kTopLineStake) : 0;
  const bool stakeSound = levelSound && InRange(file.LineStake, 1, highestStake);
  Kept(stakeSound, file.LineStake, s.LineStake, "LineStake");
  Kept(levelSound, file.Level, s.Level, "Level");
  Kept(stakeSound && InRange(file.StakeStep, 1, StakeStepOf(highestStake)), file.StakeStep,
       s.StakeStep, "StakeStep");
  Kept(ExperienceIsSound(file), file.Experience, s.Experience, "Experience");
  Kept(file.LevelStartExperience >= 0, file.LevelStartExperience, s.LevelStartExperience,
       "LevelStartExperience");
  Kept(file.NextLevelExperience >= 0, file.NextLevelExperience, s.NextLevelExperience,
       "NextLevelExperience");
  Kept(file.TimedBonusAmount >= 0, file.TimedBonusAmount, s.TimedBonusAmount, "TimedBonusAmount");
  Kept(file.MegaBonusCeiling >= 0, file.MegaBonusCeiling, s.MegaBonusCeiling, "MegaBonusCeiling");
  Kept(file.BonusStage <= 5, file.BonusStage, s.BonusStage, "BonusStage");
  // A due time more than an hour ahead is brought back to the hour.
  Kept(std::isfinite(file.BonusDueTime) && file.BonusDueTime <= PlusOneHour(now), file.BonusDueTime,
       s.BonusDueTime, "BonusDueTime");
  Kept(file.SoundOn <= 1, file.SoundOn, s.SoundOn, "SoundOn");
  Kept(true, file.Unused44, s.Unused44, "the bytes at 44");
  Kept(true, file.Reserved72, s.Reserved72, "the bytes at 72");
  Kept(true, file.Unused97, s.Unused97, "the bytes at 97");
  Kept(true, file.Unused113, s.Unused113, "the bytes at 113");

  // Damaged fields come back where play can use them; the derived ones follow the others.
  Require(InRange(s.LineCount, 1, 50) && InRange(s.LineStake, 1, kTopLineStake) &&
              InRange(s.Level, 1, kTopLevel) && InRange(s.StakeStep, 1, 16) && s.BonusStage <= 5 &&
              std::isfinite(s.BonusDueTime) && s.BonusDueTime <= PlusOneHour(now) &&
              s.TimedBonusAmount >= 0,
          "a damaged field was left out of range");
  Require(s.TotalStake == s.LineCount * s.LineStake,
          "TotalStake does not follow the lines and stake");
  Require(s.MaxLineStake == s.Level * 10, "MaxLineStake does not follow the level");
  Require(s.JokerUses == 0, "the joker is not re-armed at start-up");
}

void CheckReels(const ReelWindow& reels) {
  for (int reel = 1; reel <= kReels; ++reel)
    for (int row = 0; row < kRows; ++row) {
      Require(AllowedOnReel(reels.at(row, reel), reel), "a symbol off its reel");
      for (int below = row + 1; below < kRows; ++below)
        Require(reels.at(row, reel) != reels.at(below, reel), "a reel holds a symbol twice");
    }
}

}  // namespace

void CheckSaveFile(std::span<const std::uint8_t> bytes) {
  TempDir dir;
  const std::filesystem::path path = dir / kSaveFileName;
  const std::vector<unsigned char> original(bytes.begin(), bytes.end());
  WriteFileBytes(path, original);

  VirtualDesktop desk(MakeDateTime(2026, 12, 8, 10, 0, 0));
  Game game(desk, path);
  desk.Start();
  const GameState& s = game.machine().State;

  const std::size_t held = std::min(original.size(), kSaveSize);
  const bool holdsAGame =
      std::any_of(original.begin(), original.begin() + held, [](std::uint8_t b) { return b != 0; });
  if (holdsAGame) {
    // A file cut short keeps the fields it holds whole; the rest come from a new game.
    const SaveBytes head = CompleteShortSave(std::span(bytes).first(held), desk.NowLocal());
    CheckLoaded(Decode(head), s, desk.NowLocal());
    Require(ReadFileBytes(path) == original, "loading changed the save file");
  } else {
    // Empty or blank: a new game, saved at once.
    GameState fresh = NewGameState(desk.NowLocal());
    Require(Encode(s) == Encode(fresh), "a file without a game did not start a new one");
  }
  const bool couldPay = s.Balance >= 0;

  ScriptedPlayer player(desk);
  desk.SetPlayer([&player] { player.Next(); });
  desk.RunFor(kPlayMs);
  desk.SetPlayer({});
  CheckReels(game.machine().Reels);
  if (couldPay) Require(s.Balance >= 0, "the balance went negative in play");

  desk.CloseByWindowSystem(WindowId::Main);
  const std::vector<unsigned char> saved = ReadFileBytes(path);
  Require(saved.size() >= kSaveSize, "closing left a save file shorter than a game");
  SaveBytes written{};
  std::copy_n(saved.begin(), kSaveSize, written.begin());
  Require(written == Encode(s), "the save file does not hold the state at closing");
  const std::size_t tail = original.size() > kSaveSize ? original.size() - kSaveSize : 0;
  Require(saved.size() == kSaveSize + tail &&
              std::equal(saved.begin() + kSaveSize, saved.end(),
                         original.end() - static_cast<std::ptrdiff_t>(tail)),
          "the bytes after the game were not carried over");
  GameState reloaded = Decode(written);
  Require(RepairGameState(reloaded, desk.NowLocal()) == 0 && reloaded.BonusStage <= 5,
          "the game saved a state it would have to repair");
}

}  // namespace tarvolenka::testing
