#include "qt/legend/legend_layout.h"

namespace tarvolenka::legend {
namespace {

constexpr SymbolId kMultiplierSymbols[] = {13, 14, 15};

constexpr std::array<std::string_view, 11> kSymbolNames{
    "",     "Картофи", "Наденица", "Салата", "Кебапче", "Салам",
    "Бира", "Вино",    "Коняк",    "Ракия",  "Водка",
};

// The reels a multiplier stands in on, as the note under its picture.
std::string ReelsNote(SymbolId multiplier) {
  std::vector<int> reels;
  for (int reel = 1; reel <= kReels; ++reel)
    if (kMultiplierOnReel[static_cast<std::size_t>(reel)] == multiplier) reels.push_back(reel);
  std::string note = reels.size() > 1 ? "барабани\n" : "барабан\n";
  for (std::size_t i = 0; i < reels.size(); ++i) {
    if (i > 0) note += i + 1 == reels.size() ? " и " : ", ";
    note += std::to_string(reels[i]);
  }
  return note;
}

void PlaceSpecials(LegendLayout& l) {
  l.specialsPanel = {12, 10, 222, 310};
  l.specialsHeading = {"Специални символи", {12, 14, 222, 24}};
  const std::array<std::string_view, 2> captions{"Бонус", "Скатер"};
  const std::array<std::string_view, 2> notes{"3 и повече отварят бонус игра",
                                              "3, 4 или 5 дават безплатни игри"};
  const std::array<SymbolId, 2> symbols{kBonusSymbol, kScatterSymbol};
  for (std::size_t i = 0; i < symbols.size(); ++i) {
    const int top = 44 + static_cast<int>(i) * 74;
    // The icon gives up a few pixels so that the note reads at a full size beside it.
    l.specials[i] = {symbols[i],
                     captions[i],
                     std::string(notes[i]),
                     {20, top + 2, 62, 62},
                     {90, top, 140, 24},
                     {90, top + 25, 140, 40}};
  }
  l.multipliersHeading = {"Умножители", {12, 196, 222, 24}};
  for (std::size_t i = 0; i < std::size(kMultiplierSymbols); ++i) {
    const int left = 16 + static_cast<int>(i) * 72;
    const SymbolId s = kMultiplierSymbols[i];
    l.multipliers[i] = {s, {}, ReelsNote(s), {left + 7, 222, 56, 56}, {}, {left - 2, 280, 74, 36}};
  }
}

// A pay cell for each run that pays, longest first, where the window's labels lie.
std::vector<PayCell> PayCells(SymbolId symbol) {
  std::vector<PayCell> cells;
  for (int count = kReels; count >= 2; --count) {
    const std::int64_t pay = kPayTable[symbol][static_cast<std::size_t>(count)];
    if (pay <= 0) continue;
    cells.push_back({count, "×" + std::to_string(pay), legend_window::PayBadge(symbol, count),
                     legend_window::PayCredits(symbol, count),
                     legend_window::PayPerUnit(symbol, count)});
  }
  return cells;
}

void PlacePays(LegendLayout& l) {
  l.paysPanel = {244, 10, 685, 310};
  l.paysHeading = legend_window::kStakeHeading;
  for (std::size_t i = 0; i < l.pays.size(); ++i) {
    const auto symbol = static_cast<SymbolId>(10 - i);  // dearest first: vodka down to chips
    PayEntry& e = l.pays[i];
    e.symbol = symbol;
    e.name = kSymbolNames[symbol];
    e.card = legend_window::PayCard(symbol);
    e.icon = {e.card.left + 3, e.card.top + 3, 46, 46};
    e.nameBox = {e.card.left + 56, e.card.top + 1, e.card.width - 62, 19};
    e.pays = PayCells(symbol);
  }
}

void PlaceLines(LegendLayout& l) {
  l.linesHeading = {"Легенда Линий", {335, 332, 270, 28}};
  l.flag = {614, 336, 34, 21};
  l.rulesButton = legend_window::kRulesButton;
  constexpr int kCell = 11;
  constexpr int kPerRow = 10;
  for (int n = 1; n <= kPaylines; ++n) {
    const int left = 13 + ((n - 1) % kPerRow) * 91;
    const int top = 366 + ((n - 1) / kPerRow) * 44;
    LineGrid& g = l.lines[static_cast<std::size_t>(n - 1)];
    g.number = n;
    g.label = {left, top, 23, 37};
    g.frame = {left + 28, top, kReels * (kCell + 1) + 1, kLineRows * (kCell + 1) + 1};
    const Payline& line = kPaylineTable[static_cast<std::size_t>(n - 1)];
    for (int row = 1; row <= kLineRows; ++row) {
      for (int reel = 1; reel <= kReels; ++reel) {
        const auto r = static_cast<std::size_t>(row - 1);
        const auto c = static_cast<std::size_t>(reel - 1);
        g.cells[r][c] = {g.frame.left + 1 + (reel - 1) * (kCell + 1),
                         g.frame.top + 1 + (row - 1) * (kCell + 1), kCell, kCell};
        g.filled[r][c] = line.rows[c] == row;
      }
    }
  }
}

}  // namespace

LegendLayout MakeLegendLayout() {
  LegendLayout l{};
  PlaceSpecials(l);
  PlacePays(l);
  PlaceLines(l);
  return l;
}

}  // namespace tarvolenka::legend
