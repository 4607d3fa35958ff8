// A random player hammers the game on the virtual desktop while an independent ledger and the
// game's invariants are checked after every event.

#include <gtest/gtest.h>

#include <iostream>

#include "catalogue/level_up_elements.h"
#include "tests/reliability/monkey_table.h"
#include "tests/support/invariant_broken.h"

namespace tarvolenka::testing {
namespace {

constexpr std::uint64_t kSeeds[] = {1, 2, 3, 4};
constexpr std::int64_t kEventsPerSeed = 25000;

TEST(Monkey, PlaysEveryFeatureWithoutLosingACreditOrBreakingAnInvariant) {
  LedgerCounts books;
  MonkeyCounts moves;
  for (const std::uint64_t seed : kSeeds) {
    MonkeyTable table(seed);
    try {
      table.monkey().Play(kEventsPerSeed);
    } catch (const InvariantBroken& e) {
      FAIL() << e.what();
    }
    std::cout << "[monkey " << seed << "] " << table.monkey().Summary() << "\n";
    const LedgerCounts& l = table.monkey().ledger().counts();
    const MonkeyCounts& m = table.monkey().counts();
    books.freeSpins += l.freeSpins;
    books.bonusResults += l.bonusResults;
    books.levelUps += l.levelUps;
    books.timedBonuses += l.timedBonuses;
    books.megaBonuses += l.megaBonuses;
    books.doubleUps += l.doubleUps;
    books.doublesWon += l.doublesWon;
    moves.autoPlaySpins += m.autoPlaySpins;
    moves.windowCloses += m.windowCloses;
    moves.inertChecks += m.inertChecks;
    for (std::size_t w = 0; w < m.opened.size(); ++w) moves.opened[w] += m.opened[w];
  }
  // The run is only worth its time if the player reached every corner of the game.
  const auto opened = [&](WindowId w) { return moves.opened[static_cast<std::size_t>(w)]; };
  EXPECT_GT(books.freeSpins, 0);
  EXPECT_GT(moves.autoPlaySpins, 0);
  EXPECT_GT(opened(WindowId::Bottles), 0);
  EXPECT_GT(opened(WindowId::Meze), 0);
  EXPECT_GT(opened(WindowId::GoldenPick), 0);
  EXPECT_GT(books.bonusResults, 0);
  EXPECT_GT(books.levelUps, 0);
  EXPECT_GT(books.timedBonuses, 0);
  EXPECT_GT(books.megaBonuses, 0);
  EXPECT_GT(books.doubleUps, 0);
  EXPECT_GT(books.doublesWon, 0);
  EXPECT_GT(opened(WindowId::Legend), 0);
  EXPECT_GT(moves.windowCloses, 0);
  EXPECT_GT(moves.inertChecks, 0);
}

TEST(Monkey, ReplaysTheSameGameFromTheSameSeed) {
  // A failing seed from a soak run can be replayed exactly.
  MonkeyTable first(7), second(7);
  first.monkey().Play(5000);
  second.monkey().Play(5000);
  EXPECT_EQ(Encode(first.game().machine().State), Encode(second.game().machine().State));
  EXPECT_EQ(first.game().machine().Reels, second.game().machine().Reels);
  EXPECT_EQ(first.monkey().Summary(), second.monkey().Summary());
}

TEST(Monkey, StopsAtAReelThatHoldsASymbolTwice) {
  MonkeyTable table(5);
  Machine& m = table.game().machine();
  m.Reels.at(2, 3) = m.Reels.at(1, 3);
  EXPECT_THROW(table.monkey().Play(1), InvariantBroken);
}

TEST(Monkey, StopsAtAWindowThatNeverCloses) {
  // Without its OK button the level window could only be closed by the window system, which
  // it refuses: the player would click on for ever.
  MonkeyTable table(6);
  table.desk().Then(0, [&] { table.desk().Open(WindowId::LevelUp, {}); });
  table.desk().Then(0, [&] { table.desk().SetVisible(Ref(LevelUpEl::OkButton), false); });
  EXPECT_THROW(table.monkey().Play(200000), InvariantBroken);
}

}  // namespace
}  // namespace tarvolenka::testing
