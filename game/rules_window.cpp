#include "game/rules_window.h"

#include <string>

namespace tarvolenka {

void RulesWindow::OnShow() {
  texts_ = WriteRules(played_, exact_);
  const GameState& s = played_;
  d_.SetText(Ref(RulesEl::LevelBadgeValue), std::to_string(s.Level));
  d_.SetText(Ref(RulesEl::ReturnLinesValue), std::to_string(s.LineCount));
  d_.SetText(Ref(RulesEl::ReturnLineStakeValue), std::to_string(s.LineStake));
  d_.SetText(Ref(RulesEl::ReturnTotalStakeValue),
             std::to_string(static_cast<std::int64_t>(s.LineCount) * s.LineStake));
  ShowPage(0);
}

void RulesWindow::Click(std::uint16_t handler, int /*number*/) {
  switch (static_cast<RulesClick>(handler)) {
    case RulesClick::None:
      return;
    case RulesClick::PreviousPage:
      if (page_ > 0) ShowPage(page_ - 1);
      return;
    case RulesClick::NextPage:
      if (page_ + 1 < rules_window::kPageCount) ShowPage(page_ + 1);
      return;
    case RulesClick::Close:
      return d_.Close(WindowId::Rules);
  }
}

void RulesWindow::ShowPage(int page) {
  page_ = page;
  const auto& pages = rules_window::kPages;
  const RulesPage& shown = pages[static_cast<std::size_t>(page)];
  d_.SetText(Ref(RulesEl::Heading), shown.title);
  d_.SetText(Ref(RulesEl::Body), texts_[static_cast<std::size_t>(page)]);
  d_.SetText(Ref(RulesEl::PageText), "Страница " + std::to_string(page + 1) + " от " +
                                         std::to_string(rules_window::kPageCount));
  for (const RulesPage& p : pages)
    for (RulesEl e = p.firstPicture; e <= p.lastPicture; e = Nth(e, 1))
      d_.SetVisible(Ref(e), &p == &shown);
  // The ends show no button past them, so a key there has nothing to click either.
  d_.SetVisible(Ref(RulesEl::PreviousPage), page > 0);
  d_.SetVisible(Ref(RulesEl::NextPage), page + 1 < rules_window::kPageCount);
}

}  // namespace tarvolenka
