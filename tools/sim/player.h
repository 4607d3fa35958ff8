#pragma once

#include <vector>

#include "double/double_up_window.h"
#include "tools/sim/double_strategy.h"
#include "tools/sim/headless_desktop.h"
#include "tools/sim/sim_random.h"

namespace tarvolenka::sim {

// The player of the simulation. In a bonus window it clicks one of the elements that take
// clicks, uniformly at random: a hat, a bottle, any cup (an open cup counts again), a vegetable
// (only the open row reacts), a board cell (only covered cells react), the result's OK. In the
// double-up it follows its strategy and never uses the joker, a once-an-hour extra.
class RandomPlayer : public Player {
 public:
  // Before each double-up click the player thinks for up to this long; the window's timers run
  // meanwhile, and from rung 6 on its shaking draws from the game's generator.
  static constexpr int kThinkMsMax = 2000;

  RandomPlayer(Stream& stream, const DoubleUpWindow& doubleUp, DoubleStrategy strategy);

  void Act(WindowId window, HeadlessDesktop& desktop) override;

 private:
  void ActInDoubleUp(HeadlessDesktop& desktop);

  Stream& stream_;
  const DoubleUpWindow& doubleUp_;
  DoubleStrategy strategy_;
  std::vector<ElementRef> clickable_;
};

}  // namespace tarvolenka::sim
