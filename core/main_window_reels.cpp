// Painting the reels and the winning lines into the reel area.

#include <algorithm>

#include "core/main_window.h"

namespace tarvolenka {

void MainWindow::LoadCellPictures() {
  for (int row = 0; row < kRows; ++row) {
    for (int reel = 1; reel <= kReels; ++reel) {
      const SymbolId s = m_.Reels.at(row, reel);
      if (s >= 1 && s <= 15) SetPicture(ReelCell(reel, row), SymbolPicture(s));
    }
  }
}

void MainWindow::DrawReels() {
  const ElementRef surface = Ref(MainEl::ReelArea);
  for (int reel = 1; reel <= kReels; ++reel) {
    const int x = 125 * (reel - 1);
    const int y0 = spin_.reelOffsets()[static_cast<std::size_t>(reel - 1)];
    for (int row = 0; row < kRows; ++row)
      d_.CopyCell(surface, Ref(ReelCell(reel, row)), x, y0 + 125 * row);
  }
}

void MainWindow::DrawWinningLines() {
  const ElementRef surface = Ref(MainEl::ReelArea);
  const WinningLineFlags shown = winShow_.ShownLines(cycle_.winningLines());
  winShow_.DrawCells(m_.Reels, shown);
  // Many lines drawn together are drawn finer, so the symbols still show between them.
  const auto count = std::count(shown.begin(), shown.end(), 1);
  const int width = count <= 1 ? 5 : count <= 4 ? 4 : 3;
  for (std::size_t i = 0; i < kPaylineTable.size(); ++i) {
    if (shown[i] != 1) continue;
    const auto points = PaylinePolyline(kPaylineTable[i]);
    d_.DrawLine(surface, points, kPaylineTable[i].colour, width);
  }
  winShow_.DrawBanner(m_.Reels, cycle_.winningLines());
  winShow_.ShowCaption(m_.Reels, m_.State, cycle_.winningLines());
}

}  // namespace tarvolenka
