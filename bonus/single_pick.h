#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "bonus/draw_cell.h"
#include "bonus/resumable_window.h"
#include "core/random.h"
#include "core/resume_record.h"

namespace tarvolenka {

// N covers over N values and one final pick: the bottles' multipliers, the hats' bonus games
// and the golden pick's numbers of fouls.
template <std::size_t N>
class SinglePick {
 public:
  static constexpr int kCovers = static_cast<int>(N);

  // The values 1..N, each under one cover: a value is drawn for each cover in turn, again
  // until it is one not yet dealt.
  void DealEachValueOnce(Random& rng) {
    values_.fill(0);
    for (auto& value : values_) value = DrawUnusedValue(rng, values_, N);
    open_ = true;
    picked_ = 0;
  }
  // The values first..first+N-1 in turn, each under a free cover drawn from the generator.
  void DealIntoDrawnCovers(Random& rng, std::uint8_t first) {
    values_.fill(0);
    for (std::size_t k = 0; k < N; ++k)
      values_[DrawCellWhere(rng, values_, [](std::uint8_t v) { return v == 0; })] =
          static_cast<std::uint8_t>(first + k);
    open_ = true;
    picked_ = 0;
  }
  // The value under `cover` (1..N); the pick is final. Nothing once picked, or out of range.
  std::optional<std::uint8_t> Pick(int cover) {
    if (!open_ || cover < 1 || cover > kCovers) return std::nullopt;
    open_ = false;
    picked_ = cover;
    return values_[static_cast<std::size_t>(cover - 1)];
  }

  bool open() const { return open_; }
  // The cover picked since the deal, 1..N, and what it hid; 0 for both before the pick.
  int pickedCover() const { return picked_; }
  std::uint8_t pickedValue() const {
    return picked_ == 0 ? 0 : values_[static_cast<std::size_t>(picked_ - 1)];
  }
  const std::array<std::uint8_t, N>& values() const { return values_; }

  // The resume file keeps the deal; a restored game waits for its pick again.
  BonusWindowState Snapshot() const {
    BonusWindowState s;
    s.dealt = open_ ? ResumableWindow::kDealt : ResumableWindow::kFinished;
    for (std::size_t k = 0; k < N; ++k) s.values[k] = values_[k];
    return s;
  }
  // A deal play can make: the values first..first+N-1, each under one cover.
  static bool Plausible(const BonusWindowState& state, std::uint8_t first) {
    std::array<bool, N> seen{};
    for (std::size_t k = 0; k < N; ++k) {
      const std::int64_t slot = state.values[k] - first;
      if (slot < 0 || slot >= kCovers || seen[static_cast<std::size_t>(slot)]) return false;
      seen[static_cast<std::size_t>(slot)] = true;
    }
    return true;
  }
  void Restore(const BonusWindowState& state) {
    for (std::size_t k = 0; k < N; ++k) values_[k] = static_cast<std::uint8_t>(state.values[k]);
    open_ = true;
    picked_ = 0;
  }

 private:
  std::array<std::uint8_t, N> values_{};
  bool open_ = false;
  int picked_ = 0;
};

}  // namespace tarvolenka
