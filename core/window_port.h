#pragma once

// How the logic shows its windows: opening and closing them, and setting their elements.

#include <cstdint>
#include <functional>
#include <span>
#include <string_view>

#include "catalogue/geometry.h"
#include "catalogue/keys.h"
#include "catalogue/windows.h"

namespace tarvolenka {

// A window's behaviour: the handlers the desktop calls for it.
class WindowLogic {
 public:
  virtual ~WindowLogic() = default;
  // Runs each time the window is shown, before it is first painted.
  virtual void OnShow() {}
  // Runs when the window closes, by the game or by the window system.
  virtual void OnClose() {}
  // The window system (close box, Escape, logout) asks to close the window; false refuses.
  // The window then closes as if by the game.
  virtual bool CloseRequested() { return true; }
  // A click routed to handler `handler` of this window, bound to `number` for families.
  virtual void Click(std::uint16_t handler, int number) = 0;
  // A game key that clicks no element of the window, reaching it when no pause holds the game:
  // the pick windows move their ring by it. Returns whether the window took it.
  virtual bool KeyPressed(Key /*key*/) { return false; }
  virtual void TimerTick(std::uint8_t /*timer*/) {}
  // The desktop has rendered its pictures again (a new zoom): the window's drawing surfaces
  // are drawn again.
  virtual void Redraw() {}
};

// A banner over the reels: a win, free spins won, or a round's total.
struct WinBanner {
  Rect plate;  // where the plate goes, in the surface's pixels
  std::string_view title;
  std::string_view amount;
  // The moment whole in words, as a screen reader says it: the amount in full, not counting up.
  std::string_view spoken;
  // A big win's tier, 1 and up, with the count of its celebration's repaints from 1; 0 and 0
  // for an ordinary banner.
  int tier = 0;
  int celebration = 0;
};

class WindowPort {
 public:
  virtual ~WindowPort() = default;

  // Windows: each logic is attached once, then opened modally as the game needs it.
  virtual void Attach(WindowId window, WindowLogic& logic) = 0;
  // Opens a window modally and returns at once: the windows beneath take no input until it
  // closes, and their timers keep firing. Once it has closed, by the game or by the window
  // system, `closed` runs from the event loop, after any pause then running has ended. A window
  // already open, or one without logic, opens nothing and `closed` runs all the same.
  virtual void Open(WindowId window, std::function<void()> closed) = 0;
  virtual void Close(WindowId window) = 0;
  virtual bool IsShown(WindowId window) const = 0;
  // Moves a whole window by an offset; the desktop keeps it reachable on the screen.
  virtual void MoveWindowBy(WindowId window, int dx, int dy) = 0;
  // The zoom of every window, in percent, in the desktop's steps. A new zoom is remembered by
  // the desktop, as one chosen by its keys is.
  virtual int zoomPercent() const = 0;
  virtual void SetZoomPercent(int percent) = 0;

  // Elements.
  virtual void SetText(ElementRef element, std::string_view text) = 0;
  virtual void SetVisible(ElementRef element, bool visible) = 0;
  // Puts a copy of `source`'s picture into `target`, which takes the picture's size unless it
  // stretches its picture.
  virtual void CopyPicture(ElementRef target, ElementRef source) = 0;
  // Copies a 125 × 125 cell buffer into a drawing surface at (x, y), clipped to the surface.
  virtual void CopyCell(ElementRef surface, ElementRef cell, int x, int y) = 0;
  // Strokes one line through the points, in the given colour and pen width.
  virtual void DrawLine(ElementRef surface, std::span<const Point> points, Rgb colour,
                        int width) = 0;
  // Marks a cell of a drawing surface as part of a win, in its line's colour.
  virtual void FrameCell(ElementRef surface, Rect cell, Rgb colour) = 0;
  // Shows a banner over a drawing surface: a title over a large amount, on a plate at `plate`.
  virtual void ShowWinBanner(ElementRef surface, const WinBanner& banner) = 0;
  virtual void SetGauge(ElementRef gauge, int position) = 0;
  virtual void MoveElement(ElementRef element, int left, int top) = 0;
  virtual void SetFontSize(ElementRef element, int points) = 0;
  virtual void SetPanelColour(ElementRef element, Rgb colour) = 0;
  // Paints the window now, so that what was just set shows during a following pause.
  virtual void Repaint(WindowId window) = 0;
};

}  // namespace tarvolenka
