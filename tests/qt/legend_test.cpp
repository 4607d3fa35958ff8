// The legend window: the libjpeg decoder, the JPEG rendered at build time from the pay table
// and the payline table, its layout, and the window's catalogue entry.

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "catalogue/legend_elements.h"
#include "core/paylines.h"
#include "qt/jpeg_decoder.h"
#include "qt/legend/legend_layout.h"
#include "qt/picture_loader.h"
#include "tools/legend/jpeg_encoder.h"

namespace tarvolenka {
namespace {

using Bytes = std::vector<unsigned char>;
namespace lg = legend;

Rgb PixelAt(const DecodedImage& image, int x, int y) {
  const std::size_t i = (static_cast<std::size_t>(y) * image.width + x) * 3;
  return {image.pixels[i], image.pixels[i + 1], image.pixels[i + 2]};
}

bool IsRed(Rgb c) {
  return c.r > 170 && c.g < 90 && c.b < 90;
}
bool IsPale(Rgb c) {
  return c.r > 220 && c.g > 220 && c.b > 200;
}

// A test picture: red on the left half, blue on the right.
Bytes TwoColourJpeg(int width, int height) {
  Bytes rgb(static_cast<std::size_t>(width) * height * 3);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      unsigned char* p = &rgb[(static_cast<std::size_t>(y) * width + x) * 3];
      const bool left = x < width / 2;
      p[0] = left ? 220 : 20;
      p[1] = 20;
      p[2] = left ? 20 : 220;
    }
  }
  Bytes jpeg;
  EXPECT_TRUE(lg::EncodeJpeg(rgb.data(), width, height, 90, jpeg));
  return jpeg;
}

Bytes BuiltLegend() {
  QFile file(QStringLiteral(":/legend/legend.jpg"));
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray data = file.readAll();
  return Bytes(data.begin(), data.end());
}

DecodedImage DecodedLegend() {
  const Bytes jpeg = BuiltLegend();
  DecodedImage image;
  EXPECT_TRUE(DecodeJpeg(jpeg.data(), jpeg.size(), image));
  return image;
}

// The markers of a JPEG's header segments, up to the start of the scan, and the frame size.
struct JpegHeader {
  std::set<int> markers;
  int width = 0;
  int height = 0;
};

JpegHeader ReadHeader(const Bytes& j) {
  JpegHeader h;
  std::size_t i = 2;  // after the start-of-image marker
  while (i + 4 <= j.size() && j[i] == 0xFF) {
    const int marker = 0xFF00 | j[i + 1];
    h.markers.insert(marker);
    if (marker == 0xFFDA) break;  // start of scan: entropy-coded data follows
    if ((marker & 0xFFF0) == 0xFFC0 && marker != 0xFFC4 && i + 9 <= j.size()) {
      h.height = j[i + 5] << 8 | j[i + 6];
      h.width = j[i + 7] << 8 | j[i + 8];
    }
    i += 2 + static_cast<std::size_t>(j[i + 2] << 8 | j[i + 3]);
  }
  return h;
}

bool Inside(Rect inner, Rect outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.Right() <= outer.Right() &&
         inner.Bottom() <= outer.Bottom();
}

bool Overlap(Rect a, Rect b) {
  return a.left < b.Right() && b.left < a.Right() && a.top < b.Bottom() && b.top < a.Bottom();
}

constexpr Rect kSheet{0, 0, lg::kWidth, lg::kHeight};

// ---------------------------------------------------------------------------------------------

TEST(JpegDecoder, DecodesAnImageToItsSizeAndColours) {
  const Bytes jpeg = TwoColourJpeg(37, 21);
  DecodedImage image;
  ASSERT_TRUE(DecodeJpeg(jpeg.data(), jpeg.size(), image));
  EXPECT_EQ(image.width, 37);
  EXPECT_EQ(image.height, 21);
  ASSERT_EQ(image.pixels.size(), 37u * 21u * 3u);
  const Rgb left = PixelAt(image, 4, 10);
  const Rgb right = PixelAt(image, 32, 10);
  EXPECT_GT(left.r, 190);
  EXPECT_LT(left.b, 60);
  EXPECT_GT(right.b, 190);
  EXPECT_LT(right.r, 60);
}

TEST(JpegDecoder, RejectsTruncatedDataWithoutEndingTheProcess) {
  const Bytes jpeg = TwoColourJpeg(64, 48);
  // Cut inside the markers, inside the scan, and just before the end-of-image marker.
  for (const std::size_t keep :
       {std::size_t{2}, std::size_t{30}, jpeg.size() / 2, jpeg.size() - 2}) {
    DecodedImage image;
    image.width = 5;  // a failed decode must not leave anything behind
    image.pixels.assign(10, 1);
    EXPECT_FALSE(DecodeJpeg(jpeg.data(), keep, image)) << "kept " << keep << " bytes";
    EXPECT_EQ(image.width, 0);
    EXPECT_TRUE(image.pixels.empty());
  }
}

