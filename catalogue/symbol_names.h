#pragma once

// The symbols' names as the player reads them, by symbol 1..15.

#include <array>
#include <cstdint>
#include <string_view>

namespace tarvolenka {

inline constexpr std::array<std::string_view, 16> kSymbolNames{"?",        "пържени картофки",
                                                               "наденица", "салата",
                                                               "кебапче",  "салам",
                                                               "бира",     "вино",
                                                               "коняк",    "ракия",
                                                               "водка",    "бонус",
                                                               "скатер",   "×2",
                                                               "×5",       "×10"};

constexpr std::string_view SymbolNameOf(std::uint8_t symbol) {
  return symbol < kSymbolNames.size() ? kSymbolNames[symbol] : kSymbolNames[0];
}

}  // namespace tarvolenka
