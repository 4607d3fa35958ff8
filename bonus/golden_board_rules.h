#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "bonus/ladder_table.h"
#include "catalogue/golden_board_elements.h"
#include "core/random.h"
#include "core/resume_record.h"

namespace tarvolenka {

// What a cell uncovered by the player did.
struct BoardPick {
  bool coin = false;
  bool over = false;  // the last foul the golden pick allowed
};

// The golden board's rules: sixteen cells hide ten coins and six fouls; every coin uncovered
// climbs the prize ladder one rung, and the game ends when as many fouls have been uncovered
// as the golden pick allowed. The rest of the board is then uncovered, one cell at a time.
class GoldenBoardRules {
 public:
  // Places the fouls in cells drawn from the generator; the game ends after `allowedFouls`.
  void Deal(int allowedFouls, Random& rng);
  // Uncovers `cell` (1..16); nothing for a cell already uncovered or out of range, or once the
  // game is over.
  std::optional<BoardPick> Pick(int cell);
  // Once the game is over: uncovers the first cell still covered and names it; 0 when none is.
  int UncoverNext();

  // 1 = coin, 0 = foul, by cell.
  const std::array<std::uint8_t, kBoardCells>& cells() const { return cells_; }
  bool Over() const { return fouls_ == allowedFouls_; }
  bool IsCoin(int cell) const { return cells_[Index(cell)] == kCoin; }
  bool IsCovered(int cell) const { return covered_[Index(cell)]; }
  int fouls() const { return fouls_; }
  int rung() const { return rung_; }
  std::int64_t prize() const { return kLadderTable[static_cast<std::size_t>(rung_)].prize; }

  // The board the resume file keeps, and the game continued from it.
  BonusWindowState Snapshot() const;
  void Restore(const BonusWindowState& state, int allowedFouls);
  // A game still in play that a deal can reach: six fouls among coins, and the counts of fouls
  // and rungs those uncovered, with fewer fouls than allowed.
  static bool Plausible(const BonusWindowState& state, int allowedFouls);

 private:
  static constexpr std::uint8_t kCoin = 1;
  static constexpr std::uint8_t kFoul = 0;
  static constexpr std::size_t Index(int cell) { return static_cast<std::size_t>(cell - 1); }

  std::array<std::uint8_t, kBoardCells> cells_{};  // 1 = coin, 0 = foul
  std::array<bool, kBoardCells> covered_{};
  int allowedFouls_ = 0;
  int fouls_ = 0;
  int rung_ = 0;
};

}  // namespace tarvolenka
