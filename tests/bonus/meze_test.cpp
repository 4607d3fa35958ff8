// The meze bonus: its prize sets, the draw order, row by row play and its end.

#include <algorithm>
#include <vector>

#include "tests/bonus/bonus_fixture.h"

namespace tarvolenka {
namespace {

using testing::BonusTest;
using testing::Replay;

constexpr int kCabbage = 0, kTomato = 1, kPotato = 2, kTurnip = 3;

class MezeTest : public BonusTest {
 protected:
  void Open(int symbols, std::uint32_t seed) {
    SetRound({.symbolCount = symbols});
    m().Rng.Seed(seed);
    desk_.RunModal(WindowId::Meze);
    ASSERT_TRUE(AllMovesMade());
  }
  std::int64_t Prize(int row, int k) {
    return game().meze().mezePrizes()[static_cast<std::size_t>(row)]
                                     [static_cast<std::size_t>(k - 1)];
  }
  std::vector<std::int64_t> Row(int row) {
    const auto& cells = game().meze().mezePrizes()[static_cast<std::size_t>(row)];
    std::vector<std::int64_t> v(cells.begin(), cells.end());
    std::sort(v.begin(), v.end());
    return v;
  }
  // The first cell of `row` whose prize is zero (wanted) or not.
  int Cell(int row, bool zero) {
    for (int k = 1; k <= kMezeCells; ++k)
      if ((Prize(row, k) == 0) == zero) return k;
    ADD_FAILURE() << "no such cell in row " << row;
    return 1;
  }
  // Picks cell `k` of `row` and returns when it was picked.
  void Pick(int row, int k, std::int64_t* at = nullptr) {
    When(WindowId::Meze, [this, row, k, at] {
      if (at != nullptr) *at = desk_.now();
      ASSERT_EQ(Click(Ref(MezePicture(row, k))), testing::ClickResult::Handled);
    });
  }
  void PickBy(int row, bool zero, std::int64_t* at = nullptr) {
    When(WindowId::Meze, [this, row, zero, at] {
      if (at != nullptr) *at = desk_.now();
      Click(Ref(MezePicture(row, Cell(row, zero))));
    });
  }
  // Ends the window as its game would, once the test has seen what it needs.
  void EndEarly() {
    When(WindowId::Meze, [this] { desk_.Close(WindowId::Meze); });
  }
  bool RowVisible(int row) {
    for (int k = 1; k <= kMezeCells; ++k)
      if (!desk_.Visible(Ref(MezePicture(row, k)))) return false;
    return true;
  }
  bool RowHidden(int row) {
    for (int k = 1; k <= kMezeCells; ++k)
      if (desk_.Visible(Ref(MezePicture(row, k)))) return false;
    return true;
  }
};

TEST_F(MezeTest, PrizeSetsScaleWithTheNumberOfBonusSymbols) {
  using V = std::vector<std::int64_t>;
  for (std::uint32_t seed : {1u, 777u, 123456u}) {
    EndEarly();
    Open(3, seed);
    EXPECT_EQ(Row(kCabbage), (V{30, 30, 30, 45, 60, 75}));
    EXPECT_EQ(Row(kTomato), (V{0, 0, 60, 60, 90, 105}));
    EXPECT_EQ(Row(kPotato), (V{0, 0, 0, 120, 120, 180}));
    EXPECT_EQ(Row(kTurnip), (V{0, 0, 0, 0, 300, 600}));
    EndEarly();
    Open(4, seed);
    EXPECT_EQ(Row(kCabbage), (V{40, 40, 40, 60, 80, 100}));
    EXPECT_EQ(Row(kTomato), (V{0, 0, 80, 80, 120, 140}));
    EXPECT_EQ(Row(kPotato), (V{0, 0, 0, 160, 160, 240}));
    EXPECT_EQ(Row(kTurnip), (V{0, 0, 0, 0, 400, 800}));
  }
}

TEST_F(MezeTest, PlacesThePrizesTopRowFirstInTheirOrderAndLabelsEachCell) {
  for (std::uint32_t seed : {5u, 99u, 4242u, 86399999u}) {
    EndEarly();
    Open(3, seed);
    // Each prize goes into a cell drawn again until it is empty.
    std::array<std::array<std::int64_t, 6>, 4> expected{};
    Random r = Replay(seed);
    const std::vector<std::pair<int, std::vector<std::int64_t>>> order{
        {kTurnip, {200, 100}},
        {kPotato, {60, 40, 40}},
        {kTomato, {30, 35, 20, 20}},
        {kCabbage, {15, 10, 20, 25, 10, 10}}};
    for (const auto& [row, prizes] : order) {
      auto& cells = expected[static_cast<std::size_t>(row)];
      for (std::int64_t prize : prizes) {
        std::uint32_t c = 0;
        do c = r.Below(6);
        while (cells[c] != 0);
        cells[c] = prize * 3;
      }
    }
    EXPECT_EQ(game().meze().mezePrizes(), expected) << "seed " << seed;
    EXPECT_EQ(m().Rng.seed(), r.seed());  // no other draws
    for (int row = 0; row < kMezeRows; ++row)
      for (int k = 1; k <= kMezeCells; ++k)
        EXPECT_EQ(desk_.Text(Ref(MezeLabel(row, k))), std::to_string(Prize(row, k)));
  }
}

TEST_F(MezeTest, OpensWithTheBottomRowOnlyAndEveryPrizeCovered) {
  When(WindowId::Meze, [this] {
    EXPECT_TRUE(RowVisible(kCabbage));
    for (int row = kTomato; row <= kTurnip; ++row) EXPECT_TRUE(RowHidden(row)) << row;
    for (int row = 0; row < kMezeRows; ++row) {
      for (int k = 1; k <= kMezeCells; ++k) {
        EXPECT_FALSE(desk_.Visible(Ref(MezeLabel(row, k))));
        EXPECT_EQ(desk_.State(Ref(MezeLabel(row, k))).fontSize, 12);
      }
    }
    EXPECT_EQ(desk_.Text(Ref(MezeEl::Total)), "0");
    desk_.Close(WindowId::Meze);
  });
  Open(3, 31);
}

TEST_F(MezeTest, TheFirstPickNeverEndsTheGameAndRevealsItsRowStepByStep) {
  for (int k = 1; k <= kMezeCells; ++k) {
    std::int64_t at = 0;
    Pick(kCabbage, k, &at);
    When(WindowId::Meze, [&, k] {
      EXPECT_TRUE(desk_.IsShown(WindowId::Meze));
      EXPECT_TRUE(RowVisible(kTomato));
      EXPECT_EQ(round().amount, Prize(kCabbage, k));
      EXPECT_GT(Prize(kCabbage, k), 0);
      for (int j = 1; j <= kMezeCells; ++j) {
        const ElementRef label = Ref(MezeLabel(kCabbage, j));
        EXPECT_TRUE(desk_.Visible(label));
        EXPECT_EQ(desk_.State(label).fontSize, j == k ? 20 : 12);
        // The picked prize shows at once, the others 400 ms apart after a first 400 ms.
        EXPECT_EQ(*desk_.ShownAt(label) - at, j == k ? 0 : 400 * j) << "label " << j;
      }
      // The next row comes 400 + 5 × 400 + 4000 ms after the pick.
      EXPECT_EQ(*desk_.ShownAt(Ref(MezePicture(kTomato, 1))) - at, 6400);
      desk_.Close(WindowId::Meze);
    });
    Open(3, 1000u + static_cast<std::uint32_t>(k));
    EXPECT_EQ(CueCount(Cue::Pick), k);
  }
}

TEST_F(MezeTest, AZeroEndsTheGameOnceItsRowIsRevealedAndKeepsTheEarlierPicks) {
  // A zero in the second row.
  std::int64_t zeroAt = 0;
  std::int64_t first = 0;
  When(WindowId::Meze, [&] {
    first = Prize(kCabbage, 2);
    Click(Ref(MezePicture(kCabbage, 2)));
    EXPECT_EQ(desk_.Text(Ref(MezeEl::Total)), std::to_string(first));
  });
  PickBy(kTomato, true, &zeroAt);
  Open(3, 2024);
  EXPECT_EQ(*desk_.ClosedAt(WindowId::Meze) - zeroAt, 6400);
  EXPECT_EQ(round().amount, first);
  EXPECT_EQ(desk_.Text(Ref(MezeEl::Total)), std::to_string(first));
  EXPECT_TRUE(RowHidden(kPotato));
  for (int k = 1; k <= kMezeCells; ++k) {
    const ElementRef label = Ref(MezeLabel(kTomato, k));
    EXPECT_TRUE(desk_.Visible(label));
    // A zero's tag is dark, a prize's yellow.
    EXPECT_EQ(desk_.State(label).colour,
              Prize(kTomato, k) == 0 ? colours::kMaroon : meze_window::kPrize.background);
  }
  // The prompt to pick gave way to how the game ended.
  EXPECT_FALSE(desk_.Visible(Ref(MezeEl::Banner)));
  EXPECT_EQ(desk_.Text(Ref(MezeEl::Status)), "Нула! Мезето свършва с " + std::to_string(first));

  // A zero in the third row.
  std::int64_t sum = 0;
  When(WindowId::Meze, [&] {
    sum = Prize(kCabbage, 6);
    Click(Ref(MezePicture(kCabbage, 6)));
  });
  When(WindowId::Meze, [&] {
    const int k = Cell(kTomato, false);
    sum += Prize(kTomato, k);
    Click(Ref(MezePicture(kTomato, k)));
    EXPECT_EQ(desk_.Text(Ref(MezeEl::Total)), std::to_string(sum));
  });
  PickBy(kPotato, true, &zeroAt);
  Open(4, 77);
  EXPECT_EQ(*desk_.ClosedAt(WindowId::Meze) - zeroAt, 6400);
  EXPECT_EQ(round().amount, sum);
  EXPECT_TRUE(RowHidden(kTurnip));
}

TEST_F(MezeTest, TheTopRowEndsTheGameWhateverItsPick) {
  for (std::int64_t wanted : {600, 300, 0}) {
    std::int64_t sum = 0;
    std::int64_t lastAt = 0;
    for (int row = kCabbage; row <= kPotato; ++row) {
      When(WindowId::Meze, [&, row] {
        const int k = Cell(row, false);
        sum += Prize(row, k);
        Click(Ref(MezePicture(row, k)));
        EXPECT_EQ(desk_.Text(Ref(MezeEl::Total)), std::to_string(sum));
      });
    }
    When(WindowId::Meze, [&, wanted] {
      int k = 1;
      while (Prize(kTurnip, k) != wanted) ++k;
      sum += wanted;
      lastAt = desk_.now();
      Click(Ref(MezePicture(kTurnip, k)));
    });
    Open(3, static_cast<std::uint32_t>(wanted) + 17u);
    EXPECT_EQ(*desk_.ClosedAt(WindowId::Meze) - lastAt, 6400) << wanted;
    EXPECT_EQ(round().amount, sum);
    EXPECT_EQ(desk_.Text(Ref(MezeEl::Total)), std::to_string(sum));
    EXPECT_EQ(desk_.Text(Ref(MezeEl::Status)),
              (wanted == 0 ? "Нула! Мезето свършва с " : "Всички мезета са избрани: ") +
                  std::to_string(sum));
  }
}

TEST_F(MezeTest, ClicksOutsideTheOpenRowChangeNothing) {
  Pick(kCabbage, 3);
  std::int64_t amount = 0;
  When(WindowId::Meze, [&] {
    amount = round().amount;
    const auto cues = desk_.cues().size();
    // The row already played, and a row not yet shown.
    for (int k = 1; k <= kMezeCells; ++k) Click(Ref(MezePicture(kCabbage, k)));
    game().meze().PickVegetable(MezeRow::Potato, 2);
    game().meze().PickVegetable(MezeRow::Turnip, 5);
    EXPECT_EQ(desk_.cues().size(), cues);
    EXPECT_EQ(round().amount, amount);
    for (int k = 1; k <= kMezeCells; ++k)
      EXPECT_EQ(desk_.State(Ref(MezeLabel(kCabbage, k))).fontSize, k == 3 ? 20 : 12);
    EXPECT_FALSE(desk_.Visible(Ref(MezeLabel(kPotato, 2))));
    EXPECT_TRUE(RowHidden(kPotato));
    // The open row still takes its pick.
    const int k = Cell(kTomato, false);
    amount += Prize(kTomato, k);
    Click(Ref(MezePicture(kTomato, k)));
    // A second click in the row just played.
    game().meze().PickVegetable(MezeRow::Tomato, k == 1 ? 2 : 1);
    EXPECT_EQ(round().amount, amount);
  });
  EndEarly();
  Open(3, 555);
  EXPECT_EQ(CueCount(Cue::Pick), 2);
  EXPECT_EQ(round().amount, amount);
}

}  // namespace
}  // namespace tarvolenka
