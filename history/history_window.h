#pragma once

// The history window: the last hundred games, ten to a page, and the chosen one redrawn with
// its winning lines and marked cells, spin by spin, and told in words.

#include <vector>

#include "catalogue/history_elements.h"
#include "core/desktop.h"
#include "history/history_file.h"
#include "history/past_game.h"

namespace tarvolenka {

class HistoryWindow : public WindowLogic {
 public:
  HistoryWindow(Desktop& desktop, const HistoryFile& file) : d_(desktop), file_(file) {}

  // Reads the history afresh and shows the newest game.
  void OnShow() override;
  void Click(std::uint16_t handler, int number) override;

  const std::vector<PastGame>& games() const { return games_; }
  int selected() const { return selected_; }
  int spin() const { return spin_; }

 private:
  void Select(int game);
  void ShowSpin(int spin);
  void ShowList();
  void DrawSpin(const SpinRecord& spin);

  Desktop& d_;
  const HistoryFile& file_;
  std::vector<PastGame> games_;  // newest first
  int selected_ = 0;
  int spin_ = 0;
};

}  // namespace tarvolenka
