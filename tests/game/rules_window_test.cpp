// The rules window: pages turned by their buttons and the arrows, stopping at both ends, each
// with its own title and pictures.

#include "tests/support/machine_fixture.h"

namespace tarvolenka {
namespace {

using rules_window::kPageCount;
using rules_window::kPages;
using testing::ClickResult;

class RulesWindowTest : public MachineTest {
 protected:
  int Page() { return game_->rules().page(); }
  bool Shown(RulesEl e) { return desk_.Visible(Ref(e)); }
  // The page shows its title and its own pictures, and no other page's.
  void ExpectPageShown(int page) {
    EXPECT_EQ(desk_.Text(Ref(RulesEl::Heading)), kPages[static_cast<std::size_t>(page)].title);
    for (int p = 0; p < kPageCount; ++p) {
      const RulesPage& shown = kPages[static_cast<std::size_t>(p)];
      for (RulesEl e = shown.firstPicture; e <= shown.lastPicture; e = Nth(e, 1))
        EXPECT_EQ(Shown(e), p == page) << "page " << page << ", element " << static_cast<int>(e);
    }
  }
};

TEST_F(RulesWindowTest, TurnsItsPagesByButtonsAndArrowsAndStopsAtBothEnds) {
  desk_.Then(100, [this] {
    ExpectPageShown(0);
    EXPECT_FALSE(Shown(RulesEl::PreviousPage));
    EXPECT_EQ(desk_.Press(Key::Left), ClickResult::NoHandler);
    for (int page = 1; page < kPageCount; ++page) {
      if (page % 2 == 1)
        desk_.Press(Key::Right);
      else
        desk_.Click(Ref(RulesEl::NextPage));
      ASSERT_EQ(Page(), page);
      ExpectPageShown(page);
    }
    EXPECT_FALSE(Shown(RulesEl::NextPage));
    EXPECT_EQ(desk_.Press(Key::Right), ClickResult::NoHandler);
    EXPECT_EQ(Page(), kPageCount - 1);
    desk_.Click(Ref(RulesEl::PreviousPage));
    desk_.Press(Key::Left);
    EXPECT_EQ(Page(), kPageCount - 3);
    EXPECT_TRUE(Shown(RulesEl::PreviousPage) && Shown(RulesEl::NextPage));
    desk_.CloseByWindowSystem(WindowId::Rules);
  });
  desk_.Press(Key::F1);
  // Opened again, it starts from the first page; its own button closes it.
  desk_.Then(100, [this] {
    EXPECT_EQ(Page(), 0);
    desk_.Click(Ref(RulesEl::CloseButton));
  });
  desk_.Press(Key::F1);
  EXPECT_FALSE(desk_.IsShown(WindowId::Rules));
}

}  // namespace
}  // namespace tarvolenka
