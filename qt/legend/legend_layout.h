#pragma once

// Where everything on the legend picture goes, and what it says, computed from the game's
// pay table and payline table so that the picture can never disagree with the machine.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/geometry.h"
#include "catalogue/legend_elements.h"
#include "core/paylines.h"

namespace tarvolenka::legend {

inline constexpr int kWidth = 941;
inline constexpr int kHeight = 595;
inline constexpr int kLineRows = 3;  // visible rows a payline runs through

struct Heading {
  std::string_view text;
  Rect box;
};

// A special symbol: its picture, caption and a short note on what it does.
struct SpecialEntry {
  SymbolId symbol;
  std::string_view caption;
  std::string note;
  Rect icon;
  Rect captionBox;
  Rect noteBox;
};

// One pay of a symbol: the run length in a badge and, beside it, the pay in credits, which the
// legend window writes over the picture at the stake being played, with the pay per unit of the
// stake per line in small print under it.
struct PayCell {
  int count;
  std::string perUnit;  // "×1000"
  Rect badge;
  Rect credits;
  Rect unit;
};

struct PayEntry {
  SymbolId symbol;
  std::string_view name;
  Rect card;
  Rect icon;
  Rect nameBox;
  std::vector<PayCell> pays;  // longest run first; runs that pay nothing are left out
};

// One payline as a 5 x 3 grid: cells[row - 1][reel - 1].
struct LineGrid {
  int number;
  Rect label;
  Rect frame;
  std::array<std::array<Rect, kReels>, kLineRows> cells;
  std::array<std::array<bool, kReels>, kLineRows> filled;
};

struct LegendLayout {
  Rect specialsPanel;
  Heading specialsHeading;
  std::array<SpecialEntry, 2> specials;  // bonus, scatter
  Heading multipliersHeading;
  std::array<SpecialEntry, 3> multipliers;  // x2, x5, x10
  Rect paysPanel;
  Rect paysHeading;  // the window writes the heading, which names the stake, over the picture
  std::array<PayEntry, 10> pays;  // the drinks, then the foods, dearest first
  Heading linesHeading;
  std::array<LineGrid, kPaylines> lines;
  Rect flag;
  Rect rulesButton;  // the first of the window's buttons, at the end of the lines' heading
};

LegendLayout MakeLegendLayout();

}  // namespace tarvolenka::legend
