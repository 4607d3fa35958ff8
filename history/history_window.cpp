#include "history/history_window.h"

#include <algorithm>
#include <string>

#include "catalogue/main_elements.h"
#include "core/win_show.h"
#include "history/history_words.h"

namespace tarvolenka {
namespace {

constexpr int kCell = 125;

ReelWindow ReelsOf(const SpinRecord& spin) {
  ReelWindow w;
  for (int row = 1; row <= 3; ++row)
    for (int reel = 1; reel <= kReels; ++reel)
      w.at(row, reel) = spin.cells[static_cast<std::size_t>((row - 1) * kReels + reel - 1)];
  return w;
}

}  // namespace

void HistoryWindow::OnShow() {
  games_ = file_.ReadRecentGames(kHistoryGamesShown);
  const bool any = !games_.empty();
  d_.SetVisible(Ref(HistoryEl::EmptyNotice), !any);
  d_.SetVisible(Ref(HistoryEl::Reels), any);
  d_.SetVisible(Ref(HistoryEl::NewerButton), any);
  d_.SetVisible(Ref(HistoryEl::OlderButton), any);
  selected_ = 0;
  spin_ = 0;
  if (any) {
    Select(0);
  } else {
    ShowList();
    for (HistoryEl e : {HistoryEl::GameTitle, HistoryEl::SpinText, HistoryEl::Details})
      d_.SetText(Ref(e), "");
    d_.SetVisible(Ref(HistoryEl::PreviousSpin), false);
    d_.SetVisible(Ref(HistoryEl::NextSpin), false);
  }
}

void HistoryWindow::Click(std::uint16_t handler, int number) {
  const auto click = static_cast<HistoryClick>(handler);
  if (click == HistoryClick::Close) return d_.Close(WindowId::History);
  if (games_.empty() && click != HistoryClick::OpenStatistics) return;
  switch (click) {
    case HistoryClick::None:
      return;
    case HistoryClick::SelectRow:
      return Select(selected_ / kHistoryRows * kHistoryRows + number);
    case HistoryClick::SelectNewer:
      return Select(selected_ - 1);
    case HistoryClick::SelectOlder:
      return Select(selected_ + 1);
    case HistoryClick::PreviousSpin:
      return ShowSpin(spin_ - 1);
    case HistoryClick::NextSpin:
      return ShowSpin(spin_ + 1);
    case HistoryClick::OpenStatistics:
      return d_.Open(WindowId::Statistics, {});
    case HistoryClick::Close:
      return;
  }
}

void HistoryWindow::Select(int game) {
  if (game < 0 || game >= static_cast<int>(games_.size())) return;
  selected_ = game;
  ShowList();
  d_.SetText(Ref(HistoryEl::GameTitle), GameTitleText(games_[static_cast<std::size_t>(game)]));
  spin_ = -1;
  ShowSpin(0);
}

void HistoryWindow::ShowList() {
  const int first = selected_ / kHistoryRows * kHistoryRows;
  const int count = static_cast<int>(games_.size());
  for (int i = 0; i < kHistoryRows; ++i) {
    const ElementRef row = Ref(HistoryRow(i));
    const int game = first + i;
    d_.SetVisible(row, game < count);
    if (game >= count) continue;
    d_.SetText(row, GameRowText(games_[static_cast<std::size_t>(game)]));
    d_.SetPanelColour(
        row, game == selected_ ? history_window::kSelectedPlate : history_window::kRowPlate);
  }
  // Newer and older fade at either end of the list.
  d_.SetPanelColour(Ref(HistoryEl::NewerButton),
                    selected_ > 0 ? build::kWoodButtonPlate : build::kWoodButtonSpent);
  d_.SetPanelColour(Ref(HistoryEl::OlderButton),
                    selected_ + 1 < count ? build::kWoodButtonPlate : build::kWoodButtonSpent);
  d_.SetText(Ref(HistoryEl::PageText),
             count == 0 ? std::string()
                        : std::to_string(first + 1) + "–" +
                              std::to_string(std::min(first + kHistoryRows, count)) + " от " +
                              std::to_string(count));
}

void HistoryWindow::ShowSpin(int spin) {
  const PastGame& g = games_[static_cast<std::size_t>(selected_)];
  const int spins = static_cast<int>(g.spins.size());
  if (spin < 0 || spin >= spins || spin == spin_) return;
  spin_ = spin;
  d_.SetVisible(Ref(HistoryEl::PreviousSpin), spins > 1 && spin > 0);
  d_.SetVisible(Ref(HistoryEl::NextSpin), spins > 1 && spin + 1 < spins);
  d_.SetText(Ref(HistoryEl::SpinText), SpinCaption(g, spin));
  d_.SetText(Ref(HistoryEl::Details), SpinDetails(g, spin));
  DrawSpin(g.spins[static_cast<std::size_t>(spin)]);
}

// As the reels looked when the spin stopped: the symbols, the cells of the winning runs framed
// in their lines' colours, and the lines over them.
void HistoryWindow::DrawSpin(const SpinRecord& spin) {
  const ElementRef surface = Ref(HistoryEl::Reels);
  const ReelWindow reels = ReelsOf(spin);
  for (int row = 1; row <= 3; ++row)
    for (int reel = 1; reel <= kReels; ++reel)
      d_.CopyCell(surface, Ref(SymbolPicture(reels.at(row, reel))), kCell * (reel - 1),
                  kCell * (row - 1));
  WinningLineFlags winning{};
  for (const LineWinRecord& w : spin.wins) winning[static_cast<std::size_t>(w.line - 1)] = 1;
  FrameWinningCells(d_, surface, CellsOfWinningRuns(reels, winning));
  // The symbols that opened a bonus game or won free spins are marked in gold.
  for (int reel = 1; reel <= kReels; ++reel)
    for (int row = 1; row <= 3; ++row) {
      const SymbolId s = reels.at(row, reel);
      if ((s == kBonusSymbol && spin.bonusPlayed) || (s == kScatterSymbol && spin.scatters >= 3))
        d_.FrameCell(surface, {kCell * (reel - 1), kCell * (row - 1), kCell, kCell}, kFeatureGold);
    }
  for (std::size_t i = 0; i < kPaylineTable.size(); ++i)
    if (winning[i] == 1)
      d_.DrawLine(surface, PaylinePolyline(kPaylineTable[i]), kPaylineTable[i].colour, 5);
}

}  // namespace tarvolenka
