#pragma once

// The statistics window: the player's figures from the history, for the whole record and for
// this session, beside what the machine returns for the lines and stake being played.

#include <functional>
#include <optional>
#include <string>

#include "catalogue/statistics_elements.h"
#include "core/date_time.h"
#include "core/desktop.h"
#include "core/game_state.h"
#include "history/history_file.h"
#include "history/history_stats.h"

namespace tarvolenka {

// The machine's exact return for a number of lines and a stake per line, as a percentage of
// the stake; nothing when it cannot be worked out. The program plugs in the exact calculator.
using ExactReturn = std::function<std::optional<double>(int lineCount, int lineStake)>;

// When this run's session began: its first record's time, or later than any record before one
// is written.
using SessionStart = std::function<DateTime()>;

// The window's texts: one line per figure, the names apart from the two columns of values.
struct StatisticsText {
  std::string names;
  std::string lifetime;
  std::string session;
};
StatisticsText DescribeStats(const StatsPair& stats);

// "96,53 %": two decimals and a decimal comma.
std::string PercentText(double percent);
// "3 ч 05 мин"
std::string DurationText(std::int64_t seconds);

// Reads the history afresh at each showing; `played` holds the lines and stake being played.
class StatisticsWindow : public WindowLogic {
 public:
  StatisticsWindow(Desktop& desktop, const HistoryFile& history, const GameState& played,
                   SessionStart sessionStart, ExactReturn exact)
      : d_(desktop),
        history_(history),
        played_(played),
        sessionStart_(std::move(sessionStart)),
        exact_(std::move(exact)) {}

  void OnShow() override;
  void Click(std::uint16_t, int) override {}

 private:
  Desktop& d_;
  const HistoryFile& history_;
  const GameState& played_;
  SessionStart sessionStart_;
  ExactReturn exact_;
};

}  // namespace tarvolenka
