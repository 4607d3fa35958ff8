#include <gtest/gtest.h>
#include <zlib.h>

#include "tools/sim/options.h"
#include "tools/sim/png_writer.h"
#include "tools/sim/reports.h"
#include "tools/sim/win_chart.h"

namespace tarvolenka::sim {
namespace {

std::uint32_t Read32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return std::uint32_t{b[at]} << 24 | std::uint32_t{b[at + 1]} << 16 |
         std::uint32_t{b[at + 2]} << 8 | b[at + 3];
}

TEST(PngEncoder, WritesChunksWithTheirChecksumsAndThePixelsDeflated) {
  Image image(3, 2, 0x102030);
  image.Set(2, 1, 0xFF8000);
  const std::vector<std::uint8_t> png = EncodePng(image);
  const std::vector<std::uint8_t> signature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  ASSERT_TRUE(std::equal(signature.begin(), signature.end(), png.begin()));
  std::size_t at = signature.size();
  std::vector<std::uint8_t> idat;
  std::vector<std::string> types;
  while (at < png.size()) {
    const std::uint32_t length = Read32(png, at);
    const std::string type(png.begin() + static_cast<std::ptrdiff_t>(at + 4),
                           png.begin() + static_cast<std::ptrdiff_t>(at + 8));
    const auto crc = crc32(0L, png.data() + at + 4, length + 4);
    ASSERT_EQ(Read32(png, at + 8 + length), crc) << type;
    if (type == "IHDR") {
      EXPECT_EQ(Read32(png, at + 8), 3u);
      EXPECT_EQ(Read32(png, at + 12), 2u);
      EXPECT_EQ(png[at + 16], 8);  // bits per sample
      EXPECT_EQ(png[at + 17], 2);  // RGB
    }
    if (type == "IDAT")
      idat.assign(png.begin() + static_cast<std::ptrdiff_t>(at + 8),
                  png.begin() + static_cast<std::ptrdiff_t>(at + 8 + length));
    types.push_back(type);
    at += 12 + length;
  }
  EXPECT_EQ(types, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
  std::vector<std::uint8_t> raw(2 * (1 + 3 * 3));
  uLongf size = raw.size();
  ASSERT_EQ(uncompress(raw.data(), &size, idat.data(), idat.size()), Z_OK);
  ASSERT_EQ(size, raw.size());
  const std::vector<std::uint8_t> expected{0, 0x10, 0x20, 0x30, 0x10, 0x20, 0x30, 0x10, 0x20, 0x30,
                                           0, 0x10, 0x20, 0x30, 0x10, 0x20, 0x30, 0xFF, 0x80, 0x00};
  EXPECT_EQ(raw, expected);
}

TEST(WinChart, DrawsABarForEachBinThatHoldsPaidSpins) {
  std::array<double, kWinBins> share{};
  share[0] = 0.5;
  share[3] = 0.01;
  share[kWinBins - 1] = 1e-5;
  const Image chart = DrawWinChart(share);
  // A bar's colour in a column through the middle of each bin's slot.
  const auto barIn = [&chart](std::size_t bin) {
    const int slot = (780 - 80) / static_cast<int>(kWinBins);
    const int x = 80 + static_cast<int>(bin) * slot + slot / 2;
    for (int y = 0; y < chart.height; ++y) {
      const std::size_t at = (static_cast<std::size_t>(y) * static_cast<std::size_t>(chart.width) +
                              static_cast<std::size_t>(x)) *
                             3;
      if (chart.rgb[at] == 0x2E && chart.rgb[at + 1] == 0x6F && chart.rgb[at + 2] == 0xB7)
        return true;
    }
    return false;
  };
  for (std::size_t bin = 0; bin < kWinBins; ++bin)
    EXPECT_EQ(barIn(bin), share[bin] > 0) << "bin " << bin;
}

TEST(Options, DefaultsAndValuesAreRead) {
  std::string error;
  const auto defaults = ParseOptions({}, 6, error);
  ASSERT_TRUE(defaults);
  EXPECT_EQ(defaults->run.spins, 10'000'000);
  EXPECT_EQ(defaults->run.settings.lines, 50);
  EXPECT_EQ(defaults->run.settings.stake, 1);
  EXPECT_EQ(defaults->run.threads, 6);
  EXPECT_FALSE(defaults->run.settings.doubleUp.plays());
  const auto given =
      ParseOptions({"--spins", "123", "--lines", "7", "--stake", "20", "--threads", "3", "--seed",
                    "99", "--double", "collect-at:4", "--json", "--report", "out"},
                   6, error);
  ASSERT_TRUE(given) << error;
  EXPECT_EQ(given->run.spins, 123);
  EXPECT_EQ(given->run.settings.lines, 7);
  EXPECT_EQ(given->run.settings.stake, 20);
  EXPECT_EQ(given->run.threads, 3);
  EXPECT_EQ(given->run.seed, 99u);
  EXPECT_EQ(given->run.settings.doubleUp.name(), "collect-at:4");
  EXPECT_TRUE(given->json);
  EXPECT_EQ(given->reportDir, "out");
}

TEST(Options, WrongValuesAreRefused) {
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{"--lines", "0"},
                                             {"--lines", "51"},
                                             {"--stake", "0"},
                                             {"--spins", "-5"},
                                             {"--spins", "12x"},
                                             {"--threads", "0"},
                                             {"--double", "collect-at:8"},
                                             {"--double", "sometimes"},
                                             {"--seed"},
                                             {"--fast"}}) {
    std::string error;
    EXPECT_FALSE(ParseOptions(args, 2, error)) << args[0];
    EXPECT_FALSE(error.empty());
  }
}

