#pragma once

// The history told in words, as the history window shows a game.

#include <string>

#include "history/past_game.h"

namespace tarvolenka {

// A symbol's name on the screen, 1..15.
std::string_view SymbolName(SymbolId symbol);

// A bonus game by its kind: 0 none picked, 1 drinks, 2 meze, 3 golden.
std::string_view BonusName(int kind);

// "2026-12-09 01:02:03" as "09.12.2026 01:02:03".
std::string LocalDateText(std::string_view isoTime);

// Two lines for the list: the time, stake and win; then what the game brought.
std::string GameRowText(const PastGame& game);
// The heading over the reels.
std::string GameTitleText(const PastGame& game);
// Which spin of the game is shown: "Платено завъртане", "Безплатно завъртане 2 от 10".
std::string SpinCaption(const PastGame& game, int spin);
// The spin's wins, scatters and bonus game, then the game's total and its double-up.
std::string SpinDetails(const PastGame& game, int spin);

}  // namespace tarvolenka
