// The golden bonus: the pick of the fouls allowed, and the board with its prize ladder.

#include <algorithm>
#include <string>
#include <vector>

#include "tests/bonus/bonus_fixture.h"

namespace tarvolenka {
namespace {

using testing::BonusTest;
using testing::Replay;

constexpr int kLadderTop = 100;  // top of the ladder picture
constexpr int kOffsets[11] = {222, 198, 176, 154, 132, 110, 88, 66, 44, 22, 0};
constexpr std::int64_t kPrizes[11] = {50,   100,   200,   500,   1000,  2000,
                                      5000, 10000, 20000, 50000, 100000};

class GoldenPickTest : public BonusTest {};

TEST_F(GoldenPickTest, DealsTwoThreeFourFromAFreshClockSeedAndThePickIsFinalAndOpensEveryCover) {
  for (int trial = 0; trial < 12; ++trial) {
    desk_.AdvanceClock(1237 * trial + 1);
    m().Rng.Seed(0xDEADBEEFu + static_cast<std::uint32_t>(trial));  // overwritten by the re-seed
    const std::uint32_t clockSeed = desk_.MillisSinceMidnightUtc();
    const int cover = trial % 3 + 1;
    std::array<std::uint8_t, 3> values{};
    std::int64_t pickedAt = 0;
    const auto cues = desk_.cues().size();
    When(WindowId::GoldenPick, [&] {
      for (int k = 1; k <= 3; ++k)
        EXPECT_EQ(desk_.PictureOf(Ref(Cover(k))), Picture::GoldenCover) << k;
      values = game().goldenPick().goldenPickValues();
      pickedAt = desk_.now();
      Click(Ref(Cover(cover)));
    });
    desk_.RunModal(WindowId::GoldenPick);
    ASSERT_TRUE(AllMovesMade());

    std::array<std::uint8_t, 3> expected{};
    Random r = Replay(clockSeed);
    for (std::uint8_t fouls = 2; fouls <= 4; ++fouls) {
      std::uint32_t c = 0;
      do c = r.Below(3);
      while (expected[c] != 0);
      expected[c] = fouls;
    }
    EXPECT_EQ(values, expected) << "trial " << trial;

    const std::uint8_t picked = values[static_cast<std::size_t>(cover - 1)];
    EXPECT_EQ(round().goldenPick, picked);
    const Picture fouls[] = {Picture::Fouls2, Picture::Fouls3, Picture::Fouls4};
    for (int k = 1; k <= 3; ++k) {
      EXPECT_EQ(desk_.PictureOf(Ref(Cover(k))), fouls[values[static_cast<std::size_t>(k - 1)] - 2]);
      EXPECT_EQ(desk_.Text(Ref(CoverLabel(k))), k == cover ? "ВАШИЯТ ИЗБОР" : "пропуснат");
    }
    EXPECT_FALSE(desk_.Visible(Ref(GoldenPickEl::Banner))) << "the prompt outlives the pick";
    EXPECT_EQ(desk_.Text(Ref(GoldenPickEl::Status)),
              "Таблото позволява " + std::to_string(picked) + " фала");
    EXPECT_EQ(*desk_.ClosedAt(WindowId::GoldenPick) - pickedAt, 4000);
    ASSERT_EQ(desk_.cues().size(), cues + 1);
    EXPECT_EQ(desk_.cues().back().cue, Cue::Pick);

    // Further clicks change nothing.
    game().goldenPick().PickCover(cover % 3 + 1);
    EXPECT_EQ(round().goldenPick, picked);
    EXPECT_EQ(desk_.cues().size(), cues + 1);
  }
}

class GoldenBoardTest : public BonusTest {
 protected:
  void Open(int allowed, std::uint32_t seed) {
    SetRound({.goldenPick = static_cast<std::uint8_t>(allowed)});
    m().Rng.Seed(seed);
    desk_.RunModal(WindowId::GoldenBoard);
    ASSERT_TRUE(AllMovesMade());
  }
  std::vector<int> CellsHolding(std::uint8_t what) {
    std::vector<int> cells;
    const auto& board = game().goldenBoard().rules().cells();
    for (int k = 1; k <= kBoardCells; ++k)
      if (board[static_cast<std::size_t>(k - 1)] == what) cells.push_back(k);
    return cells;
  }
  int MarkerTop() { return desk_.State(Ref(GoldenBoardEl::LadderMarker)).rect.top; }
  void ExpectCellsShowTheirContents() {
    for (int k = 1; k <= kBoardCells; ++k) {
      const bool coin = game().goldenBoard().rules().cells()[static_cast<std::size_t>(k - 1)] == 1;
      EXPECT_EQ(desk_.PictureOf(Ref(BoardCell(k))), coin ? Picture::Coin : Picture::Foul) << k;
    }
  }
};

TEST_F(GoldenBoardTest, DealsTenCoinsAndSixFoulsByTheDrawRuleWithTheMarkerOnTheBottomRung) {
  for (std::uint32_t seed : {3u, 65536u, 99999u, 4000000000u}) {
    When(WindowId::GoldenBoard, [this] {
      for (int k = 1; k <= kBoardCells; ++k)
        EXPECT_EQ(desk_.PictureOf(Ref(BoardCell(k))), Picture::GoldenCover);
      EXPECT_EQ(desk_.State(Ref(GoldenBoardEl::LadderMarker)).rect.left, 426);
      EXPECT_EQ(MarkerTop(), kLadderTop + 222);
      EXPECT_EQ(round().amount, 50);
      desk_.Close(WindowId::GoldenBoard);
    });
    Open(3, seed);
    std::array<std::uint8_t, kBoardCells> expected{};
    expected.fill(1);
    Random r = Replay(seed);
    for (int foul = 0; foul < 6; ++foul) {
      std::uint32_t c = 0;
      do c = r.Below(16);
      while (expected[c] != 1);
      expected[c] = 0;
    }
    EXPECT_EQ(game().goldenBoard().rules().cells(), expected) << "seed " << seed;
    EXPECT_EQ(CellsHolding(1).size(), 10u);
  }
}

TEST_F(GoldenBoardTest, TwoFoulsFirstRevealTheOtherFourteenAndPayTheBottomRung) {
  std::int64_t at = 0;
  When(WindowId::GoldenBoard, [&] {
    const auto fouls = CellsHolding(0);
    Click(Ref(BoardCell(fouls[0])));
    EXPECT_TRUE(desk_.IsShown(WindowId::GoldenBoard));
    at = desk_.now();
    Click(Ref(BoardCell(fouls[1])));
  });
  Open(2, 8080);
  EXPECT_EQ(round().amount, 50);
  EXPECT_EQ(MarkerTop(), kLadderTop + 222);
  ExpectCellsShowTheirContents();
  // The covered cells turn one by one, 400 ms apart, in cell order; then 7 s to the close.
  const auto fouls = CellsHolding(0);
  int revealed = 0;
  for (int k = 1; k <= kBoardCells; ++k) {
    if (k == fouls[0] || k == fouls[1]) continue;
    EXPECT_EQ(*desk_.PicturedAt(Ref(BoardCell(k))) - at, 400 * revealed) << "cell " << k;
    ++revealed;
  }
  EXPECT_EQ(revealed, 14);
  EXPECT_EQ(*desk_.ClosedAt(WindowId::GoldenBoard) - at, 14 * 400 + 7000);
  EXPECT_EQ(CueCount(Cue::Miss), 2);
  EXPECT_EQ(CueCount(Cue::Hit), 0);
}

TEST_F(GoldenBoardTest, TheAllowedFoulEndsTheGameRightAfterItsOwnPictureAndCue) {
  std::int64_t at = 0;
  const ElementRef left = Ref(GoldenBoardEl::FoulsLeft);
  When(WindowId::GoldenBoard, [&] {
    const auto fouls = CellsHolding(0);
    const auto coins = CellsHolding(1);
    EXPECT_EQ(desk_.Text(left), "Оставащи фалове: 3 от 3");
    Click(Ref(BoardCell(fouls[0])));
    EXPECT_EQ(desk_.Text(left), "Оставащи фалове: 2 от 3");
    Click(Ref(BoardCell(coins[0])));
    EXPECT_EQ(desk_.Text(left), "Оставащи фалове: 2 от 3") << "a coin takes no foul";
    Click(Ref(BoardCell(fouls[1])));
    EXPECT_EQ(desk_.Text(left), "Оставащи фалове: 1 от 3");
    EXPECT_TRUE(desk_.Visible(Ref(GoldenBoardEl::Banner)));
    EXPECT_EQ(game().goldenBoard().rules().fouls(), 2);
    EXPECT_TRUE(desk_.IsShown(WindowId::GoldenBoard));
    EXPECT_EQ(desk_.PictureOf(Ref(BoardCell(fouls[1]))), Picture::Foul);
    at = desk_.now();
    desk_.ClearCues();
    Click(Ref(BoardCell(fouls[2])));
  });
  Open(3, 4711);
  EXPECT_EQ(desk_.Text(left), "Оставащи фалове: 0 от 3");
  EXPECT_FALSE(desk_.Visible(Ref(GoldenBoardEl::Banner))) << "the prompt outlives the game";
  EXPECT_TRUE(desk_.Visible(Ref(GoldenBoardEl::Status)));
  const auto fouls = CellsHolding(0);
  // Its own picture and its cue come first, at the click; the rest of the board after that.
  EXPECT_EQ(*desk_.PicturedAt(Ref(BoardCell(fouls[2]))), at);
  ASSERT_EQ(desk_.cues().size(), 1u);
  EXPECT_EQ(desk_.cues()[0].cue, Cue::Miss);
  EXPECT_EQ(desk_.cues()[0].at, at);
  EXPECT_EQ(*desk_.ClosedAt(WindowId::GoldenBoard) - at, 12 * 400 + 7000);
  EXPECT_EQ(round().amount, 100);
  EXPECT_EQ(MarkerTop(), kLadderTop + 198);
  ExpectCellsShowTheirContents();
}

TEST_F(GoldenBoardTest, EveryCoinClimbsOneRungAndTheTopRungWaitsForTheFouls) {
  std::int64_t at = 0;
  When(WindowId::GoldenBoard, [&] {
    const auto coins = CellsHolding(1);
    for (std::size_t c = 0; c < coins.size(); ++c) {
      Click(Ref(BoardCell(coins[c])));
      EXPECT_EQ(MarkerTop(), kLadderTop + kOffsets[c + 1]) << "coin " << c + 1;
      EXPECT_EQ(round().amount, kPrizes[c + 1]);
    }
    EXPECT_EQ(game().goldenBoard().rules().rung(), 10);
    const auto fouls = CellsHolding(0);
    for (int f = 0; f < 3; ++f) Click(Ref(BoardCell(fouls[static_cast<std::size_t>(f)])));
    EXPECT_TRUE(desk_.IsShown(WindowId::GoldenBoard));
    at = desk_.now();
    Click(Ref(BoardCell(fouls[3])));
  });
  Open(4, 31337);
  EXPECT_EQ(round().amount, 100000);
  EXPECT_EQ(MarkerTop(), kLadderTop);
  EXPECT_EQ(*desk_.ClosedAt(WindowId::GoldenBoard) - at, 2 * 400 + 7000);
  EXPECT_EQ(CueCount(Cue::Hit), 10);
  EXPECT_EQ(CueCount(Cue::Miss), 4);
}

TEST_F(GoldenBoardTest, ASecondClickOnAnUncoveredCellChangesNothing) {
  When(WindowId::GoldenBoard, [&] {
    const int coin = CellsHolding(1)[0];
    const int foul = CellsHolding(0)[0];
    Click(Ref(BoardCell(coin)));
    Click(Ref(BoardCell(foul)));
    const auto cues = desk_.cues().size();
    Click(Ref(BoardCell(coin)));
    Click(Ref(BoardCell(foul)));
    EXPECT_EQ(desk_.cues().size(), cues);
    EXPECT_EQ(game().goldenBoard().rules().rung(), 1);
    EXPECT_EQ(game().goldenBoard().rules().fouls(), 1);
    EXPECT_EQ(round().amount, 100);
    desk_.Close(WindowId::GoldenBoard);
  });
  Open(2, 1);
  EXPECT_EQ(round().amount, 100);
}

}  // namespace
}  // namespace tarvolenka
