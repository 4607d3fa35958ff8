#pragma once

#include <stdexcept>
#include <string>

namespace tarvolenka::testing {

// Thrown by the reliability checkers when the game breaks one of its promises: a lost credit,
// a torn save, a control that acts when it must not.
class InvariantBroken : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline void Require(bool holds, const std::string& what) {
  if (!holds) throw InvariantBroken(what);
}

}  // namespace tarvolenka::testing
