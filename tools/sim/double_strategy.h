#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarvolenka::sim {

// How the player gambles a win in the double-up: not at all, up to a rung and then collect, or
// always the same guess until the win is lost or the top rung pays by itself.
struct DoubleStrategy {
  enum class Kind { Never, CollectAt, AlwaysVodka, AlwaysBeer };
  Kind kind = Kind::Never;
  int rung = 0;  // CollectAt: collect once this rung (1..7) is reached; guesses are random

  bool plays() const { return kind != Kind::Never; }
  // The rung at which the player stops: the top one unless collecting earlier.
  int stopRung() const;
  // As given on the command line: never, collect-at:K, always-vodka, always-beer.
  std::string name() const;
};

std::optional<DoubleStrategy> ParseDoubleStrategy(std::string_view text);

}  // namespace tarvolenka::sim
