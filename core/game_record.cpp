#include "core/game_record.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace tarvolenka {
namespace {

// Appends without the allocations of std::to_string: a record is written on every game.
void Num(std::string& out, std::int64_t v) {
  char buf[24];
  const auto end = std::to_chars(buf, buf + sizeof buf, v).ptr;
  out.append(buf, end);
}

void Key(std::string& out, const char* key) {
  out += '"';
  out += key;
  out += "\":";
}

void Field(std::string& out, const char* key, std::int64_t v) {
  Key(out, key);
  Num(out, v);
  out += ',';
}

void Head(std::string& out, const char* kind, DateTime t) {
  out += "{\"version\":";
  Num(out, kHistoryVersion);
  out += ",\"kind\":\"";
  out += kind;
  out += "\",\"t\":";
  char buf[32];
  const auto end = std::to_chars(buf, buf + sizeof buf, t).ptr;
  out.append(buf, end);
  out += ",\"time\":\"";
  out += FormatLocal(t);
  out += "\",";
}

void Close(std::string& out) {
  if (out.back() == ',') out.pop_back();
  out += '}';
}

void Spin(std::string& out, const SpinRecord& s) {
  out += "{\"free\":";
  out += s.free ? "true" : "false";
  out += ",\"cells\":[";
  for (std::size_t i = 0; i < s.cells.size(); ++i) {
    if (i > 0) out += ',';
    Num(out, s.cells[i]);
  }
  out += "],\"wins\":[";
  for (std::size_t i = 0; i < s.wins.size(); ++i) {
    const LineWinRecord& w = s.wins[i];
    if (i > 0) out += ',';
    out += '{';
    Field(out, "line", w.line);
    Field(out, "symbol", w.symbol);
    Field(out, "length", w.length);
    Field(out, "factor", w.factor);
    Field(out, "pay", w.pay);
    Close(out);
  }
  out += "],";
  Field(out, "scatters", s.scatters);
  Field(out, "free_spins_awarded", s.freeSpinsAwarded);
  if (s.bonusPlayed) {
    out += "\"bonus\":{";
    Field(out, "bonus_kind", s.bonus.kind);
    Field(out, "bonus_symbols", s.bonus.symbols);
    Field(out, "bonus_multiplier", s.bonus.multiplier);
    out += "\"picks\":[";
    for (std::size_t i = 0; i < s.bonus.picks.size(); ++i) {
      const BonusPick& p = s.bonus.picks[i];
      if (i > 0) out += ',';
      out += "{\"stage\":\"";
      out += p.stage;
      out += "\",";
      if (p.row > 0) Field(out, "row", p.row);
      Field(out, "choice", p.choice);
      Field(out, "revealed", p.revealed);
      Close(out);
    }
    out += "],";
    Field(out, "bonus_paid", s.bonus.amount);
    Close(out);
  }
  Close(out);
}

}  // namespace

SpinRecord RecordSpin(const ReelWindow& reels, const WinningLineFlags& winning,
                      std::int64_t lineStake) {
  SpinRecord spin;
  for (int row = 1; row <= 3; ++row) {
    for (int reel = 1; reel <= kReels; ++reel) {
      spin.cells[static_cast<std::size_t>((row - 1) * kReels + reel - 1)] = reels.at(row, reel);
    }
  }
  for (int i = 0; i < kPaylines; ++i) {
    if (winning[static_cast<std::size_t>(i)] == 0) continue;
    const LineSymbols symbols = SymbolsOnLine(reels, kPaylineTable[static_cast<std::size_t>(i)]);
    const LineRun run = RunOnLine(symbols);
    spin.wins.push_back({i + 1, run.symbol, run.length, run.factor, LinePay(symbols) * lineStake});
  }
  spin.scatters = CountVisible(reels, kScatterSymbol);
  return spin;
}

std::string GameLine(const GameRecord& game, std::int64_t balanceAfter, bool unfinished) {
  std::string out;
  out.reserve(512 + game.spins.size() * 160);
  Head(out, "game", game.start);
  std::int64_t won = 0;
  int freeSpins = 0;
  for (const SpinRecord& s : game.spins) {
    for (const LineWinRecord& w : s.wins) won += w.pay;
    if (s.bonusPlayed) won += s.bonus.amount;
    freeSpins += s.freeSpinsAwarded;
  }
  // The summary comes first and under names used nowhere inside, so that the statistics read
  // it without parsing the spins.
  Field(out, "stake", game.stake);
  Field(out, "won", won);
  Field(out, "free_spins_won", freeSpins);
  Field(out, "level", game.level);
  Field(out, "line_count", game.lineCount);
  Field(out, "line_stake", game.lineStake);
  Field(out, "balance_before", game.balanceBefore);
  Field(out, "balance_after", balanceAfter);
  if (game.interrupted) out += "\"interrupted\":true,";
  if (unfinished) out += "\"unfinished\":true,";
  out += "\"spins\":[";
  for (std::size_t i = 0; i < game.spins.size(); ++i) {
    if (i > 0) out += ',';
    Spin(out, game.spins[i]);
  }
  out += ']';
  Close(out);
  return out;
}

std::string DoubleUpLine(DateTime time, std::int64_t staked, std::int64_t collected,
                         const std::vector<DoubleStepRecord>& steps, std::int64_t balanceAfter,
                         bool interrupted) {
  std::string out;
  Head(out, "double_up", time);
  Field(out, "double_staked", staked);
  Field(out, "double_collected", collected);
  Field(out, "balance_after", balanceAfter);
  if (interrupted) out += "\"interrupted\":true,";
  out += "\"steps\":[";
  for (std::size_t i = 0; i < steps.size(); ++i) {
    if (i > 0) out += ',';
    out += '{';
    Field(out, "guess", steps[i].guess);
    Field(out, "drawn", steps[i].drawn);
    out += "\"joker\":";
    out += steps[i].joker ? "true" : "false";
    out += '}';
  }
  out += ']';
  Close(out);
  return out;
}

std::string AwardLine(const char* kind, DateTime time, std::int64_t amount, int level,
                      std::int64_t balanceAfter) {
  std::string out;
  Head(out, kind, time);
  Field(out, "award", amount);
  Field(out, "level", level);
  Field(out, "balance_after", balanceAfter);
  Close(out);
  return out;
}

std::string FormatLocal(DateTime t) {
  if (!std::isfinite(t) || t < -657434 || t > 2958465) t = 0;  // years 100..9999
  const auto totalSeconds = static_cast<std::int64_t>(std::floor(t * 86400.0 + 0.5));
  const std::int64_t days =
      totalSeconds >= 0 ? totalSeconds / 86400 : (totalSeconds - 86399) / 86400;
  const std::int64_t secs = totalSeconds - days * 86400;
  // The civil date of a day number counted from 30 December 1899.
  const std::int64_t z = days + 693899;  // days from 1 March of year 0
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const std::int64_t doe = z - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  const std::int64_t d = doy - (153 * mp + 2) / 5 + 1;
  const std::int64_t m = mp < 10 ? mp + 3 : mp - 9;
  const std::int64_t y = yoe + era * 400 + (m <= 2 ? 1 : 0);
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", static_cast<int>(y),
                static_cast<int>(m), static_cast<int>(d), static_cast<int>(secs / 3600),
                static_cast<int>(secs / 60 % 60), static_cast<int>(secs % 60));
  return text;
}

}  // namespace tarvolenka