TEST(JpegDecoder, RejectsGarbageAndEmptyInput) {
  Bytes noise(4096);
  std::uint32_t seed = 12345;
  for (unsigned char& b : noise)
    b = static_cast<unsigned char>((seed = seed * 1103515245u + 12345u) >> 24);
  DecodedImage image;
  EXPECT_FALSE(DecodeJpeg(noise.data(), noise.size(), image));

  // A JPEG start marker followed by noise gets past the first check of the header.
  Bytes fake = {0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10};
  fake.insert(fake.end(), noise.begin(), noise.end());
  EXPECT_FALSE(DecodeJpeg(fake.data(), fake.size(), image));

  // Damage in the middle of the scan of a real picture.
  Bytes damaged = TwoColourJpeg(64, 48);
  for (std::size_t i = damaged.size() / 2; i < damaged.size() / 2 + 40; ++i) damaged[i] = 0xFF;
  EXPECT_FALSE(DecodeJpeg(damaged.data(), damaged.size(), image));

  EXPECT_FALSE(DecodeJpeg(nullptr, 0, image));
  EXPECT_FALSE(DecodeJpeg(noise.data(), 0, image));
}

// ---------------------------------------------------------------------------------------------

TEST(BuiltLegend, IsABaselineJpegOfTheLegendSize) {
  const Bytes jpeg = BuiltLegend();
  ASSERT_GT(jpeg.size(), 1000u) << "the legend resource is missing";
  EXPECT_EQ(jpeg[0], 0xFF);
  EXPECT_EQ(jpeg[1], 0xD8);
  const JpegHeader header = ReadHeader(jpeg);
  EXPECT_TRUE(header.markers.count(0xFFC0)) << "no baseline frame (SOF0)";
  EXPECT_FALSE(header.markers.count(0xFFC2)) << "progressive frame (SOF2)";
  EXPECT_FALSE(header.markers.count(0xFFC1)) << "extended frame (SOF1)";
  EXPECT_TRUE(header.markers.count(0xFFDA)) << "no scan";
  EXPECT_EQ(header.width, 941);
  EXPECT_EQ(header.height, 595);

  const DecodedImage image = DecodedLegend();
  EXPECT_EQ(image.width, 941);
  EXPECT_EQ(image.height, 595);
}

TEST(BuiltLegend, PaylineGridsAreRedExactlyOnTheirLines) {
  const DecodedImage image = DecodedLegend();
  ASSERT_EQ(image.width, lg::kWidth);
  const lg::LegendLayout layout = lg::MakeLegendLayout();
  for (int n = 1; n <= kPaylines; ++n) {
    const auto& grid = layout.lines[static_cast<std::size_t>(n - 1)];
    const Payline& line = kPaylineTable[static_cast<std::size_t>(n - 1)];
    for (int row = 1; row <= lg::kLineRows; ++row) {
      for (int reel = 1; reel <= kReels; ++reel) {
        const Point centre =
            grid.cells[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(reel - 1)]
                .Centre();
        const Rgb pixel = PixelAt(image, centre.x, centre.y);
        if (line.rows[static_cast<std::size_t>(reel - 1)] == row)
          EXPECT_TRUE(IsRed(pixel)) << "line " << n << " row " << row << " reel " << reel;
        else
          EXPECT_TRUE(IsPale(pixel)) << "line " << n << " row " << row << " reel " << reel;
      }
    }
  }
}

TEST(BuiltLegend, IsWhatTheLegendPictureShows) {
  qt::PictureLoader loader(1.0);
  const QImage shown = loader.Get(Picture::Legend).toImage();
  ASSERT_EQ(shown.size(), QSize(941, 595));
  const DecodedImage image = DecodedLegend();
  ASSERT_EQ(image.width, 941);
  // Line 1 runs through the middle row: its first cell is red, the one above is not.
  const lg::LegendLayout layout = lg::MakeLegendLayout();
  for (const auto& [row, red] : {std::pair{1, false}, std::pair{2, true}}) {
    const Point p = layout.lines[0].cells[static_cast<std::size_t>(row - 1)][0].Centre();
    const QColor c = shown.pixelColor(p.x, p.y);
    const Rgb decoded = PixelAt(image, p.x, p.y);
    EXPECT_EQ(c.red(), decoded.r);
    EXPECT_EQ(c.green(), decoded.g);
    EXPECT_EQ(IsRed({static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                     static_cast<std::uint8_t>(c.blue())}),
              red);
  }

  qt::PictureLoader sharp(2.0);
  const QPixmap& dense = sharp.Get(Picture::Legend);
  EXPECT_EQ(dense.size(), QSize(1882, 1190));
  EXPECT_EQ(dense.deviceIndependentSize().toSize(), QSize(941, 595));
}

