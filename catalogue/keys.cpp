#include "catalogue/keys.h"

#include "catalogue/bonus_result_elements.h"
#include "catalogue/bottles_elements.h"
#include "catalogue/cups_elements.h"
#include "catalogue/double_up_elements.h"
#include "catalogue/golden_board_elements.h"
#include "catalogue/golden_pick_elements.h"
#include "catalogue/hat_chooser_elements.h"
#include "catalogue/history_elements.h"
#include "catalogue/legend_elements.h"
#include "catalogue/level_up_elements.h"
#include "catalogue/main_elements.h"
#include "catalogue/mega_bonus_elements.h"
#include "catalogue/meze_elements.h"
#include "catalogue/rules_elements.h"
#include "catalogue/settings_elements.h"
#include "catalogue/timed_bonus_elements.h"

#include <vector>

namespace tarvolenka {
namespace {

constexpr std::array<std::string_view, static_cast<std::size_t>(Key::Count)> kKeyNames{
    "Интервал", "Enter", "←", "→", "↑", "↓", "A", "B", "D", "J", "M",      "T", "H",
    "S",        "1",     "2", "3", "4", "5", "6", "7", "8", "9", "Ctrl+,", "F1"};

// clang-format off
constexpr std::array kMainKeys{
    Bind(Key::Space, MainEl::StartButton), Bind(Key::Enter, MainEl::StartButton),
    Bind(Key::Left, MainEl::LinesMinus), Bind(Key::Right, MainEl::LinesPlus),
    Bind(Key::Down, MainEl::StakeMinus), Bind(Key::Up, MainEl::StakePlus),
    Bind(Key::D, MainEl::DoubleButton), Bind(Key::T, MainEl::LegendButton),
    Bind(Key::B, MainEl::TakeBonusButton), Bind(Key::A, MainEl::AutoPlayBox),
    Bind(Key::M, MainEl::SoundSwitch), Bind(Key::H, MainEl::HistoryButton),
    Bind(Key::Settings, MainEl::SettingsButton),
    Bind(Key::F1, MainEl::RulesKey), Bind(Key::S, MainEl::StatisticsKey),
};

constexpr std::array kDoubleUpKeys{
    Bind(Key::Left, DoubleUpEl::VodkaButton), Bind(Key::Right, DoubleUpEl::BeerButton),
    Bind(Key::J, DoubleUpEl::JokerButton),
    Bind(Key::Enter, DoubleUpEl::CollectButton), Bind(Key::Space, DoubleUpEl::CollectButton),
};

constexpr std::array kLevelUpKeys{Bind(Key::Enter, LevelUpEl::OkButton)};
constexpr std::array kTimedBonusKeys{Bind(Key::Enter, TimedBonusEl::OkButton)};
constexpr std::array kBonusResultKeys{Bind(Key::Enter, BonusResultEl::OkButton)};
// One of the three buttons shows at a time, all in the same place.
constexpr std::array kMegaBonusKeys{
    Bind(Key::Enter, MegaBonusEl::StartButton), Bind(Key::Enter, MegaBonusEl::StopButton),
    Bind(Key::Enter, MegaBonusEl::OkButton),
};
constexpr std::array kSettingsKeys{Bind(Key::Enter, SettingsEl::CloseButton)};
constexpr std::array kHistoryKeys{
    Bind(Key::Up, HistoryEl::NewerButton), Bind(Key::Down, HistoryEl::OlderButton),
    Bind(Key::Left, HistoryEl::PreviousSpin), Bind(Key::Right, HistoryEl::NextSpin),
    Bind(Key::S, HistoryEl::StatisticsButton),
};
constexpr std::array kLegendKeys{Bind(Key::F1, LegendEl::RulesButton),
                                 Bind(Key::Enter, LegendEl::CloseButton)};
constexpr std::array kRulesKeys{
    Bind(Key::Left, RulesEl::PreviousPage), Bind(Key::Right, RulesEl::NextPage),
};
// clang-format on

// Digit n picks choice n of a numbered family.
template <class E, int N>
constexpr std::array<KeyBinding, N> Digits(E first) {
  std::array<KeyBinding, N> keys{};
  for (int n = 1; n <= N; ++n)
    keys[static_cast<std::size_t>(n - 1)] = Bind(DigitKey(n), Nth(first, n - 1));
  return keys;
}

constexpr auto kHatKeys = Digits<HatChooserEl, 3>(HatChooserEl::Hat1);
constexpr auto kCoverKeys = Digits<GoldenPickEl, 3>(GoldenPickEl::Cover1);
constexpr auto kBottleKeys = Digits<BottlesEl, kBottles>(BottlesEl::Bottle1);
// More than nine: the digits reach the first nine.
constexpr auto kCupKeys = Digits<CupsEl, 9>(CupsEl::Cup1);
constexpr auto kBoardKeys = Digits<GoldenBoardEl, 9>(GoldenBoardEl::Cell1);

// The meze shows one more row of six at a time and only the newest row takes picks, so digit n
// stands for vegetable n of every row and lands on the newest one shown.
constexpr auto kMezeKeys = [] {
  std::array<KeyBinding, kMezeRows * kMezeCells> keys{};
  for (int row = 0; row < kMezeRows; ++row)
    for (int k = 1; k <= kMezeCells; ++k)
      keys[static_cast<std::size_t>(row * kMezeCells + k - 1)] =
          Bind(DigitKey(k), MezePicture(row, k));
  return keys;
}();

template <class E>
constexpr PickRingLayout RingOver(E first, int count, bool upDown) {
  return {WindowOf<E>::value, static_cast<std::uint16_t>(first), count,
          static_cast<std::uint16_t>(E::Ring), upDown};
}

// The meze's rows lie one above the other, but only the newest takes picks.
constexpr std::array kPickRings{
    RingOver(HatChooserEl::Hat1, 3, false),
    RingOver(GoldenPickEl::Cover1, 3, false),
    RingOver(BottlesEl::Bottle1, kBottles, false),
    RingOver(CupsEl::Cup1, kCups, true),
    RingOver(GoldenBoardEl::Cell1, kBoardCells, true),
    RingOver(MezeEl::Cabbage1, kMezeRows* kMezeCells, false),
};

// Each choice is bound to its number, and the ring, centred on any of them, stays clear of its
// art.
template <class E, std::size_t N>
constexpr bool RingFits(const std::array<ElementSpec, N>& elements, E first, int count) {
  const Rect ring = elements[static_cast<std::size_t>(E::Ring)].rect;
  for (int n = 0; n < count; ++n) {
    const ElementSpec& choice = elements[static_cast<std::size_t>(Nth(first, n))];
    if (choice.click == kNoClick || choice.number != n + 1) return false;
    if (ring.width < choice.rect.width + 2 * kRingMargin ||
        ring.height < choice.rect.height + 2 * kRingMargin)
      return false;
  }
  return true;
}
static_assert(RingFits(chooser_window::kElements, HatChooserEl::Hat1, 3));
static_assert(RingFits(golden_pick_window::kElements, GoldenPickEl::Cover1, 3));
static_assert(RingFits(bottles_window::kElements, BottlesEl::Bottle1, kBottles));
static_assert(RingFits(cups_window::kElements, CupsEl::Cup1, kCups));
static_assert(RingFits(golden_board_window::kElements, GoldenBoardEl::Cell1, kBoardCells));
static_assert(RingFits(meze_window::kElements, MezeEl::Cabbage1, kMezeRows* kMezeCells));

constexpr std::array<std::span<const KeyBinding>, kWindowCount> kWindowKeys{{
    kMainKeys,
    kLegendKeys,
    kBottleKeys,
    kCupKeys,
    kBonusResultKeys,
    kDoubleUpKeys,
    kLevelUpKeys,
    kTimedBonusKeys,
    kMegaBonusKeys,
    kHatKeys,
    kMezeKeys,
    kCoverKeys,
    kBoardKeys,
    kHistoryKeys,
    {},  // the statistics have nothing to click
    kSettingsKeys,
    kRulesKeys,
}};

}  // namespace

std::string_view KeyName(Key key) {
  return kKeyNames[static_cast<std::size_t>(key)];
}

std::span<const KeyBinding> KeysOf(WindowId window) {
  return kWindowKeys[static_cast<std::size_t>(window)];
}

const PickRingLayout* PickRingOf(WindowId window) {
  for (const PickRingLayout& r : kPickRings)
    if (r.window == window) return &r;
  return nullptr;
}

std::string KeyHint(ElementRef element) {
  std::vector<std::string> keys;
  for (const KeyBinding& b : KeysOf(element.window))
    if (b.element == element.index) keys.emplace_back(KeyName(b.key));
  // A choice is also reached by the ring's arrows and picked by Enter or Space.
  const PickRingLayout* ring = PickRingOf(element.window);
  if (ring != nullptr && element.index >= ring->first &&
      element.index < ring->first + ring->count) {
    std::string arrows = std::string(KeyName(Key::Left)) + std::string(KeyName(Key::Right));
    if (ring->upDown) arrows += std::string(KeyName(Key::Up)) + std::string(KeyName(Key::Down));
    keys.insert(keys.end(),
                {arrows, std::string(KeyName(Key::Enter)), std::string(KeyName(Key::Space))});
  }
  std::string hint;
  for (const std::string& key : keys) hint += (hint.empty() ? " (" : ", ") + key;
  return hint.empty() ? hint : hint + ")";
}

}  // namespace tarvolenka
