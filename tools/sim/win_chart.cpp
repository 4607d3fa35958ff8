#include "tools/sim/win_chart.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace tarvolenka::sim {
namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 420;
constexpr int kLeft = 80, kRight = 780, kTop = 20, kBottom = 370;
constexpr int kScale = 2;  // font pixels per glyph pixel

constexpr std::uint32_t kWhite = 0xFFFFFF, kBlack = 0x000000, kGrid = 0xDDDDDD, kBar = 0x2E6FB7;

// A 3 × 5 font for the labels: each glyph is five rows of three bits, the high bit leftmost.
struct Glyph {
  char c;
  std::array<std::uint8_t, 5> rows;
};
constexpr std::array<Glyph, 16> kFont{{
    {'0', {7, 5, 5, 5, 7}},
    {'1', {2, 6, 2, 2, 7}},
    {'2', {7, 1, 7, 4, 7}},
    {'3', {7, 1, 7, 1, 7}},
    {'4', {5, 5, 7, 1, 1}},
    {'5', {7, 4, 7, 1, 7}},
    {'6', {7, 4, 7, 5, 7}},
    {'7', {7, 1, 1, 2, 2}},
    {'8', {7, 5, 7, 5, 7}},
    {'9', {7, 5, 7, 1, 7}},
    {'.', {0, 0, 0, 0, 2}},
    {'%', {5, 1, 2, 4, 5}},
    {'>', {4, 2, 1, 2, 4}},
    {'-', {0, 0, 7, 0, 0}},
    {'x', {0, 5, 2, 5, 0}},
    {' ', {0, 0, 0, 0, 0}},
}};

constexpr int kGlyphWidth = 4 * kScale;  // three pixels and a gap

void Text(Image& image, int x, int y, const std::string& text, std::uint32_t colour) {
  for (char c : text) {
    const auto glyph =
        std::find_if(kFont.begin(), kFont.end(), [c](const Glyph& g) { return g.c == c; });
    if (glyph != kFont.end())
      for (int row = 0; row < 5; ++row)
        for (int col = 0; col < 3; ++col)
          if ((glyph->rows[static_cast<std::size_t>(row)] >> (2 - col)) & 1)
            image.Fill(x + col * kScale, y + row * kScale, x + (col + 1) * kScale,
                       y + (row + 1) * kScale, colour);
    x += kGlyphWidth;
  }
}

int TextWidth(const std::string& text) {
  return static_cast<int>(text.size()) * kGlyphWidth;
}

std::string Number(double v) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%g", v);
  return buffer;
}

}  // namespace

Image DrawWinChart(const std::array<double, kWinBins>& share) {
  Image image(kWidth, kHeight, kWhite);
  // The scale runs from 100 % down to the decade of the smallest share shown.
  double smallest = 1;
  for (double s : share)
    if (s > 0) smallest = std::min(smallest, s);
  // A decade below the smallest share, so that its bar shows.
  const int decades = std::clamp(static_cast<int>(std::floor(-std::log10(smallest))) + 2, 1, 9);
  const auto yOf = [decades](double s) {
    const double f = (std::log10(s) + decades) / decades;
    return kBottom - static_cast<int>(std::lround(f * (kBottom - kTop)));
  };
  for (int d = 0; d <= decades; ++d) {
    const double level = std::pow(10.0, -d);
    const int y = yOf(level);
    image.Fill(kLeft, y, kRight, y + 1, kGrid);
    const std::string label = Number(level * 100).append("%");
    Text(image, kLeft - 8 - TextWidth(label), y - 5, label, kBlack);
  }
  const int slot = (kRight - kLeft) / static_cast<int>(kWinBins);
  for (std::size_t k = 0; k < kWinBins; ++k) {
    const int x0 = kLeft + static_cast<int>(k) * slot;
    if (share[k] > 0)
      image.Fill(x0 + slot / 6, std::min(yOf(share[k]), kBottom - 1), x0 + slot - slot / 6, kBottom,
                 kBar);
    // Each bar is labelled with the top of its bin, in multiples of the stake.
    std::string label = k == 0 ? "0" : Number(kWinBinEdges[k]);
    if (k + 1 == kWinBins) label = std::string(">").append(Number(kWinBinEdges[k - 1]));
    Text(image, x0 + (slot - TextWidth(label)) / 2, kBottom + 8, label, kBlack);
  }
  image.Fill(kLeft, kTop, kLeft + 1, kBottom + 1, kBlack);
  image.Fill(kLeft, kBottom, kRight, kBottom + 1, kBlack);
  return image;
}

}  // namespace tarvolenka::sim
