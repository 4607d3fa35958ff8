#include "tools/sim/double_strategy.h"

#include <charconv>

#include "catalogue/double_up_elements.h"

namespace tarvolenka::sim {

int DoubleStrategy::stopRung() const {
  return kind == Kind::CollectAt ? rung : static_cast<int>(kDoubleLadder.size());
}

std::string DoubleStrategy::name() const {
  switch (kind) {
    case Kind::Never:
      return "never";
    case Kind::CollectAt:
      return "collect-at:" + std::to_string(rung);
    case Kind::AlwaysVodka:
      return "always-vodka";
    case Kind::AlwaysBeer:
      return "always-beer";
  }
  return "?";
}

std::optional<DoubleStrategy> ParseDoubleStrategy(std::string_view text) {
  using Kind = DoubleStrategy::Kind;
  if (text == "never") return DoubleStrategy{Kind::Never, 0};
  if (text == "always-vodka") return DoubleStrategy{Kind::AlwaysVodka, 0};
  if (text == "always-beer") return DoubleStrategy{Kind::AlwaysBeer, 0};
  constexpr std::string_view kCollect = "collect-at:";
  if (!text.starts_with(kCollect)) return std::nullopt;
  const std::string_view number = text.substr(kCollect.size());
  int rung = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), rung);
  if (error != std::errc() || end != number.data() + number.size()) return std::nullopt;
  if (rung < 1 || rung > static_cast<int>(kDoubleLadder.size())) return std::nullopt;
  return DoubleStrategy{Kind::CollectAt, rung};
}

}  // namespace tarvolenka::sim
