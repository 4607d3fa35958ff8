// The largest zoom that fits a screen: the largest window, zoomed, plus its unzoomed frame.

#include <gtest/gtest.h>

#include "catalogue/zoom_steps.h"

namespace tarvolenka {
namespace {

struct FitCase {
  const char* name;
  Extent window, frame, area;
  int zoom;
};

// The history window, the largest, under a title bar and thin borders, on screens that keep a
// 32-pixel panel.
constexpr Extent kHistory{1015, 690};
constexpr Extent kFrame{2, 26};

class ZoomFit : public ::testing::TestWithParam<FitCase> {};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Screens, ZoomFit, ::testing::Values(
    FitCase{"Laptop1366x768", kHistory, kFrame, {1366, 736}, 100},
    FitCase{"FullHd1920x1080", kHistory, kFrame, {1920, 1048}, 125},
    FitCase{"Wide1920x1200", kHistory, kFrame, {1920, 1168}, 150},
    FitCase{"Uhd3840x2160", kHistory, kFrame, {3840, 2128}, 250},
    FitCase{"PortraitWidthDecides", kHistory, kFrame, {1440, 2528}, 125},
    FitCase{"TooSmallForAnyStepKeepsTheSmallest", kHistory, kFrame, {800, 568}, 100},
    // A part of a pixel takes a whole one: 773 × 1.25 is 966.25, 674 × 1.25 is 842.5.
    FitCase{"ExactFitAfterRoundingUp", {773, 674}, {0, 0}, {967, 843}, 125},
    FitCase{"OnePixelShort", {773, 674}, {0, 0}, {966, 843}, 100},
    FitCase{"TheFrameCounts", {773, 674}, {0, 1}, {967, 843}, 100}),
    [](const auto& row) { return std::string(row.param.name); });
// clang-format on

TEST_P(ZoomFit, TakesTheLargestStepThatFits) {
  const FitCase& c = GetParam();
  EXPECT_EQ(LargestFittingZoom(c.window, c.frame, c.area), c.zoom);
}

}  // namespace
}  // namespace tarvolenka
