#pragma once

// How the desktop dresses the windows: the surface behind each window, the plate, tag or
// lettering of each text, the captions that say what a counter is, and the tooltips. The
// desktop paints from this data and the contrast test checks it, so both read the same
// colours.

#include <array>
#include <string_view>

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
#include "catalogue/statistics_elements.h"
#include "catalogue/timed_bonus_elements.h"

namespace tarvolenka::looks {

constexpr std::uint8_t Blend(std::uint8_t a, std::uint8_t b, int towardsB) {
  return static_cast<std::uint8_t>((a * (100 - towardsB) + b * towardsB) / 100);
}
// `c` moved `percent` of the way towards `to`.
constexpr Rgb Mix(Rgb c, Rgb to, int percent) {
  return {Blend(c.r, to.r, percent), Blend(c.g, to.g, percent), Blend(c.b, to.b, percent)};
}

// A plate or tag runs from a lit top edge to a shaded bottom edge of its base colour; its text
// must read against both ends.
inline constexpr int kPlateLight = 22;  // percent towards white at the top
inline constexpr int kPlateShade = 14;  // percent towards black at the bottom
constexpr Rgb PlateTop(Rgb base) {
  return Mix(base, colours::kWhite, kPlateLight);
}
constexpr Rgb PlateBottom(Rgb base) {
  return Mix(base, colours::kBlack, kPlateShade);
}

// The tavern palette.
namespace ink {
inline constexpr Rgb kDarkRed{150, 0, 0};
inline constexpr Rgb kDeepRed{112, 0, 0};
inline constexpr Rgb kCream{255, 243, 214};
inline constexpr Rgb kGold{255, 214, 64};
inline constexpr Rgb kEdge{34, 14, 6};           // the outline of cartoon lettering
inline constexpr Rgb kPanelFace{255, 251, 234};  // the window of the counter panels' art
inline constexpr Rgb kBadgeFace{255, 255, 255};  // the number windows of the badge and stage
inline constexpr Rgb kWood{92, 50, 20};
}  // namespace ink

// What a window's surface is made of, in the hue of its base colour.
enum class Surface : std::uint8_t {
  Plain,    // the base colour as it is (the legend's picture)
  Cabinet,  // the machine: a sky in the base colour that deepens to the edges, over a dark deck
  Baize,    // a card table: cloth in the base colour inside a wooden rim with a brass line
  Brass,    // a polished honey-wood board in the base colour, brass rim and rivets
  Linen,    // a tablecloth in the base colour inside a wooden rim
};

constexpr Surface SurfaceOf(WindowId window) {
  switch (window) {
    case WindowId::Main:
      return Surface::Cabinet;
    case WindowId::Legend:
    case WindowId::Count:
      return Surface::Plain;
    case WindowId::DoubleUp:
    case WindowId::MegaBonus:
      return Surface::Baize;
    case WindowId::BonusResult:
    case WindowId::LevelUp:
    case WindowId::TimedBonus:
      return Surface::Brass;
    default:
      return Surface::Linen;
  }
}

// The machine's control deck runs from here to the bottom of the main window, under the counter
// panels and the buttons; the reels sit above it in a bezel this wide.
inline constexpr int kDeckTop = 479;
inline constexpr int kReelBezel = 9;
inline constexpr Rgb kDeck{28, 52, 104};

// What a text is drawn on.
enum class Backing : std::uint8_t {
  Bare,       // straight on `ground`: the art or surface under it
  Plate,      // a raised plate in the panel's colour (or the label's own background)
  Tag,        // a price tag hung on the art, in the label's background colour
  Lettering,  // cartoon lettering: the ink inside a thick outline in `ground`
};

struct LabelLook {
  WindowId window;
  std::uint16_t first, last;  // the elements, inclusive
  Backing backing;
  Rgb ink;
  Rgb ground;  // what the text touches for Bare and Lettering; unused for plates and tags
};

template <class E>
constexpr LabelLook Look(E first, E last, Backing backing, Rgb ink, Rgb ground = {}) {
  return {WindowOf<E>::value,
          static_cast<std::uint16_t>(first),
          static_cast<std::uint16_t>(last),
          backing,
          ink,
          ground};
}

// clang-format off
inline constexpr std::array kLabelLooks{
    Look(MainEl::WinCounter, MainEl::TotalStakeCounter, Backing::Bare, colours::kBlack, ink::kPanelFace),
    Look(MainEl::FreeSpinsCounter, MainEl::FreeSpinsCounter, Backing::Plate, ink::kDarkRed),
    Look(MainEl::LevelNumber, MainEl::LevelNumber, Backing::Bare, ink::kDarkRed, ink::kBadgeFace),
    Look(MainEl::ExperienceText, MainEl::ExperienceText, Backing::Lettering, ink::kCream, ink::kEdge),
    Look(MainEl::TimedBonusCountdown, MainEl::TimedBonusCountdown, Backing::Bare, ink::kDarkRed, ink::kBadgeFace),
    Look(MainEl::SaveNotice, MainEl::SaveNotice, Backing::Plate, ink::kDarkRed),
    Look(DoubleUpEl::VodkaMarker, DoubleUpEl::BeerMarker, Backing::Plate, colours::kWhite),
    Look(DoubleUpEl::Amount, DoubleUpEl::Amount, Backing::Bare, ink::kDarkRed, ink::kPanelFace),
    Look(DoubleUpEl::Rung1, DoubleUpEl::Rung7, Backing::Plate, ink::kDeepRed),
    Look(DoubleUpEl::DrawnCard, DoubleUpEl::DrawnCard, Backing::Plate, ink::kWood),
    Look(DoubleUpEl::Verdict, DoubleUpEl::TopPrizeNote, Backing::Lettering, ink::kCream, ink::kEdge),
    Look(MegaBonusEl::Light1, MegaBonusEl::OkButton, Backing::Plate, ink::kDeepRed),
    Look(MegaBonusEl::Heading, MegaBonusEl::Heading, Backing::Lettering, ink::kGold, ink::kEdge),
    Look(MegaBonusEl::Announcement, MegaBonusEl::Prompt, Backing::Lettering, ink::kCream, ink::kEdge),
    Look(CupsEl::CupPrize1, CupsEl::CupPrize15, Backing::Tag, ink::kDarkRed),
    Look(CupsEl::Multiplier, CupsEl::Multiplier, Backing::Plate, ink::kDarkRed),
    Look(CupsEl::TallyPrize1, CupsEl::TallyPrize5, Backing::Plate, ink::kDarkRed),
    Look(CupsEl::TallyHits1, CupsEl::TallyHits5, Backing::Bare, ink::kDarkRed, colours::kWhite),
    Look(MezeEl::CabbagePrize1, MezeEl::TurnipPrize6, Backing::Tag, ink::kDarkRed),
    Look(MezeEl::Total, MezeEl::Total, Backing::Plate, ink::kDarkRed),
    Look(MezeEl::Status, MezeEl::Status, Backing::Bare, ink::kDarkRed, colours::kWhite),
    Look(BottlesEl::BottleMultiplier1, BottlesEl::BottleMultiplier5, Backing::Lettering, colours::kRed, ink::kEdge),
    Look(BottlesEl::Status, BottlesEl::Status, Backing::Bare, ink::kDarkRed, colours::kWhite),
    Look(CupsEl::Status, CupsEl::Status, Backing::Bare, ink::kDarkRed, colours::kWhite),
    Look(HatChooserEl::Title, HatChooserEl::Title, Backing::Lettering, ink::kGold, ink::kEdge),
    Look(HatChooserEl::HatLabel1, HatChooserEl::HatLabel3, Backing::Bare, colours::kMissed, colours::kWhite),
    Look(HatChooserEl::Status, HatChooserEl::Status, Backing::Bare, ink::kDarkRed, colours::kWhite),
    Look(GoldenPickEl::Hint, GoldenPickEl::Hint, Backing::Plate, ink::kWood),
    Look(GoldenPickEl::CoverLabel1, GoldenPickEl::CoverLabel3, Backing::Bare, colours::kMissed, colours::kWhite),
    Look(GoldenPickEl::Status, GoldenPickEl::Status, Backing::Bare, ink::kDarkRed, colours::kWhite),
    Look(GoldenBoardEl::FoulsLeft, GoldenBoardEl::FoulsLeft, Backing::Bare, ink::kDarkRed, colours::kWhite),
    Look(GoldenBoardEl::FoulRule, GoldenBoardEl::FoulRule, Backing::Plate, ink::kWood),
    Look(GoldenBoardEl::Status, GoldenBoardEl::Status, Backing::Bare, ink::kDarkRed, colours::kWhite),
    Look(BonusResultEl::Game, BonusResultEl::Game, Backing::Lettering, ink::kGold, ink::kEdge),
    Look(BonusResultEl::Win, BonusResultEl::Win, Backing::Lettering, colours::kRed, ink::kEdge),
    Look(BonusResultEl::Reckoning, BonusResultEl::Reckoning, Backing::Plate, ink::kWood),
    Look(LevelUpEl::LevelNumber, LevelUpEl::LevelNumber, Backing::Lettering, colours::kYellow, ink::kEdge),
    Look(LevelUpEl::BonusValue, LevelUpEl::LevelAwardValue, Backing::Lettering, colours::kRed, ink::kEdge),
    Look(TimedBonusEl::Amount, TimedBonusEl::Amount, Backing::Lettering, colours::kRed, ink::kEdge),
    Look(TimedBonusEl::Series, TimedBonusEl::Series, Backing::Plate, ink::kWood),
    Look(HistoryEl::Heading, HistoryEl::Heading, Backing::Lettering, ink::kGold, ink::kEdge),
    Look(HistoryEl::Row1, HistoryEl::Row10, Backing::Plate, colours::kBlack),
    Look(HistoryEl::NewerButton, HistoryEl::NewerButton, Backing::Plate, ink::kCream),
    Look(HistoryEl::PageText, HistoryEl::PageText, Backing::Bare, ink::kWood, colours::kWhite),
    Look(HistoryEl::OlderButton, HistoryEl::StatisticsButton, Backing::Plate, ink::kCream),
    Look(HistoryEl::CloseButton, HistoryEl::CloseButton, Backing::Plate, ink::kCream),
    Look(HistoryEl::GameTitle, HistoryEl::GameTitle, Backing::Bare, ink::kWood, colours::kWhite),
    Look(HistoryEl::PreviousSpin, HistoryEl::PreviousSpin, Backing::Plate, ink::kCream),
    Look(HistoryEl::SpinText, HistoryEl::SpinText, Backing::Bare, ink::kWood, colours::kWhite),
    Look(HistoryEl::NextSpin, HistoryEl::NextSpin, Backing::Plate, ink::kCream),
    Look(HistoryEl::Details, HistoryEl::Details, Backing::Bare, colours::kBlack, colours::kWhite),
    Look(HistoryEl::EmptyNotice, HistoryEl::EmptyNotice, Backing::Bare, ink::kWood, colours::kWhite),
    Look(StatisticsEl::Heading, StatisticsEl::Heading, Backing::Lettering, ink::kGold, ink::kEdge),
    Look(StatisticsEl::LifetimeHeader, StatisticsEl::SessionHeader, Backing::Bare, ink::kWood, statistics_window::kFiguresPaper),
    Look(StatisticsEl::Names, StatisticsEl::Session, Backing::Bare, colours::kBlack, statistics_window::kFiguresPaper),
    Look(StatisticsEl::MachineReturnHeading, StatisticsEl::MachineReturnHeading, Backing::Bare, ink::kWood, statistics_window::kNotePaper),
    Look(StatisticsEl::MachineReturn, StatisticsEl::MachineReturn, Backing::Bare, colours::kBlack, statistics_window::kNotePaper),
    Look(StatisticsEl::Notice, StatisticsEl::Notice, Backing::Bare, ink::kDarkRed, colours::kWhite),
    Look(StatisticsEl::CloseButton, StatisticsEl::CloseButton, Backing::Plate, ink::kCream),
    Look(SettingsEl::Heading, SettingsEl::AutoPlayHeading, Backing::Lettering, ink::kGold, ink::kEdge),
    Look(SettingsEl::Name1, SettingsEl::Name7, Backing::Bare, colours::kBlack, colours::kWhite),
    Look(SettingsEl::Down1, SettingsEl::Down7, Backing::Plate, ink::kCream),
    Look(SettingsEl::Value1, SettingsEl::Value7, Backing::Plate, colours::kBlack),
    Look(SettingsEl::Up1, SettingsEl::CloseButton, Backing::Plate, ink::kCream),
    Look(MainEl::AutoPlaySpinsLeft, MainEl::AutoPlaySpinsLeft, Backing::Bare, ink::kCream, kDeck),
    Look(MainEl::WinLineCaption, MainEl::WinLineCaption, Backing::Plate, ink::kCream),
    Look(MainEl::FreeRoundPlate, MainEl::FreeRoundPlate, Backing::Plate, ink::kGold),
    Look(LegendEl::StakeHeading, LegendEl::StakeHeading, Backing::Bare, legend_window::kDarkRed, legend_window::kCard),
    Look(LegendEl::RulesButton, LegendEl::CloseButton, Backing::Plate, ink::kCream),
    Look(LegendEl::VodkaPay5, LegendEl::ChipsPay3, Backing::Bare, legend_window::kInk, colours::kWhite),
    Look(RulesEl::Heading, RulesEl::Heading, Backing::Lettering, ink::kGold, ink::kEdge),
    Look(RulesEl::Body, RulesEl::Body, Backing::Bare, colours::kBlack, colours::kWhite),
    Look(RulesEl::PreviousPage, RulesEl::PreviousPage, Backing::Plate, ink::kCream),
    Look(RulesEl::PageText, RulesEl::PageText, Backing::Bare, ink::kWood, colours::kWhite),
    Look(RulesEl::NextPage, RulesEl::NextPage, Backing::Plate, ink::kCream),
    Look(RulesEl::CloseButton, RulesEl::CloseButton, Backing::Plate, ink::kCream),
    Look(RulesEl::LevelBadgeValue, RulesEl::LevelMegaCountdownValue, Backing::Bare, ink::kDarkRed, ink::kBadgeFace),
    Look(RulesEl::ReturnLinesValue, RulesEl::ReturnTotalStakeValue, Backing::Bare, colours::kBlack, ink::kPanelFace),
};
// clang-format on

// The look of a text element; Bare on the window's base colour for one not in the table.
constexpr LabelLook LookOf(ElementRef ref) {
  for (const LabelLook& look : kLabelLooks)
    if (look.window == ref.window && ref.index >= look.first && ref.index <= look.last) return look;
  return {ref.window, ref.index, ref.index, Backing::Bare, colours::kBlack, colours::kWhite};
}

// A plate's ink may follow its colour: the double-up's rungs turn lime when won and maroon
// when lost, and a maroon rung carries light ink.
struct PlateInk {
  Rgb plate;
  Rgb ink;
};
inline constexpr std::array kPlateInks{PlateInk{colours::kMaroon, ink::kCream}};

constexpr Rgb InkOnPlate(const LabelLook& look, Rgb plate) {
  for (const PlateInk& p : kPlateInks)
    if (p.plate == plate) return p.ink;
  return look.ink;
}

// Every colour a plate can take in play, by window: the rungs' open, won and lost colours.
constexpr std::array<Rgb, 3> kRungColours{kRungOpen, kRungWon, kRungLost};

// A small caption that names a counter or a switch, painted on a dark wooden tag. It shows and
// hides with its element.
struct Caption {
  ElementRef element;
  std::string_view text;
  Rect rect;
};
inline constexpr Rgb kCaptionTag = ink::kWood;
inline constexpr Rgb kCaptionInk = ink::kCream;
// clang-format off
inline constexpr std::array kCaptions{
    Caption{Ref(MainEl::FreeSpinsCounter), "БЕЗПЛАТНИ", {622, 10, 76, 21}},
    Caption{Ref(MainEl::ExperienceGauge), "ОПИТ", {126, 30, 44, 21}},
    Caption{Ref(DoubleUpEl::History1), "ПОСЛЕДНИ ТЕГЛЕНИЯ", {10, 184, 158, 21}},
    Caption{Ref(CupsEl::Multiplier), "МНОЖИТЕЛ", {96, 30, 84, 21}},
    Caption{Ref(CupsEl::TallyPrize1), "ТРИ ЕДНАКВИ", {612, 10, 122, 21}},
    Caption{Ref(MezeEl::Total), "СБОР", {182, 19, 52, 21}},
};
// clang-format on

// What each control does, shown when the pointer rests on it.
struct Tooltip {
  ElementRef element;
  std::string_view text;
};
// clang-format off
inline constexpr std::array kTooltips{
    Tooltip{Ref(MainEl::StartButton), "Завърта барабаните срещу общия залог"},
    Tooltip{Ref(MainEl::DoubleButton), "Удвоява печалбата на водка или бира"},
    Tooltip{Ref(MainEl::LegendButton), "Показва таблицата с печалбите и линиите"},
    Tooltip{Ref(MainEl::HistoryButton), "Показва последните игри и статистиката"},
    Tooltip{Ref(HistoryEl::NewerButton), "Избира по-новата игра"},
    Tooltip{Ref(HistoryEl::OlderButton), "Избира по-старата игра"},
    Tooltip{Ref(HistoryEl::PreviousSpin), "Предишното завъртане на играта"},
    Tooltip{Ref(HistoryEl::NextSpin), "Следващото завъртане на играта"},
    Tooltip{Ref(HistoryEl::StatisticsButton), "Показва статистиката на играча"},
    Tooltip{Ref(MainEl::LinesPlus), "Добавя линия"},
    Tooltip{Ref(MainEl::LinesMinus), "Маха линия"},
    Tooltip{Ref(MainEl::StakePlus), "Вдига залога на линия"},
    Tooltip{Ref(MainEl::StakeMinus), "Сваля залога на линия"},
    Tooltip{Ref(MainEl::WinPanel), "Последната печалба; щракнете, за да я удвоите"},
    Tooltip{Ref(MainEl::TotalStakePanel), "Общият залог: линии по залог на линия"},
    Tooltip{Ref(MainEl::LineStakePanel), "Залогът на всяка линия"},
    Tooltip{Ref(MainEl::LinesPanel), "Колко линии играят"},
    Tooltip{Ref(MainEl::BalancePanel), "Парите, с които играете"},
    Tooltip{Ref(MainEl::BonusStage), "Мегабонусът идва с всеки шести бонус по време"},
    Tooltip{Ref(MainEl::LevelBadge), "Вашето ниво; опитът го вдига"},
    Tooltip{Ref(MainEl::TakeBonusButton), "Взема бонуса по време"},
    Tooltip{Ref(MainEl::SoundSwitch), "Включва и изключва звука"},
    Tooltip{Ref(MainEl::AutoPlayBox), "Автоигра: завърта сама, докато я спрете или стигне избраното в настройките"},
    Tooltip{Ref(MainEl::AutoPlaySpinsLeft), "Оставащите завъртания на автоиграта"},
    Tooltip{Ref(MainEl::SettingsButton), "Настройки: мащаб, бързо въртене, звук и автоигра"},
    Tooltip{Ref(SettingsEl::CloseButton), "Затваря настройките; всичко вече е запазено"},
    Tooltip{Ref(DoubleUpEl::VodkaButton), "Залагате, че ще излезе водка"},
    Tooltip{Ref(DoubleUpEl::BeerButton), "Залагате, че ще излезе бира"},
    Tooltip{Ref(DoubleUpEl::CollectButton), "Прибира сумата и затваря дубъла"},
    Tooltip{Ref(DoubleUpEl::JokerButton), "Жокерът печели едно познаване"},
    Tooltip{Ref(DoubleUpEl::AmountPanel), "Сумата в ръка; щракнете, за да я приберете"},
    Tooltip{Ref(MegaBonusEl::StartButton), "Пуска светлината"},
    Tooltip{Ref(MegaBonusEl::StopButton), "Спира светлината"},
    Tooltip{Ref(MegaBonusEl::OkButton), "Взема наградата"},
    Tooltip{Ref(BonusResultEl::OkButton), "Взема печалбата"},
    Tooltip{Ref(LevelUpEl::OkButton), "Взема наградата за нивото"},
    Tooltip{Ref(TimedBonusEl::OkButton), "Взема бонуса"},
    Tooltip{Ref(TimedBonusEl::Caption), "Взема бонуса"},
    Tooltip{Ref(LegendEl::RulesButton), "Показва правилата на играта"},
    Tooltip{Ref(LegendEl::CloseButton), "Затваря таблицата"},
    Tooltip{Ref(RulesEl::PreviousPage), "Предишната страница"},
    Tooltip{Ref(RulesEl::NextPage), "Следващата страница"},
};
// clang-format on

// Family tooltips: every element of a numbered family does the same.
struct FamilyTooltip {
  WindowId window;
  std::uint16_t click;
  std::string_view text;
};
// clang-format off
inline constexpr std::array kFamilyTooltips{
    FamilyTooltip{WindowId::DoubleUp, static_cast<std::uint16_t>(DoubleUpClick::Collect), "Прибира сумата и затваря дубъла"},
    FamilyTooltip{WindowId::Bottles, static_cast<std::uint16_t>(BottlesClick::PickBottle), "Изберете бутилка: тя дава множителя"},
    FamilyTooltip{WindowId::Cups, static_cast<std::uint16_t>(CupsClick::PickCup), "Обърнете чаша"},
    FamilyTooltip{WindowId::Meze, static_cast<std::uint16_t>(MezeClick::PickVegetable), "Изберете мезе от реда"},
    FamilyTooltip{WindowId::HatChooser, static_cast<std::uint16_t>(HatChooserClick::PickHat), "Вдигнете шапка: под нея е бонусът"},
    FamilyTooltip{WindowId::GoldenPick, static_cast<std::uint16_t>(GoldenPickClick::PickCover), "Изберете капак: под него са фаловете"},
    FamilyTooltip{WindowId::GoldenBoard, static_cast<std::uint16_t>(GoldenBoardClick::PickCell), "Отворете поле: монета или фал"},
    FamilyTooltip{WindowId::History, static_cast<std::uint16_t>(HistoryClick::SelectRow), "Показва тази игра"},
    FamilyTooltip{WindowId::Settings, static_cast<std::uint16_t>(SettingsClick::StepDown), "Предишният избор"},
    FamilyTooltip{WindowId::Settings, static_cast<std::uint16_t>(SettingsClick::StepUp), "Следващият избор"},
};
// clang-format on

// The tooltip of an element, empty for one that takes no click.
inline std::string_view TooltipOf(ElementRef ref) {
  for (const Tooltip& t : kTooltips)
    if (t.element == ref) return t.text;
  const ElementSpec& e = SpecOf(ref);
  for (const FamilyTooltip& f : kFamilyTooltips)
    if (f.window == ref.window && f.click == e.click && e.click != kNoClick) return f.text;
  return {};
}

// The level-up rows: caption and value share one line; the rows lie on planks.
struct LevelRow {
  LevelUpEl caption, value;
};
inline constexpr std::array kLevelRows{
    LevelRow{LevelUpEl::BonusCaption, LevelUpEl::BonusValue},
    LevelRow{LevelUpEl::MegaBonusCaption, LevelUpEl::MegaBonusValue},
    LevelRow{LevelUpEl::MaxStakeCaption, LevelUpEl::MaxStakeValue},
    LevelRow{LevelUpEl::LevelAwardCaption, LevelUpEl::LevelAwardValue},
};
inline constexpr Rgb kPlank = colours::kPlank;
inline constexpr int kLevelNumberPx = 44;  // the new level, large on the star

// Prize tags of a row hang on one line: the row's tags take the top of its first tag.
struct TagRow {
  WindowId window;
  std::uint16_t first, last;
};
// clang-format off
inline constexpr std::array kTagRows{
    TagRow{WindowId::Meze, static_cast<std::uint16_t>(MezeEl::CabbagePrize1), static_cast<std::uint16_t>(MezeEl::CabbagePrize6)},
    TagRow{WindowId::Meze, static_cast<std::uint16_t>(MezeEl::TomatoPrize1), static_cast<std::uint16_t>(MezeEl::TomatoPrize6)},
    TagRow{WindowId::Meze, static_cast<std::uint16_t>(MezeEl::PotatoPrize1), static_cast<std::uint16_t>(MezeEl::PotatoPrize6)},
    TagRow{WindowId::Meze, static_cast<std::uint16_t>(MezeEl::TurnipPrize1), static_cast<std::uint16_t>(MezeEl::TurnipPrize6)},
    TagRow{WindowId::Cups, static_cast<std::uint16_t>(CupsEl::CupPrize1), static_cast<std::uint16_t>(CupsEl::CupPrize3)},
    TagRow{WindowId::Cups, static_cast<std::uint16_t>(CupsEl::CupPrize4), static_cast<std::uint16_t>(CupsEl::CupPrize8)},
    TagRow{WindowId::Cups, static_cast<std::uint16_t>(CupsEl::CupPrize9), static_cast<std::uint16_t>(CupsEl::CupPrize15)},
};
// clang-format on

// The top a tag is drawn at: the top most of its row's tags have.
inline int TagTop(ElementRef ref) {
  for (const TagRow& row : kTagRows) {
    if (row.window != ref.window || ref.index < row.first || ref.index > row.last) continue;
    int best = 0, bestCount = 0;
    for (std::uint16_t i = row.first; i <= row.last; ++i) {
      const int top = SpecOf(ElementRef{row.window, i}).rect.top;
      int count = 0;
      for (std::uint16_t j = row.first; j <= row.last; ++j)
        count += SpecOf(ElementRef{row.window, j}).rect.top == top ? 1 : 0;
      if (count > bestCount) best = top, bestCount = count;
    }
    return best;
  }
  return SpecOf(ref).rect.top;
}

}  // namespace tarvolenka::looks
