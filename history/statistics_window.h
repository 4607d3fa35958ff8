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

// The window's texts: one line per figure, the names apart from the two columns of values, and
// a notice under them when there is something to say.
struct StatisticsText {
  std::string names;
  std::string lifetime;
  std::string session;
  std::string notice;
};
StatisticsText DescribeStats(const StatsPair& stats);
// As far as the figures are known: the lifetime column waits for a count under way, or gives
// way to the reason the history cannot be read; damaged lines skipped are counted.
StatisticsText DescribeFigures(const HistoryFigures& figures);

// "96,53 %": two decimals and a decimal comma.
std::string PercentText(double percent);
// "3 ч 05 мин"
std::string DurationText(std::int64_t seconds);

// Shows the history's running totals; `played` holds the lines and stake being played. While a
// large history is still being counted, it shows how far the count has come, and the figures
// once they are known.
class StatisticsWindow : public WindowLogic {
 public:
  StatisticsWindow(Desktop& desktop, HistoryFile& history, const GameState& played,
                   ExactReturn exact)
      : d_(desktop), history_(history), played_(played), exact_(std::move(exact)) {}

  void OnShow() override;
  void OnClose() override;
  void Click(std::uint16_t handler, int) override {
    if (static_cast<StatisticsClick>(handler) == StatisticsClick::Close)
      d_.Close(WindowId::Statistics);
  }
  void TimerTick(std::uint8_t timer) override;

 private:
  void ShowFigures();

  Desktop& d_;
  HistoryFile& history_;
  const GameState& played_;
  ExactReturn exact_;
};

}  // namespace tarvolenka
