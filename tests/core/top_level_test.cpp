// The level stops at the top level a save file can hold: a damaged file whose next threshold
// lies below any experience must not raise it past that, spin after spin.

#include <limits>

#include "tests/support/machine_fixture.h"

namespace tarvolenka {
namespace {

class TopLevel : public MachineTest {};

TEST_F(TopLevel, AThresholdBelowReachRaisesNoLevelPastTheTop) {
  Launch([](GameState& g) {
    g.Level = kTopLevel - 1;
    // Damaged: so far below any experience that it stays passed however much it grows.
    g.NextLevelExperience = std::numeric_limits<std::int64_t>::min();
  });
  for (int spin = 0; spin < 3; ++spin) {
    WaitFor(Losing);
    desk_.Then(3000, [this] {
      if (desk_.IsShown(WindowId::LevelUp)) desk_.Click(Ref(LevelUpEl::OkButton));
    });
    Click(MainEl::StartButton);
    FinishSpin();
    desk_.RunFor(5000);
  }
  EXPECT_EQ(s().Level, kTopLevel);
  EXPECT_EQ(s().MaxLineStake, kTopLevel * 10);
  // What the game saved loads back unchanged.
  GameState saved = Decode(*SaveFile(dir_ / kSaveFileName).Read());
  EXPECT_EQ(saved.Level, kTopLevel);
  EXPECT_EQ(RepairGameState(saved, desk_.NowLocal()), 0u);
}

}  // namespace
}  // namespace tarvolenka
