#pragma once

#include "catalogue/rules_elements.h"
#include "core/desktop.h"
#include "core/game_state.h"
#include "game/rules_text.h"

namespace tarvolenka {

// The rules: pages the player turns with their buttons or the arrow keys, from the first at
// every opening. The texts are written at each opening, for the lines and stake played then.
// Closed by its close box or Escape.
class RulesWindow : public WindowLogic {
 public:
  RulesWindow(Desktop& desktop, const GameState& played, ExactReturn exact)
      : d_(desktop), played_(played), exact_(std::move(exact)) {}

  void OnShow() override;
  void Click(std::uint16_t handler, int number) override;

  int page() const { return page_; }

 private:
  void ShowPage(int page);

  Desktop& d_;
  const GameState& played_;
  ExactReturn exact_;
  RulesTexts texts_;
  int page_ = 0;
};

}  // namespace tarvolenka
