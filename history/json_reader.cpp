#include "history/json_reader.h"

#include <charconv>
#include <cstdlib>

namespace tarvolenka {
namespace {

constexpr int kMaxDepth = 16;  // records nest four deep; more is damage, not data

class Reader {
 public:
  explicit Reader(std::string_view text) : s_(text) {}

  bool Value(JsonValue& out, int depth) {
    if (depth > kMaxDepth) return false;
    SkipSpace();
    if (at_ >= s_.size()) return false;
    switch (s_[at_]) {
      case '{':
        return Object(out, depth);
      case '[':
        return Array(out, depth);
      case '"':
        out.type = JsonValue::Type::String;
        return String(out.text);
      case 't':
        out.type = JsonValue::Type::Bool;
        out.boolean = true;
        return Word("true");
      case 'f':
        out.type = JsonValue::Type::Bool;
        return Word("false");
      case 'n':
        return Word("null");
      default:
        return Number(out);
    }
  }

  bool AtEnd() {
    SkipSpace();
    return at_ == s_.size();
  }

 private:
  void SkipSpace() {
    while (at_ < s_.size() &&
           (s_[at_] == ' ' || s_[at_] == '\t' || s_[at_] == '\n' || s_[at_] == '\r'))
      ++at_;
  }
  bool Take(char c) {
    SkipSpace();
    if (at_ >= s_.size() || s_[at_] != c) return false;
    ++at_;
    return true;
  }
  bool Word(std::string_view w) {
    if (s_.substr(at_, w.size()) != w) return false;
    at_ += w.size();
    return true;
  }

  bool Object(JsonValue& out, int depth) {
    out.type = JsonValue::Type::Object;
    ++at_;
    if (Take('}')) return true;
    do {
      std::string key;
      SkipSpace();
      if (at_ >= s_.size() || s_[at_] != '"' || !String(key) || !Take(':')) return false;
      JsonValue value;
      if (!Value(value, depth + 1)) return false;
      out.members.push_back({std::move(key), std::move(value)});
    } while (Take(','));
    return Take('}');
  }

  bool Array(JsonValue& out, int depth) {
    out.type = JsonValue::Type::Array;
    ++at_;
    if (Take(']')) return true;
    do {
      JsonValue value;
      if (!Value(value, depth + 1)) return false;
      out.items.push_back(std::move(value));
    } while (Take(','));
    return Take(']');
  }

  // The history writes no escapes but \" and \\; others are kept as written.
  bool String(std::string& out) {
    ++at_;
    while (at_ < s_.size()) {
      const char c = s_[at_++];
      if (c == '"') return true;
      if (c == '\\') {
        if (at_ >= s_.size()) return false;
        const char e = s_[at_++];
        if (e != '"' && e != '\\' && e != '/') out += '\\';
        out += e;
      } else {
        out += c;
      }
    }
    return false;
  }

  bool Number(JsonValue& out) {
    const std::size_t start = at_;
    bool whole = true;
    if (at_ < s_.size() && s_[at_] == '-') ++at_;
    while (at_ < s_.size()) {
      const char c = s_[at_];
      if (c >= '0' && c <= '9') {
        ++at_;
      } else if (c == '.' || c == 'e' || c == 'E' || c == '+' || c == '-') {
        whole = false;
        ++at_;
      } else {
        break;
      }
    }
    const std::string_view digits = s_.substr(start, at_ - start);
    if (digits.empty() || digits == "-") return false;
    const char* first = digits.data();
    const char* last = first + digits.size();
    if (whole) {
      out.type = JsonValue::Type::Integer;
      const auto [end, error] = std::from_chars(first, last, out.integer);
      out.real = static_cast<double>(out.integer);
      return error == std::errc() && end == last;
    }
    out.type = JsonValue::Type::Real;
    const std::string copy(digits);
    char* end = nullptr;
    out.real = std::strtod(copy.c_str(), &end);
    return end == copy.c_str() + copy.size();
  }

  std::string_view s_;
  std::size_t at_ = 0;
};

}  // namespace

const JsonValue* JsonValue::Find(std::string_view key) const {
  for (const JsonMember& m : members)
    if (m.name == key) return &m.value;
  return nullptr;
}

std::int64_t JsonValue::Int(std::string_view key, std::int64_t fallback) const {
  const JsonValue* v = Find(key);
  return v != nullptr && v->type == Type::Integer ? v->integer : fallback;
}

bool JsonValue::Bool(std::string_view key) const {
  const JsonValue* v = Find(key);
  return v != nullptr && v->type == Type::Bool && v->boolean;
}

std::string_view JsonValue::Text(std::string_view key) const {
  const JsonValue* v = Find(key);
  return v != nullptr && v->type == Type::String ? std::string_view(v->text) : std::string_view();
}

const std::vector<JsonValue>& JsonValue::Items(std::string_view key) const {
  static const std::vector<JsonValue> kNone;
  const JsonValue* v = Find(key);
  return v != nullptr && v->type == Type::Array ? v->items : kNone;
}

std::optional<JsonValue> ParseJson(std::string_view text) {
  Reader reader(text);
  JsonValue value;
  if (!reader.Value(value, 0) || !reader.AtEnd()) return std::nullopt;
  return value;
}

}  // namespace tarvolenka
