#pragma once

#include <functional>
#include <vector>

#include "catalogue/keys.h"
#include "core/window_port.h"

namespace tarvolenka {

// The ring over a pick window's choices. The arrows move it as the choices lie on the screen,
// passing over those that take no pick now, and Enter or Space clicks the choice it frames, so
// a whole round can be played from the keyboard. While the window plays out a pick it dims:
// keys pressed then are dropped, and the dimmed ring says so.
class PickRing {
 public:
  // `pickable(n)` tells whether choice n (1..count) takes a pick now.
  PickRing(WindowPort& port, WindowId window, std::function<bool(int)> pickable);

  // A window shown anew: the ring lit on the first choice that takes a pick.
  void Start();
  // The ring lit on `choice`: where a pick was made, by click or key, or the meze's next row.
  void Place(int choice);
  // The window plays out a pick and takes none until the ring is placed again.
  void Wait();

  // An arrow moves the ring, Enter or Space clicks the framed choice of `window`, as a click on
  // it would; while the ring waits they do nothing. Returns whether the key was one of these.
  bool Take(Key key, WindowLogic& window);
  // Moves the ring by an arrow. Left and Right go to the nearest pickable choice of its row on
  // that side; Up and Down to the nearest row on that side that has one, to the choice there
  // nearest across. Returns whether it moved.
  bool Move(Key arrow);

  int choice() const { return choice_; }
  bool waiting() const { return waiting_; }

 private:
  void Show();

  WindowPort& port_;
  const PickRingLayout& layout_;
  std::function<bool(int)> pickable_;
  // By choice number - 1: the row, counted from the top, and the centre.
  std::vector<int> row_;
  std::vector<Point> centre_;
  int choice_ = 1;
  bool waiting_ = false;
};

}  // namespace tarvolenka