// ---------------------------------------------------------------------------------------------

TEST(LegendLayout, ListsTheTenPayingSymbolsDrinksFirstDearestFirst) {
  const lg::LegendLayout layout = lg::MakeLegendLayout();
  const char* names[] = {"Водка", "Ракия",   "Коняк",  "Вино",     "Бира",
                         "Салам", "Кебапче", "Салата", "Наденица", "Картофи"};
  for (std::size_t i = 0; i < layout.pays.size(); ++i) {
    EXPECT_EQ(layout.pays[i].symbol, 10 - i);
    EXPECT_EQ(layout.pays[i].name, names[i]);
  }
  // Two columns read top to bottom: the drinks left, the foods right.
  for (std::size_t i = 1; i < 5; ++i) {
    EXPECT_GT(layout.pays[i].card.top, layout.pays[i - 1].card.top);
    EXPECT_EQ(layout.pays[i].card.left, layout.pays[0].card.left);
    EXPECT_EQ(layout.pays[i + 5].card.top, layout.pays[i].card.top);
    EXPECT_GT(layout.pays[i + 5].card.left, layout.pays[i].card.Right());
  }
}

TEST(LegendLayout, PaysPerUnitComeFromThePayTableUnderTheWindowsCredits) {
  const lg::LegendLayout layout = lg::MakeLegendLayout();
  for (const lg::PayEntry& e : layout.pays) {
    std::vector<int> counts{5, 4, 3};
    if (e.symbol >= 6) counts.push_back(2);  // only the drinks pay a run of two
    ASSERT_EQ(e.pays.size(), counts.size()) << e.name;
    for (std::size_t k = 0; k < counts.size(); ++k) {
      EXPECT_EQ(e.pays[k].count, counts[k]) << e.name;
      EXPECT_EQ(e.pays[k].perUnit,
                "×" + std::to_string(kPayTable[e.symbol][static_cast<std::size_t>(counts[k])]))
          << e.name << " run of " << counts[k];
      EXPECT_EQ(SpecOf(Ref(PayLabel(e.symbol, counts[k]))).rect, e.pays[k].credits)
          << e.name << " run of " << counts[k];
    }
  }
  // What the player reads on the dearest and the cheapest symbol.
  std::vector<std::string> vodka, chips;
  for (const auto& c : layout.pays.front().pays) vodka.push_back(c.perUnit);
  for (const auto& c : layout.pays.back().pays) chips.push_back(c.perUnit);
  EXPECT_EQ(vodka, (std::vector<std::string>{"×1000", "×200", "×40", "×5"}));
  EXPECT_EQ(chips, (std::vector<std::string>{"×50", "×10", "×5"}));
}

TEST(LegendLayout, PaysSitInsideTheirCardsLeftToRight) {
  const lg::LegendLayout layout = lg::MakeLegendLayout();
  for (const lg::PayEntry& e : layout.pays) {
    EXPECT_TRUE(Inside(e.card, layout.paysPanel)) << e.name;
    EXPECT_TRUE(Inside(e.icon, e.card)) << e.name;
    EXPECT_TRUE(Inside(e.nameBox, e.card)) << e.name;
    for (std::size_t k = 0; k < e.pays.size(); ++k) {
      EXPECT_TRUE(Inside(e.pays[k].badge, e.card)) << e.name;
      EXPECT_TRUE(Inside(e.pays[k].credits, e.card)) << e.name;
      EXPECT_TRUE(Inside(e.pays[k].unit, e.card)) << e.name;
      EXPECT_FALSE(Overlap(e.pays[k].badge, e.pays[k].credits)) << e.name;
      EXPECT_FALSE(Overlap(e.pays[k].credits, e.pays[k].unit)) << e.name;
      EXPECT_FALSE(Overlap(e.pays[k].credits, e.icon)) << e.name;
      EXPECT_FALSE(Overlap(e.pays[k].credits, e.nameBox)) << e.name;
      if (k > 0) {
        EXPECT_GE(e.pays[k].badge.left, e.pays[k - 1].credits.Right()) << e.name;
      }
    }
  }
  for (std::size_t i = 0; i < layout.pays.size(); ++i)
    for (std::size_t j = i + 1; j < layout.pays.size(); ++j)
      EXPECT_FALSE(Overlap(layout.pays[i].card, layout.pays[j].card)) << i << " " << j;
}

