#include <gtest/gtest.h>

#include <set>
#include <string>

#include "catalogue/cups_elements.h"
#include "catalogue/hat_chooser_elements.h"
#include "catalogue/keys.h"
#include "catalogue/legend_elements.h"
#include "catalogue/main_elements.h"
#include "catalogue/windows.h"

namespace tarvolenka {
namespace {

TEST(MainWindowCatalogue, HasTheWindowGeometryAndCaption) {
  const WindowSpec& w = SpecOf(WindowId::Main);
  EXPECT_EQ(w.caption, "Tarvolenka");
  EXPECT_EQ(w.width, 773);
  EXPECT_EQ(w.height, 674);
  EXPECT_EQ(w.background, (Rgb{166, 202, 240}));
}

TEST(MainWindowCatalogue, RoutesTheCounterPanelsBadgeAndStageToTheDoubleUp) {
  for (const char* name : {"WinPanel", "TotalStakePanel", "LineStakePanel", "LinesPanel",
                           "BalancePanel", "DoubleButton", "BonusStage", "LevelBadge"}) {
    ElementRef ref{};
    ASSERT_TRUE(FindElement(WindowId::Main, name, ref)) << name;
    EXPECT_EQ(SpecOf(ref).click, static_cast<std::uint16_t>(MainClick::OpenDoubleUp)) << name;
  }
}

TEST(MainWindowCatalogue, PlacesElementsAtTheirPositions) {
  EXPECT_EQ(SpecOf(Ref(MainEl::ReelArea)).rect, (Rect{73, 86, 625, 375}));
  EXPECT_EQ(SpecOf(Ref(MainEl::StartButton)).rect, (Rect{600, 573, 108, 66}));
  EXPECT_EQ(SpecOf(Ref(MainEl::ExperienceGauge)).rect, (Rect{172, 20, 429, 41}));
  EXPECT_EQ(SpecOf(Ref(MainEl::TimedBonusCountdown)).text, "00:00:00");
  EXPECT_TRUE(SpecOf(Ref(MainEl::TakeBonusButton)).flags & kStretch);
  EXPECT_TRUE(SpecOf(Ref(MainEl::TakeBonusButton)).flags & kHidden);
}

TEST(MainWindowCatalogue, StacksTheTakeBonusButtonOverTheCountdownAndStage) {
  // It covers the countdown and stays inside the stage panel's art, never hanging over it.
  const Rect take = SpecOf(Ref(MainEl::TakeBonusButton)).rect;
  const Rect stage = SpecOf(Ref(MainEl::BonusStage)).rect;
  const Rect countdown = SpecOf(Ref(MainEl::TimedBonusCountdown)).rect;
  EXPECT_GE(take.left, stage.left);
  EXPECT_GE(take.top, stage.top);
  EXPECT_LE(take.left + take.width, stage.left + stage.width);
  EXPECT_LE(take.left, countdown.left);
  EXPECT_GE(take.left + take.width, countdown.left + countdown.width);
  EXPECT_GT(MainEl::TakeBonusButton, MainEl::TimedBonusCountdown);
  EXPECT_GT(MainEl::TakeBonusButton, MainEl::BonusStage);
}

TEST(MainWindowCatalogue, HasTheFiveTimersWithTheirPeriodsAndStartStates) {
  const auto& timers = SpecOf(WindowId::Main).timers;
  ASSERT_EQ(timers.size(), 5u);
  const int periods[] = {1, 300, 2000, 1000, 2000};
  const bool running[] = {false, true, false, true, false};
  const char* names[] = {"spinTimer", "idleRepaintTimer", "freeSpinTimer", "countdownTimer",
                         "autoPlayTimer"};
  for (std::size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(timers[i].name, names[i]);
    EXPECT_EQ(timers[i].intervalMs, periods[i]);
    EXPECT_EQ(timers[i].running, running[i]);
  }
}

TEST(WindowCatalogue, ElementNamesAreUniqueWithinEachWindow) {
  for (int w = 0; w < kWindowCount; ++w) {
    std::set<std::string_view> names;
    for (const auto& e : SpecOf(static_cast<WindowId>(w)).elements)
      EXPECT_TRUE(names.insert(e.name).second) << e.name;
  }
}

TEST(WindowCatalogue, PicturesNamedByElementsHaveTheElementsSize) {
  for (int w = 0; w < kWindowCount; ++w) {
    for (const auto& e : SpecOf(static_cast<WindowId>(w)).elements) {
      if (e.picture == Picture::None || (e.flags & kStretch)) continue;
      EXPECT_EQ(SpecOf(e.picture).width, e.rect.width) << e.name;
      EXPECT_EQ(SpecOf(e.picture).height, e.rect.height) << e.name;
    }
  }
}

TEST(KeyHints, NameTheKeysAsThePlayersKeyboardDoes) {
  struct Row {
    const char* control;
    ElementRef element;
    std::string_view hint;
  };
  for (const Row& row : {Row{"СТАРТ", Ref(MainEl::StartButton), " (Интервал, Enter)"},
                         Row{"a line more", Ref(MainEl::LinesPlus), " (→)"},
                         Row{"a lower stake", Ref(MainEl::StakeMinus), " (↓)"},
                         Row{"ПРАВИЛА", Ref(LegendEl::RulesButton), " (F1)"},
                         Row{"a hat", Ref(ChooserHat(2)), " (2, ←→, Enter, Интервал)"},
                         Row{"a cup past the digits", Ref(Cup(12)), " (←→↑↓, Enter, Интервал)"}})
    EXPECT_EQ(KeyHint(row.element), row.hint) << row.control;
}

TEST(KeyHints, EveryKeyHasANameOfItsOwn) {
  std::set<std::string_view> names;
  for (int k = 0; k < static_cast<int>(Key::Count); ++k) {
    const std::string_view name = KeyName(static_cast<Key>(k));
    EXPECT_FALSE(name.empty()) << k;
    EXPECT_TRUE(names.insert(name).second) << name;
  }
}

}  // namespace
}  // namespace tarvolenka
