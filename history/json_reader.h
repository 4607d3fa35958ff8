#pragma once

// A small reader for the history's JSON lines: objects, arrays, strings, numbers, true, false
// and null. Whole numbers are read exactly as signed 64-bit values, since they carry money.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvolenka {

struct JsonMember;

struct JsonValue {
  enum class Type : std::uint8_t { Null, Bool, Integer, Real, String, Array, Object };
  Type type = Type::Null;
  bool boolean = false;
  std::int64_t integer = 0;
  double real = 0;
  std::string text;
  std::vector<JsonValue> items;
  std::vector<JsonMember> members;

  const JsonValue* Find(std::string_view key) const;
  // A member's whole number; `fallback` when it is missing or not a whole number.
  std::int64_t Int(std::string_view key, std::int64_t fallback = 0) const;
  bool Bool(std::string_view key) const;
  std::string_view Text(std::string_view key) const;
  // A member's items; empty when it is missing or not an array.
  const std::vector<JsonValue>& Items(std::string_view key) const;
};

struct JsonMember {
  std::string name;
  JsonValue value;
};

// Nothing when `text` is not one whole JSON value, or nests deeper than a record can.
std::optional<JsonValue> ParseJson(std::string_view text);

}  // namespace tarvolenka
