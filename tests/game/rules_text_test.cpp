// The rules' words where a number could be wrong: the stake they are written for, and the
// machine's return, which must be the exact calculator's for the lines played and for fifty.

#include <gtest/gtest.h>

#include "exact/exact.h"
#include "game/rules_text.h"

namespace tarvolenka {
namespace {

std::optional<double> Exact(int lines, int /*stake*/) {
  return 100.0 * ComputeExact({.lines = lines}).total;
}

bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

TEST(RulesText, QuotesTheExactReturnForTheLinesPlayedAndForAllFifty) {
  struct Row {
    const char* name;
    int lines;
  };
  for (const Row row : {Row{"ten lines", 10}, Row{"one line", 1}}) {
    GameState played;
    played.LineCount = row.lines;
    played.LineStake = 5;
    const std::string text = ReturnText(played, Exact);
    EXPECT_TRUE(Has(text, PercentText(*Exact(row.lines, 5)))) << row.name << "\n" << text;
    EXPECT_TRUE(Has(text, PercentText(*Exact(kPaylines, 5)))) << row.name << "\n" << text;
  }
}

TEST(RulesText, SaysSoWhenTheReturnIsNotWorkedOut) {
  GameState played;
  played.LineCount = 50;
  played.LineStake = 1;
  EXPECT_TRUE(Has(ReturnText(played, {}), "не е изчислена"));
}

TEST(RulesText, WorksItsExamplesOutAtTheStakePlayed) {
  GameState played;
  played.LineStake = 7;
  // Three vodkas pay 40 each; vodka, ×2, vodka and ×5 are four vodkas times ten.
  EXPECT_TRUE(Has(LinesText(played), "= " + std::to_string(kPayTable[10][3] * 7)));
  EXPECT_TRUE(Has(MultipliersText(played), "— " + std::to_string(kPayTable[10][4] * 10 * 7)));
}

}  // namespace
}  // namespace tarvolenka
