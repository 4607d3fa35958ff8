// The rules of the bonus games: the hats that choose one, and each game with what its choices
// hold.

#include <algorithm>
#include <cstdint>

#include "bonus/bonus_rules.h"
#include "bonus/cup_levels.h"
#include "bonus/golden_pick_window.h"
#include "bonus/ladder_table.h"
#include "bonus/meze_prizes.h"
#include "catalogue/bottles_elements.h"
#include "catalogue/cups_elements.h"
#include "catalogue/golden_board_elements.h"
#include "catalogue/meze_elements.h"
#include "core/bonus_trigger.h"
#include "core/reels.h"
#include "game/rules_text.h"
#include "history/history_words.h"

namespace tarvolenka {
namespace {

std::string Num(std::int64_t v) {
  return std::to_string(v);
}

// At most one bonus symbol shows on a reel, so a bonus game opens on 3, 4 or 5 of them.
constexpr int kMostBonusSymbols = kReels;

// The words "three hats", "five bottles" and "three covers" name these counts.
static_assert(kBottles == 5 && GoldenCovers::kCovers == 3 && kGoldenGame == 3);

// The meze rows' names, in their order of play.
constexpr std::array<std::string_view, kMezeRows> kRowNames{"зеле", "домати", "картофи", "ряпа"};

}  // namespace

std::string BonusGamesText() {
  return Num(kBonusSymbolsToOpen) +
         " или повече бонус символа навсякъде по барабаните отварят бонус игра. Първо вдигнете "
         "една от трите шапки: под всяка е една от трите игри — " +
         std::string(BonusName(kDrinksGame)) + ", " + std::string(BonusName(kMezeGame)) + " и " +
         std::string(BonusName(kGoldenGame)) +
         ".\n\n"
         "Наградите в бонус игрите са в пъти по залога на линия: печалбата е резултатът на "
         "играта, умножен по залога на линия, а в " +
         std::string(BonusName(kDrinksGame)) + " и по множителя от бутилката. В " +
         std::string(BonusName(kDrinksGame)) + " и " + std::string(BonusName(kMezeGame)) +
         " наградите се умножават и по броя на бонус символите, от " + Num(kBonusSymbolsToOpen) +
         " до " + Num(kMostBonusSymbols) + ".";
}

std::string DrinksBonusText() {
  std::vector<std::string> levels;
  for (const std::int64_t level : kCupLevels) levels.push_back(Num(level));
  const std::int64_t most = kCupLevels.back() * kMostBonusSymbols * kBottles;
  return std::string(BonusName(kDrinksGame)) +
         " има два етапа. Първо изберете една от петте бутилки: те крият множителите от 1 до " +
         Num(kBottles) + ". После се отварят чаши: " + Num(kCups) + " чаши крият " +
         Num(static_cast<std::int64_t>(kCupLevels.size())) + " суми — " + JoinedList(levels) +
         " по броя на бонус символите, всяка под " + Num(kCupsPerLevel) +
         " чаши. Отваряйте чаши, докато една сума излезе " + Num(kCupsPerLevel) +
         " пъти: тя е резултатът. Вече отворена чаша се брои пак, ако я изберете отново.\n\n"
         "Печалбата е сумата × множителя на бутилката × залога на линия. Най-много: " +
         Num(kCupLevels.back()) + " × " + Num(kMostBonusSymbols) + " символа × " + Num(kBottles) +
         " = " + Num(most) + " пъти залога на линия.";
}

std::string MezeBonusText() {
  std::vector<std::string> ranges, blanks;
  std::int64_t best = 0;
  for (int row = 0; row < kMezeRows; ++row) {
    const auto prizes = MezePrizeSet(static_cast<MezeRow>(row));
    const auto [low, high] = std::minmax_element(prizes.begin(), prizes.end());
    const std::string name(kRowNames[static_cast<std::size_t>(row)]);
    ranges.push_back(name + " " + Num(*low) + "–" + Num(*high));
    const int zeros = kMezeCells - static_cast<int>(prizes.size());
    if (zeros > 0) blanks.push_back(name + " " + Num(zeros));
    best += *high;
  }
  return "Мезетата са в " + Num(kMezeRows) + " реда по " + Num(kMezeCells) + ": " +
         std::string(kRowNames.front()) + " най-долу, после " + std::string(kRowNames[1]) + ", " +
         std::string(kRowNames[2]) + " и " + std::string(kRowNames.back()) +
         " най-горе. На всеки ред изберете по едно мезе, отдолу нагоре; наградата под него се "
         "добавя към сбора. Наградите, по броя на бонус символите: " +
         JoinedList(ranges) +
         ". Най-долният ред няма празни мезета, а по-горните имат: " + JoinedList(blanks) +
         ". Празно мезе спира играта след своя ред, иначе тя свършва с най-горния.\n\n"
         "Печалбата е сборът × залога на линия. Най-много: " +
         Num(best) + " × " + Num(kMostBonusSymbols) +
         " символа = " + Num(best * kMostBonusSymbols) + " пъти залога на линия.";
}

std::string GoldenBonusText() {
  std::vector<std::string> fouls, prizes;
  for (int k = 0; k < GoldenCovers::kCovers; ++k) fouls.push_back(Num(kFewestFouls + k));
  for (std::size_t rung = 1; rung < kLadderTable.size(); ++rung)
    prizes.push_back(Num(kLadderTable[rung].prize));
  return std::string(BonusName(kGoldenGame)) +
         " също има два етапа. Първо изберете един от трите златни капака: под тях са " +
         JoinedList(fouls) + " фала — толкова фала ще сложат край на играта. После на дъската от " +
         Num(kBoardCells) + " полета се крият " + Num(kBoardCoins) + " монети и " +
         Num(kBoardFouls) +
         " фала. Всяка открита монета вдига наградата с едно стъпало по стълбата: " +
         Num(kLadderTable.front().prize) + " без монета, после " + JoinedList(prizes) +
         " при всичките " + Num(kBoardCoins) +
         " монети. Играта свършва, когато откриете избрания брой фалове.\n\n"
         "Печалбата е стъпалото × залога на линия; тук броят на бонус символите не променя "
         "наградите.";
}

}  // namespace tarvolenka
