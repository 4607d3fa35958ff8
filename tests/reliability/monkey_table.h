#pragma once

// A started rich game on the virtual desktop with a monkey player attached to it.

#include <memory>

#include "game/game.h"
#include "tests/support/monkey_player.h"
#include "tests/support/temp_dir.h"
#include "tests/support/virtual_desktop.h"

namespace tarvolenka::testing {

class MonkeyTable {
 public:
  explicit MonkeyTable(std::uint64_t seed) {
    SaveFile(dir_ / kSaveFileName).Write(Encode(RichGameState(desk_.NowLocal())));
    game_ = std::make_unique<Game>(desk_, dir_ / kSaveFileName);
    desk_.Start();
    monkey_ = std::make_unique<MonkeyPlayer>(desk_, *game_, seed);
    monkey_->Attach();
  }

  VirtualDesktop& desk() { return desk_; }
  Game& game() { return *game_; }
  MonkeyPlayer& monkey() { return *monkey_; }

 private:
  TempDir dir_;
  VirtualDesktop desk_{MakeDateTime(2026, 12, 8, 10, 0, 0)};
  std::unique_ptr<Game> game_;
  std::unique_ptr<MonkeyPlayer> monkey_;
};

}  // namespace tarvolenka::testing
