#pragma once

// Integer helpers that never overflow into undefined behaviour. A damaged save file can hold
// any value in any field; play must go on without a crash, so 32-bit products wrap as the
// machine's registers would, and money saturates at the ends of its range.

#include <cstdint>
#include <limits>

namespace tarvolenka {

// 32-bit product, wrapping modulo 2^32.
constexpr std::int32_t WrapMul32(std::int32_t a, std::int32_t b) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) * static_cast<std::uint32_t>(b));
}

// A 32-bit stake widened without sign, as it is when combined with 64-bit money.
constexpr std::int64_t Widen(std::int32_t v) {
  return static_cast<std::int64_t>(static_cast<std::uint32_t>(v));
}

constexpr std::int64_t SatAdd(std::int64_t a, std::int64_t b) {
  std::int64_t r = 0;
  if (__builtin_add_overflow(a, b, &r))
    return b > 0 ? std::numeric_limits<std::int64_t>::max()
                 : std::numeric_limits<std::int64_t>::min();
  return r;
}

constexpr std::int64_t SatSub(std::int64_t a, std::int64_t b) {
  std::int64_t r = 0;
  if (__builtin_sub_overflow(a, b, &r))
    return b < 0 ? std::numeric_limits<std::int64_t>::max()
                 : std::numeric_limits<std::int64_t>::min();
  return r;
}

constexpr std::int64_t SatMul(std::int64_t a, std::int64_t b) {
  std::int64_t r = 0;
  if (__builtin_mul_overflow(a, b, &r))
    return (a < 0) != (b < 0) ? std::numeric_limits<std::int64_t>::min()
                              : std::numeric_limits<std::int64_t>::max();
  return r;
}

}  // namespace tarvolenka
