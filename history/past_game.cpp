#include "history/past_game.h"

#include <algorithm>
#include <limits>

#include "history/history_stats.h"
#include "history/json_reader.h"

namespace tarvolenka {
namespace {

// The pick stages by their written names; a record's stage points at one of these.
constexpr const char* kStages[] = {"bottle", "cup", "meze", "cover", "cell"};

int Small(const JsonValue& v, std::string_view key) {
  return static_cast<int>(std::clamp<std::int64_t>(v.Int(key), -1'000'000, 1'000'000));
}

bool ReadSpin(const JsonValue& v, SpinRecord& spin) {
  if (v.type != JsonValue::Type::Object) return false;
  spin.free = v.Bool("free");
  const auto& cells = v.Items("cells");
  if (cells.size() != spin.cells.size()) return false;
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const std::int64_t s = cells[i].integer;
    if (cells[i].type != JsonValue::Type::Integer || s < 1 || s > 15) return false;
    spin.cells[i] = static_cast<SymbolId>(s);
  }
  for (const JsonValue& w : v.Items("wins")) {
    LineWinRecord win{Small(w, "line"),
                      static_cast<SymbolId>(std::clamp(Small(w, "symbol"), 0, 15)),
                      Small(w, "length"), w.Int("factor", 1), w.Int("pay")};
    if (win.line < 1 || win.line > kPaylines || win.length < 0 || win.length > kReels) return false;
    spin.wins.push_back(win);
  }
  spin.scatters = Small(v, "scatters");
  spin.freeSpinsAwarded = Small(v, "free_spins_awarded");
  if (const JsonValue* b = v.Find("bonus"); b != nullptr && b->type == JsonValue::Type::Object) {
    spin.bonusPlayed = true;
    spin.bonus.kind = Small(*b, "bonus_kind");
    spin.bonus.symbols = Small(*b, "bonus_symbols");
    spin.bonus.multiplier = Small(*b, "bonus_multiplier");
    spin.bonus.amount = b->Int("bonus_paid");
    for (const JsonValue& p : b->Items("picks")) {
      BonusPick pick;
      for (const char* stage : kStages)
        if (p.Text("stage") == stage) pick.stage = stage;
      pick.row = Small(p, "row");
      pick.choice = Small(p, "choice");
      pick.revealed = p.Int("revealed");
      spin.bonus.picks.push_back(pick);
    }
  }
  return true;
}

}  // namespace

std::optional<PastGame> ParseGame(std::string_view line) {
  const std::optional<JsonValue> v = ParseJson(line);
  if (!v || v->Text("kind") != "game" || v->Int("version") < 1) return std::nullopt;
  PastGame g;
  const JsonValue* t = v->Find("t");
  g.time = t != nullptr ? t->real : 0;
  g.timeText = std::string(v->Text("time"));
  g.lineCount = Small(*v, "line_count");
  g.lineStake = Small(*v, "line_stake");
  g.level = Small(*v, "level");
  g.stake = v->Int("stake");
  g.won = v->Int("won");
  g.freeSpinsWon = Small(*v, "free_spins_won");
  g.balanceBefore = v->Int("balance_before");
  g.balanceAfter = v->Int("balance_after");
  g.interrupted = v->Bool("interrupted") || v->Bool("unfinished");
  for (const JsonValue& s : v->Items("spins")) {
    SpinRecord spin;
    if (!ReadSpin(s, spin)) return std::nullopt;
    g.spins.push_back(std::move(spin));
  }
  if (g.spins.empty()) return std::nullopt;
  return g;
}

std::optional<GameRecord> ParseOpenGame(std::string_view line) {
  std::optional<PastGame> past = ParseGame(line);
  if (!past) return std::nullopt;
  GameRecord r;
  r.start = past->time;
  r.lineCount = past->lineCount;
  r.lineStake = past->lineStake;
  r.level = past->level;
  r.stake = past->stake;
  r.balanceBefore = past->balanceBefore;
  r.spins = std::move(past->spins);
  return r;
}

std::optional<PastDoubleUp> ParseDoubleUp(std::string_view line) {
  const std::optional<JsonValue> v = ParseJson(line);
  if (!v || v->Text("kind") != "double_up") return std::nullopt;
  PastDoubleUp d;
  d.staked = v->Int("double_staked");
  d.collected = v->Int("double_collected");
  d.interrupted = v->Bool("interrupted");
  constexpr std::int64_t kMissing = std::numeric_limits<std::int64_t>::min();
  if (const std::int64_t after = v->Int("balance_after", kMissing); after != kMissing)
    d.balanceAfter = after;
  for (const JsonValue& s : v->Items("steps"))
    d.steps.push_back({Small(s, "guess"), Small(s, "drawn"), s.Bool("joker")});
  return d;
}

bool RecentGamesGatherer::TakeEarlier(std::string_view line) {
  if (static_cast<int>(games_.size()) >= count_) return false;
  const std::string_view kind = RecordKind(line);
  if (kind == "double_up") {
    after_ = ParseDoubleUp(line);
  } else if (kind == "game") {
    if (std::optional<PastGame> g = ParseGame(line)) {
      g->doubleUp = std::move(after_);
      games_.push_back(std::move(*g));
    } else {
      ++unlisted_;
    }
    after_.reset();
  }
  return static_cast<int>(games_.size()) < count_;
}

std::vector<PastGame> RecentGames(const std::vector<std::string>& lines, int count) {
  RecentGamesGatherer gatherer(count);
  for (std::size_t i = lines.size(); i-- > 0 && gatherer.TakeEarlier(lines[i]);) {
  }
  return gatherer.Take();
}

}  // namespace tarvolenka
