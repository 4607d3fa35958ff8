// Checks every generated cue file for format, levels and clean edges, then each cue for the
// character that makes it recognisable in its role.
#include "tools/sounds/cue_synth.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "tests/tools/wav_probe.h"

namespace tarvolenka::sounds {
namespace {

using wav_probe::DominantHz;
using wav_probe::RmsSteps;
using wav_probe::Semitones;

// The format each file must have, written out independently of the cue table:
// samples = round(rate × length).
struct Expected {
  Cue cue;
  const char* file;
  std::uint32_t rate;
  std::size_t samples;
};

constexpr Expected kExpected[] = {
    {Cue::kClick, "click.wav", 11025, 110},            // 0.01 s
    {Cue::kCuckoo, "kuku.wav", 22050, 11466},          // 0.52 s
    {Cue::kHit, "pozna.wav", 48000, 16800},            // 0.35 s
    {Cue::kMiss, "nepozna.wav", 11025, 6174},          // 0.56 s
    {Cue::kDoubleWin, "doublewin.wav", 11025, 66040},  // 5.99 s
    {Cue::kMove, "move.wav", 11025, 1764},             // 0.16 s
    {Cue::kPick, "chasha.wav", 44100, 5733},           // 0.13 s
};

// Names the case by its file in test output instead of dumping the struct's bytes.
void PrintTo(const Expected& e, std::ostream* os) {
  *os << e.file;
}

// Each cue is rendered once and shared by the tests that only read it.
const std::vector<std::uint8_t>& FileOf(Cue cue) {
  static std::map<Cue, std::vector<std::uint8_t>> cache;
  auto it = cache.find(cue);
  if (it == cache.end()) it = cache.emplace(cue, RenderCueWav(cue)).first;
  return it->second;
}

std::vector<std::uint8_t> SamplesOf(Cue cue) {
  return wav_probe::Parse(FileOf(cue)).samples;
}

double RateOf(Cue cue) {
  return static_cast<double>(InfoOf(cue).sample_rate);
}

class CueFileTest : public ::testing::TestWithParam<Expected> {
 protected:
  const std::vector<std::uint8_t>& bytes() const { return FileOf(GetParam().cue); }
  wav_probe::Wav wav() const { return wav_probe::Parse(bytes()); }
};

TEST_P(CueFileTest, TableNamesTheFileAndFormat) {
  const CueInfo& info = InfoOf(GetParam().cue);
  EXPECT_EQ(info.file_name, GetParam().file);
  EXPECT_EQ(info.sample_rate, GetParam().rate);
  EXPECT_EQ(SampleCount(info), GetParam().samples);
}

TEST_P(CueFileTest, HeaderDescribesEightBitMonoPcm) {
  const wav_probe::Wav w = wav();
  EXPECT_EQ(w.riff_tag, "RIFF");
  EXPECT_EQ(w.wave_tag, "WAVE");
  EXPECT_EQ(w.fmt_tag, "fmt ");
  EXPECT_EQ(w.fmt_size, 16u);
  EXPECT_EQ(w.format, 1u);
  EXPECT_EQ(w.channels, 1u);
  EXPECT_EQ(w.sample_rate, GetParam().rate);
  EXPECT_EQ(w.byte_rate, GetParam().rate);
  EXPECT_EQ(w.block_align, 1u);
  EXPECT_EQ(w.bits, 8u);
  EXPECT_EQ(w.data_tag, "data");
}

TEST_P(CueFileTest, DataHoldsExactlyTheSampleCount) {
  const std::size_t n = GetParam().samples;
  const std::size_t pad = n % 2;  // RIFF chunks are word-aligned.
  const wav_probe::Wav w = wav();
  EXPECT_EQ(w.data_size, n);
  EXPECT_EQ(w.samples.size(), n);
  ASSERT_EQ(bytes().size(), 44 + n + pad);
  EXPECT_EQ(w.riff_size, bytes().size() - 8);
  if (pad != 0) {
    EXPECT_EQ(bytes().back(), 0u);
  }
}

TEST_P(CueFileTest, StartsAndEndsAtSilence) {
  const std::vector<std::uint8_t> s = wav().samples;
  ASSERT_FALSE(s.empty());
  EXPECT_NEAR(s.front(), 128, 2);
  EXPECT_NEAR(s.back(), 128, 2);
}

TEST_P(CueFileTest, NeverClips) {
  for (std::uint8_t v : wav().samples) {
    ASSERT_GT(v, 0u);
    ASSERT_LT(v, 255u);
  }
}

TEST_P(CueFileTest, PeaksNearMinusThreeDbfs) {
  const double peak = wav_probe::PeakDbfs(wav().samples);
  EXPECT_GT(peak, -4.5);
  EXPECT_LT(peak, -1.5);
}

// A DC offset would mean a sign or midpoint error and costs headroom in the mixer.
TEST_P(CueFileTest, IsCentredOnTheMidpoint) {
  const std::vector<std::uint8_t> s = wav().samples;
  double sum = 0.0;
  for (std::uint8_t v : s) sum += v;
  EXPECT_NEAR(sum / static_cast<double>(s.size()), 128.0, 2.0);
}

TEST_P(CueFileTest, IsIdenticalOnEverySynthesis) {
  EXPECT_EQ(RenderCueWav(GetParam().cue), bytes());
  EXPECT_EQ(SynthesizeCue(GetParam().cue), wav().samples);
}

INSTANTIATE_TEST_SUITE_P(AllCues, CueFileTest, ::testing::ValuesIn(kExpected),
                         [](const ::testing::TestParamInfo<Expected>& param_info) {
                           const std::string file = param_info.param.file;
                           return file.substr(0, file.find('.'));
                         });

TEST(CueCharacterTest, CuckooCallsTwoTonesFallingAboutAThird) {
  const auto s = SamplesOf(Cue::kCuckoo);
  const double rate = RateOf(Cue::kCuckoo);
  const double first = DominantHz(s, rate, 0.02, 0.22, 300.0, 1500.0);
  const double second = DominantHz(s, rate, 0.29, 0.49, 300.0, 1500.0);
  const double fall = Semitones(second, first);
  EXPECT_GT(fall, 2.0) << first << " Hz then " << second << " Hz";
  EXPECT_LT(fall, 6.0) << first << " Hz then " << second << " Hz";
}

TEST(CueCharacterTest, CuckooPausesBetweenItsTwoCalls) {
  const auto s = SamplesOf(Cue::kCuckoo);
  const double rate = RateOf(Cue::kCuckoo);
  const double gap = RmsSteps(s, rate, 0.24, 0.26);
  EXPECT_LT(gap, 0.2 * RmsSteps(s, rate, 0.05, 0.20));
  EXPECT_LT(gap, 0.2 * RmsSteps(s, rate, 0.30, 0.45));
}

TEST(CueCharacterTest, HitRises) {
  const auto s = SamplesOf(Cue::kHit);
  const double rate = RateOf(Cue::kHit);
  const double start = DominantHz(s, rate, 0.0, 0.05, 400.0, 8000.0);
  const double end = DominantHz(s, rate, 0.20, 0.35, 400.0, 8000.0);
  EXPECT_GT(Semitones(start, end), 5.0) << start << " Hz then " << end << " Hz";
}

TEST(CueCharacterTest, MissFallsInALowRegister) {
  const auto s = SamplesOf(Cue::kMiss);
  const double rate = RateOf(Cue::kMiss);
  const double start = DominantHz(s, rate, 0.02, 0.20, 80.0, 2000.0);
  const double end = DominantHz(s, rate, 0.30, 0.50, 80.0, 2000.0);
  EXPECT_GT(Semitones(end, start), 3.0) << start << " Hz then " << end << " Hz";
  EXPECT_LT(start, 500.0);  // Low, so it sounds like a gentle "no", not an alarm.
}

TEST(CueCharacterTest, DoubleWinPlaysThroughItsMiddle) {
  const auto s = SamplesOf(Cue::kDoubleWin);
  EXPECT_GT(RmsSteps(s, RateOf(Cue::kDoubleWin), 2.5, 3.5), 8.0);
}

TEST(CueCharacterTest, DoubleWinPlaysATuneOfSeveralNotes) {
  const auto s = SamplesOf(Cue::kDoubleWin);
  const double rate = RateOf(Cue::kDoubleWin);
  std::set<long> notes;
  for (double t = 0.0; t < 3.3; t += 0.2) {
    notes.insert(std::lround(Semitones(440.0, DominantHz(s, rate, t, t + 0.2, 250.0, 1200.0))));
  }
  EXPECT_GE(notes.size(), 4u);
}

TEST(CueCharacterTest, DoubleWinDiesAwayGracefully) {
  const auto s = SamplesOf(Cue::kDoubleWin);
  const double rate = RateOf(Cue::kDoubleWin);
  const double a = RmsSteps(s, rate, 4.0, 4.5);
  const double b = RmsSteps(s, rate, 4.5, 5.0);
  const double c = RmsSteps(s, rate, 5.0, 5.5);
  EXPECT_GT(a, b);
  EXPECT_GT(b, c);
  EXPECT_LT(RmsSteps(s, rate, 5.74, 5.99), 0.1 * RmsSteps(s, rate, 2.5, 3.5));
}

TEST(CueCharacterTest, PickRingsHighAndDiesFast) {
  const auto s = SamplesOf(Cue::kPick);
  const double rate = RateOf(Cue::kPick);
  EXPECT_GT(DominantHz(s, rate, 0.0, 0.05, 200.0, 19000.0), 1500.0);
  EXPECT_LT(RmsSteps(s, rate, 0.11, 0.13), 0.25 * RmsSteps(s, rate, 0.0, 0.02));
}

TEST(CueCharacterTest, ClickIsOverWithinMilliseconds) {
  const auto s = SamplesOf(Cue::kClick);
  const double rate = RateOf(Cue::kClick);
  EXPECT_GT(RmsSteps(s, rate, 0.0, 0.003), 5.0 * RmsSteps(s, rate, 0.007, 0.01));
}

TEST(CueCharacterTest, MoveIsADecayingTickLowerThanTheClick) {
  const auto move = SamplesOf(Cue::kMove);
  const auto click = SamplesOf(Cue::kClick);
  const double rate = RateOf(Cue::kMove);
  EXPECT_LT(RmsSteps(move, rate, 0.10, 0.14), 0.05 * RmsSteps(move, rate, 0.0, 0.02));
  EXPECT_LT(DominantHz(move, rate, 0.0, 0.05, 300.0, 4900.0),
            DominantHz(click, RateOf(Cue::kClick), 0.0, 0.01, 300.0, 4900.0));
}

class WriteCueFilesTest : public ::testing::Test {
 protected:
  void TearDown() override { std::filesystem::remove_all(root_); }

  const std::filesystem::path root_ =
      std::filesystem::temp_directory_path() / ("cue_synth_test_" + std::to_string(::getpid()));
};

TEST_F(WriteCueFilesTest, CreatesTheDirectoryAndWritesEveryCue) {
  const std::filesystem::path dir = root_ / "nested" / "sounds";
  WriteCueFiles(dir);
  for (const Expected& e : kExpected) {
    std::ifstream in(dir / e.file, std::ios::binary);
    ASSERT_TRUE(in) << e.file;
    const std::vector<std::uint8_t> written{std::istreambuf_iterator<char>(in), {}};
    EXPECT_EQ(written, FileOf(e.cue)) << e.file;
  }
}

TEST_F(WriteCueFilesTest, ThrowsWhenTheDirectoryCannotBeMade) {
  std::filesystem::create_directories(root_);
  std::ofstream(root_ / "plain_file") << "x";
  EXPECT_THROW(WriteCueFiles(root_ / "plain_file" / "sounds"), std::runtime_error);
}

}  // namespace
}  // namespace tarvolenka::sounds