TEST(Reports, ShowEveryRowAndWhetherTheExactFigureLiesInItsInterval) {
  Summary s;
  s.sections.push_back({"rtp",
                        "Return",
                        {{"lines", "lines (paid spins)", 0.5, {0.49, 0.45, 0.55}, Unit::Percent},
                         {"double_up", "double-up", std::nullopt, {0.1, 0.0, 0.2}, Unit::Percent},
                         {"total", "total", 0.9, {0.7, 0.6, 0.8}, Unit::Percent}}});
  const std::string text = TextReport(s);
  EXPECT_NE(text.find("lines (paid spins)"), std::string::npos);
  EXPECT_NE(text.find("50.0000"), std::string::npos);
  EXPECT_NE(text.find("NO"), std::string::npos);  // the total's exact figure lies outside
  const std::string json = JsonReport(s);
  EXPECT_NE(json.find("\"total\": {\"label\": \"total\", \"exact\": 0.9"), std::string::npos);
  EXPECT_NE(json.find("\"exact_in_ci99\": false"), std::string::npos);
  EXPECT_NE(json.find("\"double_up\": {\"label\": \"double-up\", \"exact\": null"),
            std::string::npos);
  const std::string md = MarkdownReport(s, "chart.png");
  EXPECT_NE(md.find("](chart.png)"), std::string::npos);
  EXPECT_NE(md.find("| total | 90.0000 | 70.0000 |"), std::string::npos);
  // The misses are counted against what chance gives for two rows.
  const Agreement a = CountAgreement(s);
  EXPECT_EQ(a.compared, 2);
  EXPECT_EQ(a.outside, 1);
  EXPECT_NEAR(a.chanceOfAnyOutside, 0.0199, 1e-9);
  for (const std::string* report : {&text, &md})
    EXPECT_NE(report->find("outside its 99 % interval in 1 of 2 rows"), std::string::npos);
  EXPECT_NE(json.find("\"rows_compared\": 2, \"rows_outside_ci99\": 1"), std::string::npos);
}

}  // namespace
}  // namespace tarvolenka::sim
