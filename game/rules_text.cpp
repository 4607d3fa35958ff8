// The rules of the machine itself: the lines, the multipliers, the free spins, the double-up,
// the levels with the timed and mega bonus, and the return.

#include "game/rules_text.h"

#include <algorithm>
#include <cstdint>

#include "catalogue/double_up_elements.h"
#include "catalogue/durations.h"
#include "catalogue/legend_elements.h"
#include "catalogue/mega_bonus_elements.h"
#include "core/arith.h"
#include "core/free_spins.h"
#include "core/level_rules.h"
#include "core/paylines.h"
#include "double/double_up_rules.h"

namespace tarvolenka {
namespace {

std::string Num(std::int64_t v) {
  return std::to_string(v);
}

// The paying symbols' names as the legend writes them, in lower case, by SymbolId 1..10.
constexpr std::array<std::string_view, 11> kSymbolNames{"",        "картофи", "наденица", "салата",
                                                        "кебапче", "салам",   "бира",     "вино",
                                                        "коняк",   "ракия",   "водка"};

// The symbols whose shortest paying run is `run`, dearest first.
std::vector<std::string> SymbolsPayingFrom(int run) {
  std::vector<std::string> names;
  for (int symbol = 10; symbol >= 1; --symbol)
    if (ShortestPaidRun(symbol) == run)
      names.emplace_back(kSymbolNames[static_cast<std::size_t>(symbol)]);
  return names;
}

// The pictures' lines: the lines page shows three vodkas from the left, the multipliers page a
// vodka, ×2, a vodka and ×5.
constexpr LineSymbols kLinesPicture{10, 10, 10, 3, 1};
constexpr LineSymbols kMultipliersPicture{10, 13, 10, 14, 3};
static_assert(RunOnLine(kLinesPicture).symbol == 10 && RunOnLine(kLinesPicture).length == 3,
              "the lines page tells of three vodkas");
static_assert(RunOnLine(kMultipliersPicture).symbol == 10, "the multipliers page tells of vodkas");

// "барабани 2 и 3", "барабан 4": the reels a multiplier stands in on.
std::string ReelsOf(SymbolId multiplier) {
  std::vector<std::string> reels;
  for (int reel = 1; reel <= kReels; ++reel)
    if (kMultiplierOnReel[static_cast<std::size_t>(reel)] == multiplier) reels.push_back(Num(reel));
  return (reels.size() > 1 ? "барабани " : "барабан ") + JoinedList(reels);
}

// "×2", "×300"
std::string Times(std::int64_t factor) {
  return "×" + Num(factor);
}

}  // namespace

std::string JoinedList(const std::vector<std::string>& items) {
  std::string out;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) out += i + 1 == items.size() ? " и " : ", ";
    out += items[i];
  }
  return out;
}

std::string LinesText(const GameState& played) {
  const std::int64_t pay = LinePay(kLinesPicture);
  return "Барабаните са " + Num(kReels) + ", с по три видими реда, и през тях минават " +
         Num(kPaylines) +
         " линии — картината им е в ТАБЛИЦА. Линия печели, когато на нея един и същ символ "
         "стои поред от първия барабан вляво надясно, без прекъсване. Напитките — " +
         JoinedList(SymbolsPayingFrom(2)) + " — печелят от 2 поред, а мезетата — " +
         JoinedList(SymbolsPayingFrom(3)) +
         " — от 3 поред. Всяка линия се плаща веднъж, за най-дългата си поредица, а "
         "печалбите на всички линии се събират.\n\n"
         "Печалбата на линия е числото от таблицата, умножено по залога на линия (КАНАЛ); "
         "ТАБЛИЦА показва печалбите в кредити при вашия залог. Трите водки на картинката "
         "дават " +
         Num(pay) + " × " + Num(played.LineStake) + " = " + Num(SatMul(pay, played.LineStake)) +
         ".\n\n"
         "Бонусът и скатерът не печелят по линиите: те отварят бонус игри и безплатни "
         "завъртания.";
}

std::string MultipliersText(const GameState& played) {
  std::int64_t most = 1;
  for (int reel = 2; reel <= kReels; ++reel)
    most *= kMultiplierFactor[static_cast<std::size_t>(reel)];
  const LineRun run = RunOnLine(kMultipliersPicture);
  const std::int64_t base = kPayTable[run.symbol][static_cast<std::size_t>(run.length)];
  const std::int64_t pay = LinePay(kMultipliersPicture);
  return "Умножителите излизат само на своите барабани: ×2 на " + ReelsOf(13) + ", ×5 на " +
         ReelsOf(14) + ", ×10 на " + ReelsOf(15) +
         ". Там умножителят заема мястото на символа, с който линията е започнала — напитка "
         "или мезе — и умножава печалбата ѝ. Умножителите на една линия се умножават помежду "
         "си, най-много до " +
         Times(most) +
         ". Поредицата винаги започва с напитка или мезе на първия барабан.\n\n"
         "Водка, ×2, водка и ×5 на картинката са поредица от " +
         Num(run.length) + " водки с множител " + Num(run.factor) + ": " + Num(base) + " × " +
         Num(run.factor) + " = " + Num(pay) + " пъти залога на линия, а при залог " +
         Num(played.LineStake) + " — " + Num(SatMul(pay, played.LineStake)) + ".";
}

