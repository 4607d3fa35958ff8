// libFuzzer target: arbitrary bytes as one line of the history, read as the history window,
// the statistics and the start-up read it. The file is the player's to edit; no line may crash
// the reader, and a game it accepts must be one the window can draw.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "history/history_stats.h"
#include "history/history_words.h"
#include "history/past_game.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tarvolenka;
  const std::string_view line(reinterpret_cast<const char*>(data), size);
  HistoryStats stats;
  stats.Add(line);
  ParseDoubleUp(line);
  ParseOpenGame(line);
  if (const std::optional<PastGame> game = ParseGame(line)) {
    if (game->spins.empty()) std::abort();
    GameRowText(*game);
    GameTitleText(*game);
    for (std::size_t spin = 0; spin < game->spins.size(); ++spin) {
      for (SymbolId s : game->spins[spin].cells)
        if (s < 1 || s > 15) std::abort();
      for (const LineWinRecord& w : game->spins[spin].wins)
        if (w.line < 1 || w.line > kPaylines) std::abort();
      SpinCaption(*game, static_cast<int>(spin));
      SpinDetails(*game, static_cast<int>(spin));
    }
  }
  return 0;
}
