#pragma once

// The player of the simulation, playing the games' rules with no window shown. In a bonus game
// it clicks one of the pictures that take clicks, uniformly at random: a hat, a bottle, any cup
// (an open cup counts again), a vegetable (only the open row reacts), a board cell (only covered
// cells react), the result's OK. A click that does nothing still costs its draw. In the
// double-up it follows its strategy and never uses the joker, a once-an-hour extra. Its draws
// and the game's generator's come in the order the game's windows take them.

#include <cstdint>

#include "bonus/bonus_rules.h"
#include "bonus/drinks_rules.h"
#include "bonus/golden_board_rules.h"
#include "bonus/meze_rules.h"
#include "bonus/single_pick.h"
#include "catalogue/bonus_result_elements.h"
#include "catalogue/bottles_elements.h"
#include "catalogue/cups_elements.h"
#include "catalogue/double_up_elements.h"
#include "catalogue/golden_board_elements.h"
#include "catalogue/golden_pick_elements.h"
#include "catalogue/hat_chooser_elements.h"
#include "catalogue/meze_elements.h"
#include "core/random.h"
#include "double/double_up_rules.h"
#include "tools/sim/double_strategy.h"
#include "tools/sim/sim_random.h"

namespace tarvolenka::sim {

// The pictures of `window` that take clicks: all of them, or only those shown as it opens.
constexpr int ClickablePictures(const WindowSpec& window, bool shownAtOpening) {
  int n = 0;
  for (const ElementSpec& e : window.elements)
    if (e.kind == Kind::Picture && e.click != kNoClick &&
        (!shownAtOpening || (e.flags & kHidden) == 0))
      ++n;
  return n;
}

// What the bottle picked hid.
struct BottlePick {
  int bottle = 0;      // 1..5
  int multiplier = 0;  // 1..5
};

class RulesPlayer {
 public:
  // How many pictures the player picks among in each window; the k-th of them is cover, cup,
  // cell or vegetable k.
  static constexpr int kHats = ClickablePictures(chooser_window::kWindow, true);
  static constexpr int kBottleClicks = ClickablePictures(bottles_window::kWindow, true);
  static constexpr int kCupClicks = ClickablePictures(cups_window::kWindow, true);
  // The meze shows its bottom row as it opens, and one row more as each opens.
  static constexpr int kVegetablesPerRow = ClickablePictures(meze_window::kWindow, true);
  static constexpr int kCoverClicks = ClickablePictures(golden_pick_window::kWindow, true);
  static constexpr int kCellClicks = ClickablePictures(golden_board_window::kWindow, true);
  static constexpr int kResultClicks = ClickablePictures(result_window::kWindow, true);

  // Before each double-up click the player thinks for up to this long; the window's timers run
  // meanwhile, and from rung 6 on its shaking draws from the game's generator.
  static constexpr int kThinkMsMax = 2000;
  static constexpr int kShakeMs =
      double_window::kTimers[static_cast<std::size_t>(DoubleUpTimer::Shake)].intervalMs;

  // `stream` gives the player's picks and the clock's readings, `rng` is the game's generator.
  RulesPlayer(Stream& stream, Random& rng, DoubleStrategy strategy);

  // The bonus round of a spin with `bonusSymbols` on its reels, from the chooser to its pay at
  // `lineStake` per line; what it paid. A round that does not open draws nothing.
  std::int64_t PlayBonus(BonusRules& bonus, int bonusSymbols, std::int32_t lineStake);

  // The games, each dealt from the game's generator and played to its end.
  std::uint8_t ChooseHat();  // the game under the hat lifted
  BottlePick PickBottle();
  std::int64_t PlayCups(std::int64_t bonusSymbols);  // the prize found three times
  std::int64_t PlayMeze(std::int64_t bonusSymbols);  // the prizes picked, added up
  std::uint8_t PickGoldenCover();                    // the fouls the board allows
  std::int64_t PlayGoldenBoard(int allowedFouls);    // the ladder's prize
  void ConfirmResult();

  // The double-up on `win`, played by the strategy; the amount in hand when it closes.
  std::int64_t Gamble(std::int64_t win);

 private:
  static_assert(kHats == SinglePick<3>::kCovers && kCoverClicks == SinglePick<3>::kCovers);
  static_assert(kBottleClicks == BottlesRules::kCovers && kCupClicks == kCups);
  static_assert(kVegetablesPerRow == kMezeCells &&
                ClickablePictures(meze_window::kWindow, false) == kMezeRows * kMezeCells);
  static_assert(kCellClicks == kBoardCells && kResultClicks == 1);

  // A click among `count` pictures: the index of the one clicked.
  int Click(int count) {
    return static_cast<int>(stream_.Below(static_cast<std::uint32_t>(count)));
  }
  void ThinkInDoubleUp(bool shaking);

  Stream& stream_;
  Random& rng_;
  DoubleStrategy strategy_;
  SinglePick<3> hats_;
  BottlesRules bottles_;
  CupsRules cups_;
  MezeRules meze_;
  SinglePick<3> covers_;
  GoldenBoardRules board_;
  DoubleUpRules doubleUp_;
};

}  // namespace tarvolenka::sim