TEST(LegendLayout, ShowsTheSpecialSymbolsAndTheMultipliersWithTheirReels) {
  const lg::LegendLayout layout = lg::MakeLegendLayout();
  EXPECT_EQ(layout.specials[0].symbol, kBonusSymbol);
  EXPECT_EQ(layout.specials[0].caption, "Бонус");
  EXPECT_EQ(layout.specials[1].symbol, kScatterSymbol);
  EXPECT_EQ(layout.specials[1].caption, "Скатер");
  EXPECT_EQ(layout.multipliersHeading.text, "Умножители");
  EXPECT_EQ(layout.multipliers[0].symbol, 13);
  EXPECT_EQ(layout.multipliers[1].symbol, 14);
  EXPECT_EQ(layout.multipliers[2].symbol, 15);
  EXPECT_EQ(layout.multipliers[0].note, "барабани\n2 и 3");
  EXPECT_EQ(layout.multipliers[1].note, "барабан\n4");
  EXPECT_EQ(layout.multipliers[2].note, "барабан\n5");
  // Left to right, top to bottom: the special symbols left of the pays, the heading between.
  EXPECT_LE(layout.specialsPanel.Right(), layout.paysPanel.left);
  for (const auto& e : layout.specials) EXPECT_TRUE(Inside(e.icon, layout.specialsPanel));
  for (const auto& e : layout.multipliers) {
    EXPECT_TRUE(Inside(e.icon, layout.specialsPanel));
    EXPECT_GT(e.icon.top, layout.multipliersHeading.box.Bottom() - 1);
  }
}

TEST(LegendLayout, NumbersTheFiftyLineGridsInOrderBelowTheirHeading) {
  const lg::LegendLayout layout = lg::MakeLegendLayout();
  EXPECT_EQ(layout.linesHeading.text, "Легенда Линий");
  EXPECT_GE(layout.linesHeading.box.top, layout.paysPanel.Bottom());
  EXPECT_TRUE(Inside(layout.flag, kSheet));
  EXPECT_FALSE(Overlap(layout.flag, layout.linesHeading.box));
  for (std::size_t i = 0; i < layout.lines.size(); ++i) {
    const lg::LineGrid& g = layout.lines[i];
    EXPECT_EQ(g.number, static_cast<int>(i) + 1);
    EXPECT_TRUE(Inside(g.frame, kSheet)) << g.number;
    EXPECT_GE(g.frame.top, layout.linesHeading.box.Bottom()) << g.number;
    EXPECT_FALSE(Overlap(g.label, g.frame)) << g.number;
    for (std::size_t j = 0; j < i; ++j)
      EXPECT_FALSE(Overlap(g.frame, layout.lines[j].frame)) << g.number << " and " << j + 1;
    // Three rows of five cells, apart from each other, left to right and top to bottom.
    for (std::size_t r = 0; r < g.cells.size(); ++r) {
      for (std::size_t c = 0; c < g.cells[r].size(); ++c) {
        const Rect cell = g.cells[r][c];
        EXPECT_TRUE(Inside(cell, g.frame)) << g.number;
        EXPECT_GT(cell.width, 4);
        if (c > 0) {
          EXPECT_GT(cell.left, g.cells[r][c - 1].Right() - 1);
        }
        if (r > 0) {
          EXPECT_GT(cell.top, g.cells[r - 1][c].Bottom() - 1);
        }
        EXPECT_EQ(g.filled[r][c], kPaylineTable[i].rows[c] == r + 1) << g.number;
      }
    }
  }
}

// ---------------------------------------------------------------------------------------------

TEST(LegendWindowCatalogue, HoldsTheLegendPictureAtTheTopLeft) {
  const WindowSpec& w = SpecOf(WindowId::Legend);
  EXPECT_EQ(w.className, "LegendWindow");
  EXPECT_EQ(w.caption, "Легенда");
  EXPECT_EQ(w.width, 945);
  EXPECT_EQ(w.height, 599);
  EXPECT_EQ(w.background, colours::kWhite);
  EXPECT_EQ(w.border, Border::FixedCloseBox);
  EXPECT_TRUE(w.centredOnScreen);
  // The texts written over the picture lie on it.
  for (const ElementSpec& e : w.elements) EXPECT_TRUE(Inside(e.rect, kSheet)) << e.name;

  ElementRef ref{};
  ASSERT_TRUE(FindElement(WindowId::Legend, "Table", ref));
  EXPECT_EQ(ref, Ref(LegendEl::Table));
  const ElementSpec& e = SpecOf(ref);
  EXPECT_EQ(e.kind, Kind::Picture);
  EXPECT_EQ(e.rect, (Rect{0, 0, 941, 595}));
  EXPECT_EQ(e.picture, Picture::Legend);
  EXPECT_EQ(e.click, kNoClick);
  EXPECT_EQ(e.flags & kHidden, 0);
  EXPECT_EQ(SpecOf(Picture::Legend).width, lg::kWidth);
  EXPECT_EQ(SpecOf(Picture::Legend).height, lg::kHeight);
}

}  // namespace
}  // namespace tarvolenka
