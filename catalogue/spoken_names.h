#pragma once

// What a screen reader says for an element: the words its picture shows, or the caption of the
// counter it is. A counter's name is said with its value after it, as "ЛИНИИ 50".

#include <array>
#include <string_view>

#include "catalogue/bonus_result_elements.h"
#include "catalogue/double_up_elements.h"
#include "catalogue/level_up_elements.h"
#include "catalogue/main_elements.h"
#include "catalogue/timed_bonus_elements.h"

namespace tarvolenka {

struct SpokenElement {
  ElementRef element;
  std::string_view name;
};

// Elements whose picture carries no words, or whose words say less than the element does.
// clang-format off
inline constexpr std::array kSpokenElements{
    SpokenElement{Ref(MainEl::LinesPlus), "ЛИНИИ ПЛЮС"},
    SpokenElement{Ref(MainEl::LinesMinus), "ЛИНИИ МИНУС"},
    SpokenElement{Ref(MainEl::StakePlus), "КАНАЛ ПЛЮС"},
    SpokenElement{Ref(MainEl::StakeMinus), "КАНАЛ МИНУС"},
    SpokenElement{Ref(MainEl::WinCounter), "ПЕЧАЛБА"},
    SpokenElement{Ref(MainEl::CreditCounter), "БАЛАНС"},
    SpokenElement{Ref(MainEl::LinesCounter), "ЛИНИИ"},
    SpokenElement{Ref(MainEl::LineStakeCounter), "КАНАЛ"},
    SpokenElement{Ref(MainEl::TotalStakeCounter), "ОБЩ ЗАЛОГ"},
    SpokenElement{Ref(MainEl::ReelArea), "БАРАБАНИ"},
    SpokenElement{Ref(MainEl::FreeSpinsCounter), "БЕЗПЛАТНИ"},
    SpokenElement{Ref(MainEl::LevelNumber), "НИВО"},
    SpokenElement{Ref(MainEl::ExperienceGauge), "ОПИТ"},
    SpokenElement{Ref(MainEl::ExperienceText), "ОПИТ"},
    SpokenElement{Ref(MainEl::TimedBonusCountdown), "БОНУС СЛЕД"},
    SpokenElement{Ref(MainEl::AutoPlaySpinsLeft), "ОСТАВАЩИ ЗАВЪРТАНИЯ"},
    SpokenElement{Ref(BonusResultEl::Win), "ПЕЧАЛБА"},
    SpokenElement{Ref(DoubleUpEl::Amount), "СУМА"},
    SpokenElement{Ref(LevelUpEl::LevelNumber), "НИВО"},
    SpokenElement{Ref(LevelUpEl::BonusValue), "БОНУС"},
    SpokenElement{Ref(LevelUpEl::MegaBonusValue), "МЕГА БОНУС ДО"},
    SpokenElement{Ref(LevelUpEl::MaxStakeValue), "МАКСИМАЛЕН КАНАЛ"},
    SpokenElement{Ref(LevelUpEl::LevelAwardValue), "БОНУС ЗА НИВО"},
    SpokenElement{Ref(TimedBonusEl::Amount), "БОНУС"},
};
// clang-format on

struct SpokenPicture {
  Picture picture;
  std::string_view name;
};

// The words each picture shows, or what it shows when it shows no words; a greyed button says
// what the lit one does. Pictures that only decorate are left out.
// clang-format off
inline constexpr std::array kSpokenPictures{
    SpokenPicture{Picture::PanelWin, "ПЕЧАЛБА"}, SpokenPicture{Picture::PanelTotalStake, "ОБЩ ЗАЛОГ"},
    SpokenPicture{Picture::PanelLineStake, "КАНАЛ"}, SpokenPicture{Picture::PanelLines, "ЛИНИИ"},
    SpokenPicture{Picture::PanelBalance, "БАЛАНС"},
    SpokenPicture{Picture::ButtonStart, "СТАРТ"}, SpokenPicture{Picture::ButtonStartGrey, "СТАРТ"},
    SpokenPicture{Picture::ButtonDouble, "ДУБЪЛ"}, SpokenPicture{Picture::ButtonDoubleGrey, "ДУБЪЛ"},
    SpokenPicture{Picture::ButtonLegend, "ТАБЛИЦА"}, SpokenPicture{Picture::ButtonLegendGrey, "ТАБЛИЦА"},
    SpokenPicture{Picture::ButtonHistory, "ИСТОРИЯ"}, SpokenPicture{Picture::ButtonHistoryGrey, "ИСТОРИЯ"},
    SpokenPicture{Picture::SoundOn, "ЗВУК ВКЛЮЧЕН"}, SpokenPicture{Picture::SoundOff, "ЗВУК ИЗКЛЮЧЕН"},
    SpokenPicture{Picture::AutoPlayOff, "АВТОИГРА ИЗКЛЮЧЕНА"},
    SpokenPicture{Picture::AutoPlayOn, "АВТОИГРА ВКЛЮЧЕНА"},
    SpokenPicture{Picture::SettingsGear, "НАСТРОЙКИ"},
    SpokenPicture{Picture::BonusStage0, "МЕГАБОНУС 0 ОТ 5"}, SpokenPicture{Picture::BonusStage1, "МЕГАБОНУС 1 ОТ 5"},
    SpokenPicture{Picture::BonusStage2, "МЕГАБОНУС 2 ОТ 5"}, SpokenPicture{Picture::BonusStage3, "МЕГАБОНУС 3 ОТ 5"},
    SpokenPicture{Picture::BonusStage4, "МЕГАБОНУС 4 ОТ 5"}, SpokenPicture{Picture::BonusStage5, "МЕГАБОНУС 5 ОТ 5"},
    SpokenPicture{Picture::LevelBadge, "НИВО"}, SpokenPicture{Picture::TakeBonus, "ВЗЕМИ БОНУС"},
    SpokenPicture{Picture::Hat, "ШАПКА"}, SpokenPicture{Picture::BonusDrinks, "ПИЯН БОНУС"},
    SpokenPicture{Picture::BonusMeze, "МЕЗЕ БОНУС"}, SpokenPicture{Picture::BonusGolden, "ЗЛАТЕН БОНУС"},
    SpokenPicture{Picture::BannerChooseHat, "ИЗБЕРЕТЕ ШАПКА"},
    SpokenPicture{Picture::VegCabbage, "ЗЕЛЕ"}, SpokenPicture{Picture::VegTomato, "ДОМАТ"},
    SpokenPicture{Picture::VegPotato, "КАРТОФ"}, SpokenPicture{Picture::VegTurnip, "РЯПА"},
    SpokenPicture{Picture::BannerMeze, "ИЗБЕРЕТЕ МЕЗЕ КАТО СЕ СТАРАЕТЕ ДА ИЗБЯГВАТЕ НУЛАТА"},
    SpokenPicture{Picture::GoldenCover, "КАПАК"}, SpokenPicture{Picture::Fouls2, "2 ФАЛА"},
    SpokenPicture{Picture::Fouls3, "3 ФАЛА"}, SpokenPicture{Picture::Fouls4, "4 ФАЛА"},
    SpokenPicture{Picture::BannerGoldenPick, "ИЗБЕРЕТЕ МАКСИМАЛЕН БРОЙ ФАЛОВЕ"},
    SpokenPicture{Picture::Coin, "МОНЕТА"}, SpokenPicture{Picture::Foul, "ФАЛ"},
    SpokenPicture{Picture::BannerGoldenBoard, "ИЗБЕРЕТЕ МАКСИМАЛЕН БРОЙ МОНЕТИ"},
    SpokenPicture{Picture::BottleVodka, "ВОДКА"}, SpokenPicture{Picture::BottleBrandy, "КОНЯК"},
    SpokenPicture{Picture::BottleRakia, "РАКИЯ"}, SpokenPicture{Picture::BottleWine, "ВИНО"},
    SpokenPicture{Picture::BottleBeer, "БИРА"}, SpokenPicture{Picture::BannerBottles, "ИЗБЕРЕТЕ БУТИЛКА"},
    SpokenPicture{Picture::CupVodka, "ЧАША ВОДКА"}, SpokenPicture{Picture::CupBrandy, "ЧАША КОНЯК"},
    SpokenPicture{Picture::CupRakia, "ЧАША РАКИЯ"}, SpokenPicture{Picture::CupWine, "ЧАША ВИНО"},
    SpokenPicture{Picture::CupBeer, "ЧАША БИРА"},
    SpokenPicture{Picture::BannerCups, "ИЗБЕРЕТЕ ТРИ ЧАШИ С ЕДНАКВИ СУМИ"},
    SpokenPicture{Picture::BannerYouWon, "ВИЕ СПЕЧЕЛИХТЕ"}, SpokenPicture{Picture::ButtonOk, "ОК"},
    SpokenPicture{Picture::LetteringBonus, "БОНУС"}, SpokenPicture{Picture::LetteringMegaBonusIn, "МЕГА БОНУС ДО"},
    SpokenPicture{Picture::LetteringMaxStake, "МАКСИМАЛЕН КАНАЛ"},
    SpokenPicture{Picture::LetteringLevelAward, "БОНУС ЗА НИВО"},
    SpokenPicture{Picture::LetteringBonusBig, "БОНУС"},
    SpokenPicture{Picture::ButtonMegaStart, "СТАРТ"}, SpokenPicture{Picture::ButtonMegaStop, "СТОП"},
    SpokenPicture{Picture::DoubleVodka, "ВОДКА"}, SpokenPicture{Picture::DoubleBeer, "БИРА"},
    SpokenPicture{Picture::DoubleCollect, "ЗАПИС"}, SpokenPicture{Picture::DoubleJoker, "ЖОКЕР"},
    SpokenPicture{Picture::DoubleJokerSpent, "ЖОКЕРЪТ Е ИЗПОЛЗВАН"},
    SpokenPicture{Picture::PlateVodka, "ВОДКА"}, SpokenPicture{Picture::PlateBeer, "БИРА"},
    SpokenPicture{Picture::SymbolVodka, "ВОДКА"}, SpokenPicture{Picture::SymbolBeer, "БИРА"},
    SpokenPicture{Picture::Legend, "ТАБЛИЦА НА ПЕЧАЛБИТЕ И ЛИНИИТЕ"},
};
// clang-format on

// The element's own name, empty when it has none: a text then says itself, a picture what it
// shows (SpokenNameOf(Picture)).
constexpr std::string_view SpokenNameOf(ElementRef element) {
  for (const SpokenElement& s : kSpokenElements)
    if (s.element == element) return s.name;
  return {};
}

constexpr std::string_view SpokenNameOf(Picture picture) {
  for (const SpokenPicture& s : kSpokenPictures)
    if (s.picture == picture) return s.name;
  return {};
}

}  // namespace tarvolenka
