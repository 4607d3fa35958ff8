#pragma once

// The settings: the zoom, quick spin, the volume and the auto-play choices, each on a row with
// its value between a step down and a step up. Every change applies at once.

#include <array>

#include "catalogue/element_builders.h"

namespace tarvolenka {

// The rows, top to bottom.
enum class SettingRow : std::uint8_t {
  Zoom,
  QuickSpin,
  Volume,
  AutoPlaySpins,
  AutoPlayStopOnBonus,
  AutoPlayWinAbove,
  AutoPlayBalanceBelow,
  Count
};
inline constexpr int kSettingRows = static_cast<int>(SettingRow::Count);

// clang-format off
enum class SettingsEl : std::uint16_t {
  Heading, AutoPlayHeading,
  Name1, Name2, Name3, Name4, Name5, Name6, Name7,
  Down1, Down2, Down3, Down4, Down5, Down6, Down7,
  Value1, Value2, Value3, Value4, Value5, Value6, Value7,
  Up1, Up2, Up3, Up4, Up5, Up6, Up7,
  CloseButton,
  Count
};
// clang-format on

enum class SettingsClick : std::uint16_t { None, StepDown, StepUp, Close };

template <>
struct WindowOf<SettingsEl> {
  static constexpr WindowId value = WindowId::Settings;
};

constexpr SettingsEl SettingValue(SettingRow row) {
  return Nth(SettingsEl::Value1, static_cast<int>(row));
}

namespace settings_window {
using namespace build;
using E = SettingsEl;
using C = SettingsClick;

inline constexpr Rgb kWood{92, 50, 20};
inline constexpr Rgb kValuePlate{255, 243, 214};
inline constexpr Rgb kChosenPlate{255, 204, 64};  // the row the arrow keys step
inline constexpr TextStyle kHeading = Style(20, true, Rgb{255, 214, 64}, Align::Centre, true);
inline constexpr TextStyle kName = Style(14, false, colours::kBlack, Align::Left, true);
inline constexpr TextStyle kValue = Style(14, true, colours::kBlack, Align::Centre, true);
inline constexpr TextStyle kButton = Style(14, true, colours::kBlack, Align::Centre, true);

// The rows sit under the heading, the auto-play ones under their own.
constexpr int RowTop(int row) {
  return 58 + 44 * row + (row >= 3 ? 44 : 0);
}

constexpr ElementSpec NameOf(int row, std::string_view name, std::string_view text) {
  return Text(Nth(E::Name1, row), name, {24, RowTop(row), 236, 36}, kName, text);
}

constexpr ElementSpec StepOf(E first, int row, std::string_view name, int left, C click,
                             std::string_view arrow) {
  ElementSpec e = PanelOf(Nth(first, row), name, {left, RowTop(row), 36, 36}, kButton, kWood);
  e.click = static_cast<std::uint16_t>(click);
  e.number = static_cast<std::uint8_t>(row);
  e.text = arrow;
  return e;
}

constexpr ElementSpec ValueOf(int row, std::string_view name) {
  // A click on the value steps it up, as a switch is flipped by a click on it.
  ElementSpec e =
      PanelOf(Nth(E::Value1, row), name, {306, RowTop(row), 130, 36}, kValue, kValuePlate);
  e.click = static_cast<std::uint16_t>(C::StepUp);
  e.number = static_cast<std::uint8_t>(row);
  return e;
}

// clang-format off
inline constexpr std::array<ElementSpec, static_cast<std::size_t>(E::Count)> kElements{{
    Text(E::Heading, "Heading", {20, 10, 460, 40}, kHeading, "НАСТРОЙКИ"),
    Text(E::AutoPlayHeading, "AutoPlayHeading", {20, RowTop(3) - 42, 460, 36}, kHeading, "АВТОИГРА"),
    NameOf(0, "Name1", "Мащаб"),
    NameOf(1, "Name2", "Бързо въртене"),
    NameOf(2, "Name3", "Сила на звука"),
    NameOf(3, "Name4", "Брой завъртания"),
    NameOf(4, "Name5", "Спира при бонус игра"),
    NameOf(5, "Name6", "Спира при печалба над"),
    NameOf(6, "Name7", "Спира при баланс под"),
    StepOf(E::Down1, 0, "Down1", 266, C::StepDown, "◄"), StepOf(E::Down1, 1, "Down2", 266, C::StepDown, "◄"),
    StepOf(E::Down1, 2, "Down3", 266, C::StepDown, "◄"), StepOf(E::Down1, 3, "Down4", 266, C::StepDown, "◄"),
    StepOf(E::Down1, 4, "Down5", 266, C::StepDown, "◄"), StepOf(E::Down1, 5, "Down6", 266, C::StepDown, "◄"),
    StepOf(E::Down1, 6, "Down7", 266, C::StepDown, "◄"),
    ValueOf(0, "Value1"), ValueOf(1, "Value2"), ValueOf(2, "Value3"), ValueOf(3, "Value4"),
    ValueOf(4, "Value5"), ValueOf(5, "Value6"), ValueOf(6, "Value7"),
    StepOf(E::Up1, 0, "Up1", 440, C::StepUp, "►"), StepOf(E::Up1, 1, "Up2", 440, C::StepUp, "►"),
    StepOf(E::Up1, 2, "Up3", 440, C::StepUp, "►"), StepOf(E::Up1, 3, "Up4", 440, C::StepUp, "►"),
    StepOf(E::Up1, 4, "Up5", 440, C::StepUp, "►"), StepOf(E::Up1, 5, "Up6", 440, C::StepUp, "►"),
    StepOf(E::Up1, 6, "Up7", 440, C::StepUp, "►"),
    [] {
      ElementSpec e = PanelOf(E::CloseButton, "CloseButton", {170, RowTop(6) + 56, 160, 40}, kButton, kWood);
      e.click = static_cast<std::uint16_t>(C::Close);
      e.text = "ЗАТВОРИ";
      return e;
    }(),
}};
static_assert(IdsInOrder(kElements));

inline constexpr WindowSpec kWindow{WindowId::Settings, "SettingsWindow", "Настройки", 500, RowTop(6) + 116, colours::kWhite,
                                    Border::FixedCloseBox, false, kElements, {}};
// clang-format on
}  // namespace settings_window

}  // namespace tarvolenka
