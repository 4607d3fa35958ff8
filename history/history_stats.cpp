#include "history/history_stats.h"

#include <algorithm>
#include <charconv>
#include <string>

#include "core/arith.h"
#include "core/game_record.h"

namespace tarvolenka {
namespace {

constexpr double kLongestPauseDays = 10.0 / (24 * 60);  // a longer gap is not time played

std::size_t ValueAt(std::string_view line, std::string_view key, std::size_t from = 0) {
  std::string pattern = "\"";
  pattern += key;
  pattern += "\":";
  const std::size_t at = line.find(pattern, from);
  return at == std::string_view::npos ? at : at + pattern.size();
}

std::optional<std::int64_t> NumberAt(std::string_view line, std::size_t at) {
  if (at == std::string_view::npos) return std::nullopt;
  std::int64_t v = 0;
  const auto [end, ec] = std::from_chars(line.data() + at, line.data() + line.size(), v);
  if (ec != std::errc{}) return std::nullopt;
  return v;
}

std::int64_t Or0(std::string_view line, std::string_view key) {
  return RecordNumber(line, key).value_or(0);
}

}  // namespace

std::optional<std::int64_t> RecordNumber(std::string_view line, std::string_view key) {
  return NumberAt(line, ValueAt(line, key));
}

std::optional<double> RecordReal(std::string_view line, std::string_view key) {
  const std::size_t at = ValueAt(line, key);
  if (at == std::string_view::npos) return std::nullopt;
  double v = 0;
  const auto [end, ec] = std::from_chars(line.data() + at, line.data() + line.size(), v);
  if (ec != std::errc{}) return std::nullopt;
  return v;
}

std::string_view RecordKind(std::string_view line) {
  const std::size_t at = ValueAt(line, "kind");
  if (at == std::string_view::npos || at >= line.size() || line[at] != '"') return {};
  const std::size_t end = line.find('"', at + 1);
  if (end == std::string_view::npos) return {};
  return line.substr(at + 1, end - at - 1);
}

bool HistoryStats::Add(std::string_view line) {
  if (line.size() < 2 || line.front() != '{' || line.back() != '}') return false;
  const auto version = RecordNumber(line, "version");
  if (!version || *version < 1) return false;
  const std::string_view kind = RecordKind(line);
  if (kind == "totals") {
    HistoryStats t;
    t.games = Or0(line, "games");
    t.staked = Or0(line, "staked");
    t.won = Or0(line, "won");
    t.winningGames = Or0(line, "winning_games");
    t.biggestWin = Or0(line, "biggest_win");
    t.biggestWinTime = RecordReal(line, "biggest_win_t").value_or(0);
    for (std::size_t k = 0; k < 4; ++k) {
      const std::string n = std::to_string(k);
      t.bonusGames[k] = Or0(line, "bonus_games_" + n);
      t.bonusPaid[k] = Or0(line, "bonus_paid_" + n);
    }
    t.freeSpinsWon = Or0(line, "free_spins_won");
    t.doubleUps = Or0(line, "double_ups");
    t.doublesWon = Or0(line, "doubles_won");
    t.doublesLost = Or0(line, "doubles_lost");
    t.doubleStaked = Or0(line, "double_staked");
    t.doubleCollected = Or0(line, "double_collected");
    t.levelUps = Or0(line, "level_ups");
    t.levelAwards = Or0(line, "level_awards");
    t.timedBonuses = Or0(line, "timed_bonuses");
    t.timedAwards = Or0(line, "timed_awards");
    t.secondsPlayed = Or0(line, "seconds_played");
    t.highestLevel = Or0(line, "highest_level");
    t.lastTime = RecordReal(line, "last_t").value_or(0);
    Merge(t);
    return true;
  }
  const auto t = RecordReal(line, "t");
  if (!t) return false;
  if (kind == "game") {
    const auto stake = RecordNumber(line, "stake");
    const auto win = RecordNumber(line, "won");
    if (!stake || !win) return false;
    ++games;
    staked = SatAdd(staked, *stake);
    won = SatAdd(won, *win);
    if (*win > 0) ++winningGames;
    if (*win > biggestWin) {
      biggestWin = *win;
      biggestWinTime = *t;
    }
    for (std::size_t at = ValueAt(line, "bonus_kind"); at != std::string_view::npos;
         at = ValueAt(line, "bonus_kind", at)) {
      const std::int64_t k = std::clamp<std::int64_t>(NumberAt(line, at).value_or(0), 0, 3);
      const std::size_t paid = ValueAt(line, "bonus_paid", at);
      const auto bonus = static_cast<std::size_t>(k);
      bonusGames[bonus] = SatAdd(bonusGames[bonus], 1);
      bonusPaid[bonus] = SatAdd(bonusPaid[bonus], NumberAt(line, paid).value_or(0));
    }
    freeSpinsWon = SatAdd(freeSpinsWon, Or0(line, "free_spins_won"));
    highestLevel = std::max(highestLevel, Or0(line, "level"));
  } else if (kind == "double_up") {
    const std::int64_t in = Or0(line, "double_staked");
    const std::int64_t out = Or0(line, "double_collected");
    ++doubleUps;
    doubleStaked = SatAdd(doubleStaked, in);
    doubleCollected = SatAdd(doubleCollected, out);
    if (out > in) ++doublesWon;
    if (out < in) ++doublesLost;
  } else if (kind == "level_up") {
    ++levelUps;
    levelAwards = SatAdd(levelAwards, Or0(line, "award"));
    highestLevel = std::max(highestLevel, Or0(line, "level"));
  } else if (kind == "timed_bonus" || kind == "mega_bonus") {
    ++timedBonuses;
    timedAwards = SatAdd(timedAwards, Or0(line, "award"));
  } else {
    return false;
  }
  if (lastTime > 0 && *t > lastTime && *t - lastTime < kLongestPauseDays) {
    secondsPlayed =
        SatAdd(secondsPlayed, static_cast<std::int64_t>((*t - lastTime) * 86400.0 + 0.5));
  }
  lastTime = std::max(lastTime, *t);
  return true;
}

void HistoryStats::Merge(const HistoryStats& o) {
  games = SatAdd(games, o.games);
  staked = SatAdd(staked, o.staked);
  won = SatAdd(won, o.won);
  winningGames = SatAdd(winningGames, o.winningGames);
  if (o.biggestWin > biggestWin) {
    biggestWin = o.biggestWin;
    biggestWinTime = o.biggestWinTime;
  }
  for (std::size_t k = 0; k < 4; ++k) {
    bonusGames[k] = SatAdd(bonusGames[k], o.bonusGames[k]);
    bonusPaid[k] = SatAdd(bonusPaid[k], o.bonusPaid[k]);
  }
  freeSpinsWon = SatAdd(freeSpinsWon, o.freeSpinsWon);
  doubleUps = SatAdd(doubleUps, o.doubleUps);
  doublesWon = SatAdd(doublesWon, o.doublesWon);
  doublesLost = SatAdd(doublesLost, o.doublesLost);
  doubleStaked = SatAdd(doubleStaked, o.doubleStaked);
  doubleCollected = SatAdd(doubleCollected, o.doubleCollected);
  levelUps = SatAdd(levelUps, o.levelUps);
  levelAwards = SatAdd(levelAwards, o.levelAwards);
  timedBonuses = SatAdd(timedBonuses, o.timedBonuses);
  timedAwards = SatAdd(timedAwards, o.timedAwards);
  secondsPlayed = SatAdd(secondsPlayed, o.secondsPlayed);
  highestLevel = std::max(highestLevel, o.highestLevel);
  lastTime = std::max(lastTime, o.lastTime);
}

std::string HistoryStats::TotalsLine() const {
  std::string out = "{\"version\":" + std::to_string(kHistoryVersion) + ",\"kind\":\"totals\"";
  const auto field = [&out](const std::string& key, std::int64_t v) {
    out += ",\"" + key + "\":" + std::to_string(v);
  };
  const auto real = [&out](const char* key, double v) {
    char buf[32];
    const auto end = std::to_chars(buf, buf + sizeof buf, v).ptr;
    out += ",\"";
    out += key;
    out += "\":";
    out.append(buf, end);
  };
  field("games", games);
  field("staked", staked);
  field("won", won);
  field("winning_games", winningGames);
  field("biggest_win", biggestWin);
  real("biggest_win_t", biggestWinTime);
  for (std::size_t k = 0; k < 4; ++k) {
    field("bonus_games_" + std::to_string(k), bonusGames[k]);
    field("bonus_paid_" + std::to_string(k), bonusPaid[k]);
  }
  field("free_spins_won", freeSpinsWon);
  field("double_ups", doubleUps);
  field("doubles_won", doublesWon);
  field("doubles_lost", doublesLost);
  field("double_staked", doubleStaked);
  field("double_collected", doubleCollected);
  field("level_ups", levelUps);
  field("level_awards", levelAwards);
  field("timed_bonuses", timedBonuses);
  field("timed_awards", timedAwards);
  field("seconds_played", secondsPlayed);
  field("highest_level", highestLevel);
  real("last_t", lastTime);
  out += '}';
  return out;
}

StatsPair ComputeStats(const std::vector<std::string>& lines, DateTime sessionStart) {
  StatsPair stats;
  for (const std::string& line : lines) {
    stats.lifetime.Add(line);
    if (RecordKind(line) != "totals" && RecordReal(line, "t").value_or(0) >= sessionStart) {
      stats.session.Add(line);
    }
  }
  return stats;
}

}  // namespace tarvolenka