std::string FreeSpinsText() {
  std::vector<std::string> awards;
  for (int scatters = 0; scatters <= kReels; ++scatters) {
    const int spins = FreeSpinsFor(scatters);
    if (spins == 0) continue;
    awards.push_back(awards.empty()
                         ? Num(scatters) + " скатера дават " + Num(spins) + " безплатни завъртания"
                         : Num(scatters) + " — " + Num(spins));
  }
  return "Скатерите се броят навсякъде по барабаните, не по линиите: " + JoinedList(awards) +
         ".\n\n"
         "Безплатните завъртания се въртят сами, с линиите и залога, с които са спечелени, и "
         "не струват нищо. В тях печелят линиите и умножителите, отварят се бонус игри, а нови "
         "скатери добавят още завъртания към оставащите. Колко остават, показва броячът "
         "БЕЗПЛАТНИ над барабаните. И безплатните завъртания носят опит за нивата.";
}

std::string DoubleUpText() {
  std::vector<std::string> rungs;
  for (std::size_t i = 0; i + 1 < kDoubleLadder.size(); ++i)
    rungs.push_back(Times(kDoubleLadder[i].multiplier));
  return "След всяка печалба ДУБЪЛ (или щракване върху някой от панелите) залага последната "
         "печалба. Познайте какво ще излезе — водка или бира; двете излизат с равен шанс. "
         "Всяко познаване изкачва сумата с едно стъпало: " +
         JoinedList(rungs) + " от печалбата, а стъпало " + Num(DoubleUpRules::kTopRung) +
         " плаща " + Times(kDoubleLadder.back().multiplier) +
         " и дубълът свършва. Грешното познаване губи всичко. Между две познавания ЗАПИС "
         "прибира сумата в ръка.\n\n"
         "ЖОКЕР изкачва едно стъпало без теглене, с последния ви избор. Жокерът е един; "
         "връща се при всяко пускане на играта и с всеки взет бонус по време.";
}

std::string LevelsText(const GameState& played) {
  const auto [fewest, most] = std::minmax_element(kMegaFactors.begin(), kMegaFactors.end());
  const std::int64_t timed = played.TimedBonusAmount;
  return "Всеки заложен кредит носи една точка опит, и в безплатните завъртания. Ниво 1 "
         "свършва при " +
         Num(LevelRules::ExperienceToLeave(1)) +
         " точки, а всяко следващо е по-дълго: ниво 2 "
         "иска още " +
         Num(LevelRules::ExperienceToLeave(2)) + ", ниво 3 — още " +
         Num(LevelRules::ExperienceToLeave(3)) + ". Новото ниво плаща награда ниво × " +
         Num(LevelRules::AwardOf(1)) +
         ", вдига максималния канал на ниво × 10 и бонуса по време на ниво × 100. Сега сте на "
         "ниво " +
         Num(played.Level) + " с " + Num(played.Experience) + " точки; следващото ниво е при " +
         Num(played.NextLevelExperience) +
         ".\n\n"
         "Един час след всеки взет бонус ВЗЕМИ БОНУС плаща бонуса по време — сега " +
         Num(timed) + ". Всеки шести е мегабонусът: СТАРТ пуска светлината по " + Num(kMegaCells) +
         " награди от " + Num(*fewest) + " до " + Num(*most) +
         " пъти бонуса по време, СТОП я забавя и тя спира след още няколко стъпки. Наградата, "
         "на която спре, е ваша — сега от " +
         Num(SatMul(timed, *fewest)) + " до " + Num(SatMul(timed, *most)) + ".";
}

std::string ReturnText(const GameState& played, const ExactReturn& exact) {
  const int lines = played.LineCount;
  const std::int64_t stake = static_cast<std::int64_t>(lines) * played.LineStake;
  const std::optional<double> percent = exact ? exact(lines, played.LineStake) : std::nullopt;
  if (!percent) return "Точната възвръщаемост на машината не е изчислена.";
  std::string text = "При " + Num(lines) + " линии × " + Num(played.LineStake) + " = " +
                     Num(stake) + " машината връща точно " + PercentText(*percent) +
                     " от залога, без дубъла. Числото е изчислено от таблиците на играта, с "
                     "бонус игри, изиграни с произволни избори.\n\n"
                     "Машината плаща всичките " +
                     Num(kPaylines) +
                     " линии, колкото и линии да играете: ЛИНИИ определя само залога. С "
                     "по-малко линии залагате по-малко, а печалбите са същите, затова всеки "
                     "заложен кредит връща повече.";
  // The win of a spin does not depend on the lines played, so the return goes as 1 / lines.
  if (lines < kPaylines)
    text += " При " + Num(kPaylines) + " линии връщането е " +
            PercentText(*percent * lines / kPaylines) + ", при " + Num(lines) + " — " +
            PercentText(*percent) + ".";
  else
    text += " При 10 линии то е " + PercentText(*percent * kPaylines / 10) + ", при 1 линия — " +
            PercentText(*percent * kPaylines) + ".";
  return text;
}

RulesTexts WriteRules(const GameState& played, const ExactReturn& exact) {
  return {LinesText(played),  MultipliersText(played),  FreeSpinsText(),   BonusGamesText(),
          DrinksBonusText(),  MezeBonusText(),          GoldenBonusText(), DoubleUpText(),
          LevelsText(played), ReturnText(played, exact)};
}

}  // namespace tarvolenka
