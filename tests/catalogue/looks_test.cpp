#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "catalogue/looks.h"

namespace tarvolenka {
namespace {

// WCAG 2 relative luminance and contrast ratio, worked out here apart from the looks.
double Channel(std::uint8_t v) {
  const double c = v / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}
double Luminance(Rgb c) {
  return 0.2126 * Channel(c.r) + 0.7152 * Channel(c.g) + 0.0722 * Channel(c.b);
}
double Contrast(Rgb a, Rgb b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

constexpr double kAaText = 4.5;

bool IsText(const ElementSpec& e) {
  return e.kind == Kind::Label || e.kind == Kind::Panel;
}

// Every colour a plate of this element takes in play.
std::vector<Rgb> PlateColours(ElementRef ref, const ElementSpec& e) {
  if (ref.window == WindowId::Cups && ref.index >= Ref(CupLabel(1)).index &&
      ref.index <= Ref(CupLabel(kCups)).index)
    return {e.style.background, cups_window::kPrizeWon};
  if (e.kind != Kind::Panel) return {e.style.background};
  if (ref.window == WindowId::DoubleUp && ref.index >= Ref(DoubleUpEl::Rung1).index &&
      ref.index <= Ref(DoubleUpEl::Rung7).index)
    return {looks::kRungColours.begin(), looks::kRungColours.end()};
  if (e.click == static_cast<std::uint16_t>(HistoryClick::SelectRow) &&
      ref.window == WindowId::History)
    return {e.colour, history_window::kSelectedPlate};
  return {e.colour};
}

std::string Describe(ElementRef ref) {
  return std::string(SpecOf(ref.window).className) + "." + std::string(SpecOf(ref).name);
}

TEST(WcagContrast, MatchesTheKnownRatios) {
  EXPECT_NEAR(Contrast(colours::kBlack, colours::kWhite), 21.0, 1e-9);
  EXPECT_NEAR(Contrast(colours::kRed, colours::kYellow), 3.72, 0.01);  // why red on yellow fails
  EXPECT_NEAR(Contrast(colours::kRed, colours::kMaroon), 2.74, 0.01);
}

TEST(LabelContrast, EveryTextHasItsOwnLook) {
  for (int w = 0; w < kWindowCount; ++w) {
    const WindowSpec& desc = SpecOf(static_cast<WindowId>(w));
    for (std::size_t i = 0; i < desc.elements.size(); ++i) {
      const ElementRef ref{desc.id, static_cast<std::uint16_t>(i)};
      if (!IsText(desc.elements[i])) continue;
      bool listed = false;
      for (const looks::LabelLook& l : looks::kLabelLooks)
        listed = listed || (l.window == ref.window && l.first <= ref.index && ref.index <= l.last);
      EXPECT_TRUE(listed) << Describe(ref) << " has no look";
    }
  }
}

TEST(LabelContrast, EveryTextReadsAtLeastFourAndAHalfToOneInEveryState) {
  for (int w = 0; w < kWindowCount; ++w) {
    const WindowSpec& desc = SpecOf(static_cast<WindowId>(w));
    for (std::size_t i = 0; i < desc.elements.size(); ++i) {
      const ElementSpec& e = desc.elements[i];
      if (!IsText(e)) continue;
      const ElementRef ref{desc.id, static_cast<std::uint16_t>(i)};
      const looks::LabelLook look = looks::LookOf(ref);
      switch (look.backing) {
        case looks::Backing::Bare:
        case looks::Backing::Lettering:
          EXPECT_GE(Contrast(look.ink, look.ground), kAaText) << Describe(ref);
          break;
        case looks::Backing::Plate:
        case looks::Backing::Tag:
          for (Rgb plate : PlateColours(ref, e)) {
            const Rgb ink = looks::InkOnPlate(look, plate);
            for (Rgb under : {looks::PlateTop(plate), plate, looks::PlateBottom(plate)})
              EXPECT_GE(Contrast(ink, under), kAaText)
                  << Describe(ref) << " on plate " << int(plate.r) << "," << int(plate.g) << ","
                  << int(plate.b);
          }
          break;
      }
    }
  }
}

TEST(LabelContrast, TheDoubleUpsLostRungIsLegible) {
  const looks::LabelLook look = looks::LookOf(Ref(DoubleUpEl::Rung3));
  EXPECT_GE(Contrast(looks::InkOnPlate(look, kRungLost), kRungLost), kAaText);
}

TEST(LabelContrast, CaptionsReadOnTheirTags) {
  for (Rgb under : {looks::PlateTop(looks::kCaptionTag), looks::PlateBottom(looks::kCaptionTag)})
    EXPECT_GE(Contrast(looks::kCaptionInk, under), kAaText);
}

TEST(Tooltips, EveryControlSaysWhatItDoes) {
  for (int w = 0; w < kWindowCount; ++w) {
    const WindowSpec& desc = SpecOf(static_cast<WindowId>(w));
    for (std::size_t i = 0; i < desc.elements.size(); ++i) {
      const ElementSpec& e = desc.elements[i];
      if (e.kind != Kind::Picture || e.click == kNoClick) continue;
      const ElementRef ref{desc.id, static_cast<std::uint16_t>(i)};
      EXPECT_FALSE(looks::TooltipOf(ref).empty()) << Describe(ref) << " has no tooltip";
    }
  }
}

TEST(Tooltips, ElementsWithoutAClickHaveNone) {
  EXPECT_TRUE(looks::TooltipOf(Ref(MegaBonusEl::Prize1)).empty());
  EXPECT_TRUE(looks::TooltipOf(Ref(MezeEl::Banner)).empty());
}

TEST(TagRows, TagsOfARowHangOnOneLine) {
  for (const looks::TagRow& row : looks::kTagRows) {
    const int top = looks::TagTop({row.window, row.first});
    for (std::uint16_t i = row.first; i <= row.last; ++i)
      EXPECT_EQ(looks::TagTop({row.window, i}), top);
  }
  EXPECT_EQ(looks::TagTop(Ref(CupsEl::CupPrize9)), 375);
}

bool Overlap(Rect a, Rect b) {
  return a.left < b.Right() && b.left < a.Right() && a.top < b.Bottom() && b.top < a.Bottom();
}
// The ring as it frames `choice`: its own size, centred there.
Rect RingAround(ElementRef ring, ElementRef choice) {
  const Rect r = SpecOf(ring).rect;
  const Point c = SpecOf(choice).rect.Centre();
  return {c.x - r.width / 2, c.y - r.height / 2, r.width, r.height};
}

// A revealed prize never hides a choice's art, nor sits under the ring while its own choice is
// framed during the reveal.
void ExpectTagsClearOfTheArt(ElementRef ring,
                             const std::vector<std::pair<ElementRef, ElementRef>>& tagAndArt) {
  for (const auto& [tag, own] : tagAndArt) {
    Rect drawn = SpecOf(tag).rect;
    drawn.top = looks::TagTop(tag);
    EXPECT_FALSE(Overlap(drawn, RingAround(ring, own))) << Describe(tag);
    for (const auto& cell : tagAndArt)
      EXPECT_FALSE(Overlap(drawn, SpecOf(cell.second).rect))
          << Describe(tag) << " on " << Describe(cell.second);
  }
}

TEST(TagRows, MezePrizesHangClearOfTheVegetablesAndTheRing) {
  std::vector<std::pair<ElementRef, ElementRef>> cells;
  for (int row = 0; row < kMezeRows; ++row)
    for (int k = 1; k <= kMezeCells; ++k)
      cells.emplace_back(Ref(MezeLabel(row, k)), Ref(MezePicture(row, k)));
  ExpectTagsClearOfTheArt(Ref(MezeEl::Ring), cells);
}

TEST(TagRows, CupPrizesHangClearOfTheGlassesAndTheRing) {
  std::vector<std::pair<ElementRef, ElementRef>> cells;
  for (int i = 1; i <= kCups; ++i) cells.emplace_back(Ref(CupLabel(i)), Ref(Cup(i)));
  ExpectTagsClearOfTheArt(Ref(CupsEl::Ring), cells);
}

}  // namespace
}  // namespace tarvolenka
