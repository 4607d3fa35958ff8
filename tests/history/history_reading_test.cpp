// Reading the history back a chunk at a time: the same lines forwards and backwards wherever the
// chunks fall, damage of any length skipped, and the history window's games found from the end
// of the file alone, looking back no further than its bounds.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "history/line_reader.h"
#include "history/past_game.h"
#include "history/record_reader.h"
#include "tests/history/sample_history.h"
#include "tests/support/temp_dir.h"

namespace tarvolenka {
namespace {

using testing::Game;
using testing::TempDir;
using testing::Write;

constexpr const char* kOverlong = "<overlong>";

// The lines as a reader sees them, each checked against the bytes at its offset.
std::vector<std::string> LinesOf(const std::string& content, bool backward) {
  TempDir dir;
  Write(dir / "lines", content);
  const OpenedFile file = OpenForReading(dir / "lines", LinkRule::Refuse);
  std::vector<std::string> lines;
  const LineVisitor visit = [&](const HistoryLine& line) {
    EXPECT_EQ(content.substr(static_cast<std::size_t>(line.start), line.text.size()), line.text);
    lines.emplace_back(line.overlong ? kOverlong : line.text);
    return true;
  };
  if (backward) {
    EXPECT_TRUE(ForEachLineBackward(file.fd.get(), file.size, file.size, visit).result);
    std::reverse(lines.begin(), lines.end());
  } else {
    EXPECT_TRUE(ForEachLine(file.fd.get(), 0, file.size, visit));
  }
  return lines;
}

struct LinesRow {
  const char* name;
  std::string content;
  std::vector<std::string> lines;
};

const std::string kLong(300'000, 'a');          // runs across several backward chunks
const std::string kToEdge((1 << 20) - 1, 'b');  // its end is the first forward chunk's last byte
const std::string kTooLong(kHistoryLineMaxBytes + 1, 'c');

const LinesRow kLinesRows[] = {
    {"BlankLineAndNoEndToTheLast", "one\n\ntwo", {"one", "", "two"}},
    {"LinesAcrossChunks", "x\n" + kLong + "\ny\n" + kLong, {"x", kLong, "y", kLong}},
    {"LineEndAtAChunkEdge", kToEdge + "\nnext\n", {kToEdge, "next"}},
    {"OverlongLinesWithoutTheirText",
     "1\n" + kTooLong + "\n2\n" + kTooLong,
     {"1", kOverlong, "2", kOverlong}},
};

class LineReading : public ::testing::TestWithParam<LinesRow> {};

TEST_P(LineReading, GivesEachLineOnceForwardsAndBackwards) {
  EXPECT_EQ(LinesOf(GetParam().content, false), GetParam().lines);
  EXPECT_EQ(LinesOf(GetParam().content, true), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Contents, LineReading, ::testing::ValuesIn(kLinesRows),
                         [](const ::testing::TestParamInfo<LinesRow>& row) {
                           return std::string(row.param.name);
                         });

// The stakes of the games listed, a double-up marked by a million.
std::vector<std::int64_t> Listed(const std::vector<PastGame>& games) {
  std::vector<std::int64_t> stakes;
  for (const PastGame& g : games) stakes.push_back(g.stake + (g.doubleUp ? 1'000'000 : 0));
  return stakes;
}

TEST(RecentGames, AreTheLastHundredListableOnesWithTheirDoubleUps) {
  TempDir dir;
  std::string content;
  for (int n = 1; n <= 250; ++n) {
    content += Game(n) + '\n';
    if (n % 7 == 0) content += DoubleUpLine(46001, 10, 20, {{1, 1, false}}, n) + '\n';
    if (n % 9 == 0) content += Game(n, false) + "\n{\"version\":1,\"kind\":\"game\"\n";
  }
  Write(dir / "history", content);
  const std::vector<PastGame> recent = ReadRecentGames(dir / "history", 100);
  EXPECT_EQ(Listed(recent), Listed(RecentGames(ReadAllRecords(dir / "history").lines, 100)));
  ASSERT_EQ(recent.size(), 100u);
  EXPECT_EQ(recent.back().stake, 151);
}

// What stops the look back short of the hundredth game, and what does not.
struct LookBackRow {
  const char* name;
  std::string between;  // written between the first game and the second
  std::size_t listed;
};

std::string Unlistable(int games) {
  std::string text;
  while (games-- > 0) text += Game(3, false) + '\n';
  return text;
}

const LookBackRow kLookBackRows[] = {
    {"DamagePastTheBound", std::string(kRecentRecordsMaxBytes, 'x') + "\n", 1},
    {"UnlistableGamesBelowTheLimit", Unlistable(kRecentUnlistedMax - 1), 2},
    {"UnlistableGamesUpToTheLimit", Unlistable(kRecentUnlistedMax), 1},
};

class RecentGamesLookBack : public ::testing::TestWithParam<LookBackRow> {};

TEST_P(RecentGamesLookBack, StopsOnlyAtItsBounds) {
  TempDir dir;
  Write(dir / "history", Game(1) + '\n' + GetParam().between + Game(2));
  const std::vector<PastGame> games = ReadRecentGames(dir / "history", 100);
  ASSERT_EQ(games.size(), GetParam().listed);
  EXPECT_EQ(games[0].stake, 2);
}

INSTANTIATE_TEST_SUITE_P(Histories, RecentGamesLookBack, ::testing::ValuesIn(kLookBackRows),
                         [](const ::testing::TestParamInfo<LookBackRow>& row) {
                           return std::string(row.param.name);
                         });

}  // namespace
}  // namespace tarvolenka
