#include <array>

#include "main_elements.h"
#include "windows.h"

namespace tarvolenka {
namespace {

// Windows whose tables have not been written yet show as empty, correctly sized dialogs.
constexpr WindowSpec Empty(WindowId id, std::string_view cls, std::string_view caption, int w,
                           int h, Rgb bg, Border border = Border::FixedNoButtons) {
  return {id, cls, caption, w, h, bg, border, false, {}, {}};
}

constexpr std::array<WindowSpec, kWindowCount> kWindows{{
    main_window::kWindow,
    {WindowId::Legend, "TForm2", "Легенда", 945, 599, colours::kWhite, Border::FixedCloseBox, true,
     {}, {}},
    Empty(WindowId::Bottles, "TForm3", "Бонус", 483, 250, colours::kWhite),
    Empty(WindowId::Cups, "TForm4", "Бонус", 755, 460, colours::kWhite),
    Empty(WindowId::Result, "TForm5", "Бонус", 485, 296, colours::kYellow),
    Empty(WindowId::Double, "TForm6", "Дубъл", 583, 536, colours::kTeal),
    Empty(WindowId::Level, "TFormLevel1", "НИВО", 508, 402, colours::kYellow),
    Empty(WindowId::TimedBonus, "TFormBonus", "БОНУС", 247, 156, colours::kYellow),
    Empty(WindowId::MegaBonus, "TFormMegaBonus", "МЕГАБОНУС", 601, 430, colours::kTeal),
    Empty(WindowId::Chooser, "TForm10", "Избор на Бонус", 655, 302, colours::kWhite),
    Empty(WindowId::Meze, "TForm11", "Мезе Бонус", 672, 525, colours::kWhite),
    Empty(WindowId::GoldenPick, "TForm12", "Златен Бонус", 436, 175, colours::kWhite),
    Empty(WindowId::GoldenBoard, "TFormZlatenBonus", "Златен Бонус", 533, 440, colours::kWhite),
}};

constexpr bool WindowsInOrder() {
  for (std::size_t i = 0; i < kWindows.size(); ++i)
    if (static_cast<std::size_t>(kWindows[i].id) != i) return false;
  return true;
}
static_assert(WindowsInOrder());

}  // namespace

const WindowSpec& SpecOf(WindowId id) { return kWindows[static_cast<std::size_t>(id)]; }

const ElementSpec& SpecOf(ElementRef ref) { return SpecOf(ref.window).elements[ref.index]; }

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
