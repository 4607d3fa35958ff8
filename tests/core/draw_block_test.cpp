// The block of draws made ahead against the generator drawn one step at a time.

#include "core/draw_block.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace tarvolenka {
namespace {

// Checks every draw, position mask, its complement and the end state of a block against the plain
// generator.
void ExpectBlockFollowsTheGenerator(const DrawBlock& block, std::uint32_t start) {
  Random r;
  r.Seed(start);
  std::array<DrawPositions, 16> where{};
  for (int j = 0; j < DrawBlock::kSize; ++j) {
    ASSERT_EQ(block.StateAfter(j), r.seed()) << "start " << start << " draw " << j;
    const SymbolId s = DrawSymbol(r);
    ASSERT_EQ(block.symbol(j), s) << "start " << start << " draw " << j;
    where[s] |= DrawPositions{1} << j;
  }
  ASSERT_EQ(block.StateAfter(DrawBlock::kSize), r.seed());
  for (SymbolId s = 0; s < 16; ++s) {
    ASSERT_EQ(block.Where(s), where[s]) << "symbol " << int{s};
    ASSERT_EQ(block.WhereNot(s), ~where[s]) << "symbol " << int{s};
  }
  for (int j = 0; j < DrawBlock::kSize; ++j)
    ASSERT_EQ(block.WhereNotSameAs(j), ~where[block.symbol(j)])
        << "start " << start << " draw " << j;
  for (int reel = 1; reel <= kReels; ++reel) {
    DrawPositions refused = 0;
    for (SymbolId s = 1; s <= 15; ++s)
      if (!AllowedOnReel(s, reel)) refused |= where[s];
    ASSERT_EQ(block.NotAllowedOn(reel - 1), refused) << "reel " << reel;
    ASSERT_EQ(block.AllowedOn(reel - 1), ~refused) << "reel " << reel;
  }
}

TEST(DrawBlock, OffersTheVectorMethodsWhereTheProcessorHasThem) {
  const auto methods = DrawBlock::Methods();
  EXPECT_EQ(methods.front(), DrawBlock::Method::OneByOne);
  const auto offers = [&](DrawBlock::Method m) {
    return std::find(methods.begin(), methods.end(), m) != methods.end();
  };
#if defined(__x86_64__)
  EXPECT_EQ(offers(DrawBlock::Method::Avx2), __builtin_cpu_supports("avx2") != 0);
  const bool avx512 = __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw");
  EXPECT_EQ(offers(DrawBlock::Method::Avx512), avx512);
  EXPECT_EQ(offers(DrawBlock::Method::Avx512Vbmi),
            avx512 && __builtin_cpu_supports("avx512vbmi") && __builtin_cpu_supports("gfni"));
#else
  EXPECT_FALSE(offers(DrawBlock::Method::Avx2));
  EXPECT_FALSE(offers(DrawBlock::Method::Avx512));
  EXPECT_FALSE(offers(DrawBlock::Method::Avx512Vbmi));
#endif
}

TEST(DrawBlock, DrawsWhatTheGeneratorDrawsStepByStep) {
  // Seeds from the clock's range, spread over all 32 bits, and the ends of the range.
  std::vector<std::uint32_t> starts{0, 1, 86399999, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF};
  for (std::uint32_t i = 0; i < 20000; ++i) starts.push_back(i * 2654435761u + 12345u);
  DrawBlock block;
  for (DrawBlock::Method method : DrawBlock::Methods()) {
    SCOPED_TRACE(static_cast<int>(method));
    for (std::uint32_t start : starts) {
      block.DrawBy(method, start);
      ExpectBlockFollowsTheGenerator(block, start);
    }
  }
  block.Draw(starts.back());
  ExpectBlockFollowsTheGenerator(block, starts.back());
}

TEST(DrawBlock, DrawsEverySymbolAtEachEdgeOfTheWeightTable) {
  // Search starts whose first draw lands on each index 0..72, so every boundary between two
  // symbols is met on both sides by the vector form's byte compares.
  std::array<bool, kSymbolWeightTotal> seen{};
  int found = 0;
  DrawBlock block;
  for (std::uint32_t start = 0; found < kSymbolWeightTotal; start += 977) {
    const std::uint32_t u = Random::Scaled(start * Random::kMultiplier + 1u, kSymbolWeightTotal);
    if (seen[u]) continue;
    seen[u] = true;
    ++found;
    for (DrawBlock::Method method : DrawBlock::Methods()) {
      SCOPED_TRACE(static_cast<int>(method));
      block.DrawBy(method, start);
      ExpectBlockFollowsTheGenerator(block, start);
    }
  }
  EXPECT_EQ(found, kSymbolWeightTotal);
}

}  // namespace
}  // namespace tarvolenka
