#include "history/statistics_window.h"

#include <array>
#include <cmath>
#include <cstdio>

#include "core/save_messages.h"
#include "history/history_words.h"

namespace tarvolenka {
namespace {

std::string Num(std::int64_t v) {
  return std::to_string(v);
}

constexpr std::size_t kBonusKinds = 3;  // drinks, meze and golden; 0 (none picked) pays nothing

std::string Column(const HistoryStats& s) {
  std::string out;
  auto line = [&out](const std::string& text) { out += text + "\n"; };
  line(Num(s.games));
  line(Num(s.staked));
  line(Num(s.won));
  line(s.staked > 0 ? PercentText(s.returnPercent()) : "—");
  line(s.games > 0 ? PercentText(s.hitRatePercent()) : "—");
  line(Num(s.biggestWin));
  line(s.biggestWin > 0 ? LocalDateText(FormatLocal(s.biggestWinTime)).substr(0, 10) : "—");
  for (std::size_t k = 1; k <= kBonusKinds; ++k) {
    const std::int64_t games = s.bonusGames[k];
    line(Num(games) + (games > 0 ? " · ср. " + Num(s.bonusPaid[k] / games) : ""));
  }
  line(Num(s.freeSpinsWon));
  // Won and lost need not add up to the total: a double-up may end where it began.
  line(Num(s.doubleUps) + " (" + Num(s.doublesWon) + " / " + Num(s.doublesLost) + ")");
  line(DurationText(s.secondsPlayed));
  line(s.highestLevel > 0 ? Num(s.highestLevel) : "—");
  return out;
}

}  // namespace

std::string PercentText(double percent) {
  char text[48];
  std::snprintf(text, sizeof text, "%.2f %%", percent);
  std::string out = text;
  for (char& c : out)
    if (c == '.') c = ',';
  return out;
}

std::string DurationText(std::int64_t seconds) {
  const std::int64_t minutes = std::max<std::int64_t>(seconds, 0) / 60;
  char text[48];
  std::snprintf(text, sizeof text, "%lld ч %02lld мин", static_cast<long long>(minutes / 60),
                static_cast<long long>(minutes % 60));
  return text;
}

StatisticsText DescribeStats(const StatsPair& stats) {
  StatisticsText t;
  t.names =
      "Игри\nЗаложено\nСпечелено\nВъзвръщаемост\nИгри с печалба\nНай-голяма печалба\n"
      "    на дата\n";
  for (std::size_t k = 1; k <= kBonusKinds; ++k)
    t.names += std::string(BonusName(static_cast<int>(k))) + ": игри · средно\n";
  t.names +=
      "Спечелени безплатни завъртания\nДубъли (спечелени / загубени)\nВреме в игра\n"
      "Най-високо ниво\n";
  t.lifetime = Column(stats.lifetime);
  t.session = Column(stats.session);
  return t;
}

StatisticsText DescribeFigures(const HistoryFigures& figures) {
  StatisticsText t = DescribeStats(figures.stats);
  using State = HistoryFigures::State;
  if (figures.state != State::Ready) {
    // One mark per figure: an ellipsis while counting, a dash when it cannot be known.
    const std::string mark = figures.state == State::Counting ? "…\n" : "—\n";
    t.lifetime.clear();
    for (char c : t.names)
      if (c == '\n') t.lifetime += mark;
  }
  if (figures.state == State::Counting) {
    t.notice = "Историята се преброява: " + Num(figures.percentCounted) + " %";
  } else if (figures.state == State::Unreadable) {
    t.notice = "Историята не може да бъде прочетена: " +
               ReasonForPlayer(figures.failure.errorCode, figures.failure.error);
  } else if (figures.damaged > 0) {
    t.notice = "Пропуснати повредени редове в историята: " + Num(figures.damaged);
  }
  return t;
}

void StatisticsWindow::OnShow() {
  ShowFigures();
  const GameState& s = played_;
  // Said as the machine's long-run figure, worked out from the rules, so that no one takes it
  // for a promise about the player's own games above it.
  const std::string played = Num(s.LineCount) + " линии по " + Num(s.LineStake) + " (общ залог " +
                             Num(static_cast<std::int64_t>(s.LineCount) * s.LineStake) + ")";
  const std::optional<double> exact = exact_ ? exact_(s.LineCount, s.LineStake) : std::nullopt;
  d_.SetText(Ref(StatisticsEl::MachineReturn),
             exact ? "При " + played + " машината връща в дългосрочен план " + PercentText(*exact) +
                         " от заложеното, без дубъла. Изчислено е от правилата на играта, "
                         "не от вашите игри."
                   : "Точната възвръщаемост на машината не е изчислена.");
}

void StatisticsWindow::ShowFigures() {
  const HistoryFigures figures = history_.Figures();
  const StatisticsText text = DescribeFigures(figures);
  d_.SetText(Ref(StatisticsEl::Names), text.names);
  d_.SetText(Ref(StatisticsEl::Lifetime), text.lifetime);
  d_.SetText(Ref(StatisticsEl::Session), text.session);
  d_.SetVisible(Ref(StatisticsEl::Notice), !text.notice.empty());
  d_.SetText(Ref(StatisticsEl::Notice), text.notice);
  const TimerRef counting = TimerOf(StatisticsTimer::Counting);
  if (figures.state == HistoryFigures::State::Counting) {
    if (!d_.IsTimerRunning(counting)) d_.StartTimer(counting);
  } else {
    d_.StopTimer(counting);
  }
}

void StatisticsWindow::TimerTick(std::uint8_t) {
  ShowFigures();
}

void StatisticsWindow::OnClose() {
  d_.StopTimer(TimerOf(StatisticsTimer::Counting));
}

}  // namespace tarvolenka
