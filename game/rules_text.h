#pragma once

// The rules told in words, page by page, written from the game's own tables and rules so that
// they can never disagree with the machine; the figures are for the lines and stake being
// played.

#include <array>
#include <string>
#include <vector>

#include "catalogue/rules_elements.h"
#include "core/game_state.h"
#include "history/statistics_window.h"

namespace tarvolenka {

using RulesTexts = std::array<std::string, rules_window::kPageCount>;

// Every page's text, in the order of rules_window::kPages. `exact` quotes the machine's return;
// without it the last page says that it is not worked out.
RulesTexts WriteRules(const GameState& played, const ExactReturn& exact);

// The pages, one each.
std::string LinesText(const GameState& played);
std::string MultipliersText(const GameState& played);
std::string FreeSpinsText();
std::string BonusGamesText();
std::string DrinksBonusText();
std::string MezeBonusText();
std::string GoldenBonusText();
std::string DoubleUpText();
std::string LevelsText(const GameState& played);
std::string ReturnText(const GameState& played, const ExactReturn& exact);

// "a, b и c"
std::string JoinedList(const std::vector<std::string>& items);

}  // namespace tarvolenka
