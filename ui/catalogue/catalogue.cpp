#include <array>

// clang-format off
#include "main_elements.h"
#include "legend_elements.h"
#include "bottles_elements.h"
#include "cups_elements.h"
#include "result_elements.h"
#include "double_elements.h"
#include "level_elements.h"
#include "timed_bonus_elements.h"
#include "mega_bonus_elements.h"
#include "chooser_elements.h"
#include "meze_elements.h"
#include "golden_pick_elements.h"
#include "golden_board_elements.h"
#include "windows.h"
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
