#pragma once

#include <array>
#include <cstdint>

#include "bonus/bonus_rules.h"
#include "bonus/cup_levels.h"
#include "bonus/drinks_rules.h"
#include "bonus/resumable_window.h"
#include "catalogue/cups_elements.h"
#include "core/desktop.h"
#include "core/machine.h"
#include "core/pick_ring.h"

namespace tarvolenka {

// The cups bonus: the player opens cups until one prize level has been found three times; that
// prize is the game's result.
class CupsWindow : public WindowLogic, public ResumableWindow {
 public:
  // `bonus` is the round the window plays in, which it only reads.
  CupsWindow(Desktop& desktop, Machine& machine, const BonusRules& bonus);

  void OnShow() override;
  // The window closes itself when its game is over; until then a close would cost the bonus.
  bool CloseRequested() override { return false; }
  void Click(std::uint16_t handler, int number) override;
  // The arrows move the ring over the choices; Enter or Space picks the one it frames.
  bool KeyPressed(Key key) override { return ring_.Take(key, *this); }

  // A click on cup `cup` (1..15). A cup already open counts again: that is the game's rule.
  void PickCup(int cup);

  BonusWindowState Snapshot() const override;

  // The prize under each cup, dealt anew at every showing, and the hits per prize level.
  const CupsRules& rules() const { return rules_; }
  const std::array<std::int64_t, kCups>& cupPrizes() const { return rules_.prizes(); }
  const std::array<std::uint8_t, kCupLevels.size()>& prizeHits() const { return rules_.hits(); }

 private:
  void Reveal();
  // Shows the prizes from `cup` on, one step at a time, then closes.
  void RevealFrom(int cup);
  void Restore(const BonusWindowState& state);
  void ShowOpened(int cup);
  void ShowTally();
  void MarkWinners(std::int64_t prize);

  Desktop& d_;
  Machine& m_;
  const BonusRules& bonus_;
  CupsRules rules_;
  PickRing ring_;
};

}  // namespace tarvolenka
