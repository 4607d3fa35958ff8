// The legend: every pay in credits at the stake per line being played, its way to the rules
// and its way out.

#include <set>

#include "tests/support/machine_fixture.h"

namespace tarvolenka {
namespace {

class LegendWindowTest : public MachineTest {
 protected:
  // Opens the legend from the main window and runs `look` while it shows.
  void WhileTheLegendShows(const std::function<void()>& look) {
    desk_.Then(100, [this, look] {
      look();
      desk_.CloseByWindowSystem(WindowId::Legend);
    });
    Click(MainEl::LegendButton);
  }
  int FontOf(LegendEl e) { return desk_.State(Ref(e)).fontSize; }
};

TEST_F(LegendWindowTest, WritesEveryPayInCreditsAtTheStakePerLine) {
  struct Row {
    const char* name;
    std::int32_t stake;
  };
  for (const Row row :
       {Row{"the lowest stake", 1}, Row{"a stake of five", 5}, Row{"below a million", 900}}) {
    s().LineStake = row.stake;
    WhileTheLegendShows([&] {
      for (int symbol = 1; symbol <= 10; ++symbol) {
        for (int run = 2; run <= kReels; ++run) {
          const std::int64_t pay =
              kPayTable[static_cast<std::size_t>(symbol)][static_cast<std::size_t>(run)];
          if (pay == 0) continue;
          EXPECT_EQ(desk_.Text(Ref(PayLabel(symbol, run))), std::to_string(pay * row.stake))
              << row.name << ": symbol " << symbol << ", run " << run;
        }
      }
      EXPECT_NE(desk_.Text(Ref(LegendEl::StakeHeading)).find(" " + std::to_string(row.stake) + " "),
                std::string::npos)
          << row.name;
    });
  }
}

TEST_F(LegendWindowTest, WritesTheTopStakesInThousandsOrMillionsNamedInTheHeading) {
  struct Row {
    const char* name;
    std::int32_t stake;
    const char* unit;
    const char* vodka5;     // 1000 ×
    const char* beer2;      // 2 ×
    const char* kebapche5;  // 125 ×
  };
  for (const Row row : {Row{"fifty thousand", 50000, "хиляди кредити", "50000", "100", "6250"},
                        Row{"the ladder's top", 100000, "милиони кредити", "100", "0,2", "12,5"}}) {
    s().LineStake = row.stake;
    WhileTheLegendShows([&] {
      EXPECT_NE(desk_.Text(Ref(LegendEl::StakeHeading)).find(row.unit), std::string::npos)
          << row.name;
      EXPECT_EQ(desk_.Text(Ref(LegendEl::VodkaPay5)), row.vodka5) << row.name;
      EXPECT_EQ(desk_.Text(Ref(LegendEl::BeerPay2)), row.beer2) << row.name;
      EXPECT_EQ(desk_.Text(Ref(LegendEl::KebapchePay5)), row.kebapche5) << row.name;
    });
  }
}

TEST_F(LegendWindowTest, WritesAllFiguresInOneSizeThatShrinksOnlyForLongOnes) {
  std::set<int> small, large;
  for (const auto& [stake, sizes] : {std::pair{1, &small}, std::pair{500, &large}}) {
    s().LineStake = stake;
    WhileTheLegendShows([&, sizes = sizes] {
      for (auto e = LegendEl::VodkaPay5; e < LegendEl::Count; e = Nth(e, 1))
        sizes->insert(FontOf(e));
    });
  }
  ASSERT_EQ(small.size(), 1u);
  ASSERT_EQ(large.size(), 1u);
  EXPECT_LT(*large.begin(), *small.begin());
}

TEST_F(LegendWindowTest, ItsButtonAndF1OpenTheRulesOverIt) {
  for (const bool byKey : {false, true}) {
    bool both = false;
    desk_.Then(100, [&] {
      if (byKey)
        desk_.Press(Key::F1);
      else
        desk_.Click(Ref(LegendEl::RulesButton));
    });
    desk_.Then(100, [&] {
      both = desk_.IsShown(WindowId::Rules) && desk_.IsShown(WindowId::Legend);
      desk_.CloseByWindowSystem(WindowId::Rules);
    });
    desk_.Then(100, [this] { desk_.CloseByWindowSystem(WindowId::Legend); });
    Click(MainEl::LegendButton);
    EXPECT_TRUE(both) << (byKey ? "F1" : "the button");
  }
}

TEST_F(LegendWindowTest, ItsCloseButtonAndEnterCloseIt) {
  for (const bool byKey : {false, true}) {
    bool stayedOpen = false;
    testing::ClickResult result{};
    desk_.Then(100, [&] {
      result = byKey ? desk_.Press(Key::Enter) : desk_.Click(Ref(LegendEl::CloseButton));
    });
    desk_.Then(100, [&] {
      stayedOpen = desk_.IsShown(WindowId::Legend);
      if (stayedOpen) desk_.CloseByWindowSystem(WindowId::Legend);
    });
    Click(MainEl::LegendButton);
    desk_.RunFor(200);  // the check runs whether or not the legend has closed
    EXPECT_EQ(result, testing::ClickResult::Handled) << (byKey ? "Enter" : "the button");
    EXPECT_FALSE(stayedOpen) << (byKey ? "Enter" : "the button");
  }
}

}  // namespace
}  // namespace tarvolenka
