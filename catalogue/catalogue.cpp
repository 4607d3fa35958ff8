#include <array>

// clang-format off
#include "catalogue/main_elements.h"
#include "catalogue/legend_elements.h"
#include "catalogue/bottles_elements.h"
#include "catalogue/cups_elements.h"
#include "catalogue/bonus_result_elements.h"
#include "catalogue/double_up_elements.h"
#include "catalogue/level_up_elements.h"
#include "catalogue/timed_bonus_elements.h"
#include "catalogue/mega_bonus_elements.h"
#include "catalogue/hat_chooser_elements.h"
#include "catalogue/meze_elements.h"
#include "catalogue/golden_pick_elements.h"
#include "catalogue/golden_board_elements.h"
#include "catalogue/history_elements.h"
#include "catalogue/settings_elements.h"
#include "catalogue/statistics_elements.h"
#include "catalogue/rules_elements.h"
#include "catalogue/windows.h"
// clang-format on

namespace tarvolenka {
namespace {

constexpr std::array<WindowSpec, kWindowCount> kWindows{{
    main_window::kWindow,
    legend_window::kWindow,
    bottles_window::kWindow,
    cups_window::kWindow,
    result_window::kWindow,
    double_window::kWindow,
    level_window::kWindow,
    timed_bonus_window::kWindow,
    mega_bonus_window::kWindow,
    chooser_window::kWindow,
    meze_window::kWindow,
    golden_pick_window::kWindow,
    golden_board_window::kWindow,
    history_window::kWindow,
    statistics_window::kWindow,
    settings_window::kWindow,
    rules_window::kWindow,
}};

constexpr bool WindowsInOrder() {
  for (std::size_t i = 0; i < kWindows.size(); ++i)
    if (static_cast<std::size_t>(kWindows[i].id) != i) return false;
  return true;
}
static_assert(WindowsInOrder(), "windows must be listed in their order of creation");

}  // namespace

const WindowSpec& SpecOf(WindowId id) {
  return kWindows[static_cast<std::size_t>(id)];
}

const ElementSpec& SpecOf(ElementRef ref) {
  return SpecOf(ref.window).elements[ref.index];
}

bool FindElement(WindowId window, std::string_view name, ElementRef& out) {
  const auto& elements = SpecOf(window).elements;
  for (std::size_t i = 0; i < elements.size(); ++i) {
    if (elements[i].name == name) {
      out = {window, static_cast<std::uint16_t>(i)};
      return true;
    }
  }
  return false;
}

}  // namespace tarvolenka
