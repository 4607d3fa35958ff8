#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "bonus/meze_prizes.h"
#include "catalogue/meze_elements.h"
#include "core/random.h"
#include "core/resume_record.h"

namespace tarvolenka {

// The meze bonus's rules: one pick per row of vegetables from the bottom up, each adding its
// prize, until a zero is picked or the top row has been played. A row takes its pick once the
// one below it has been revealed.
class MezeRules {
 public:
  using Prizes = std::array<std::array<std::int64_t, kMezeCells>, kMezeRows>;

  // Places each row's prizes, scaled by the number of bonus symbols, in cells drawn from the
  // generator, the top row first; the bottom row is open.
  void Deal(std::int64_t bonusSymbols, Random& rng);
  // The prize under cell k (1..6) of the open row `row`; the row then closes. Nothing, for a
  // row that is not open or a cell out of range.
  std::optional<std::int64_t> Pick(MezeRow row, int k);
  // Once a picked row has been revealed: the next row opens, unless the game is over.
  void OpenNextRow();

  bool IsOpen(MezeRow row) const { return open_ == row; }
  bool Over() const;
  // Whether the game ended on a zero rather than with every row picked.
  bool zeroPicked() const { return zeroPicked_; }
  const Prizes& prizes() const { return prizes_; }
  // The cell picked in `row`, 1..6, or 0 for none yet.
  int Picked(MezeRow row) const { return picked_[static_cast<std::size_t>(row)]; }
  // The prizes picked so far, added up: the game's result once it is over.
  std::int64_t total() const;

  // The state the resume file keeps, and the game continued from it.
  BonusWindowState Snapshot() const;
  void Restore(const BonusWindowState& state);
  // A game still in play that a deal for `bonusSymbols` can reach: each row's prizes in its
  // cells, picks from the bottom up with none past a zero, and the zero flag matching them.
  static bool Plausible(const BonusWindowState& state, std::int64_t bonusSymbols);

 private:
  Prizes prizes_{};
  std::array<std::uint8_t, kMezeRows> picked_{};
  bool zeroPicked_ = false;
  std::optional<MezeRow> open_;
  MezeRow last_ = MezeRow::Cabbage;  // the row picked last
};

}  // namespace tarvolenka
