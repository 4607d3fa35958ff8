#include "core/pick_ring.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>

#include "catalogue/element_builders.h"

namespace tarvolenka {

PickRing::PickRing(WindowPort& port, WindowId window, std::function<bool(int)> pickable)
    : port_(port), layout_(*PickRingOf(window)), pickable_(std::move(pickable)) {
  const auto count = static_cast<std::size_t>(layout_.count);
  std::vector<Rect> rects;
  for (std::size_t i = 0; i < count; ++i) {
    rects.push_back(SpecOf(ElementRef{window, static_cast<std::uint16_t>(layout_.first + i)}).rect);
    centre_.push_back(rects.back().Centre());
  }
  // Choices whose centres lie within half a choice's height of the first of a row share its
  // row, so a row drawn a little unevenly (the hats, the bottles) is still one row.
  std::vector<std::size_t> byHeight(count);
  std::iota(byHeight.begin(), byHeight.end(), 0);
  std::stable_sort(byHeight.begin(), byHeight.end(),
                   [this](std::size_t a, std::size_t b) { return centre_[a].y < centre_[b].y; });
  row_.assign(count, 0);
  std::size_t rowFirst = byHeight.front();
  for (std::size_t i : byHeight) {
    const int reach = std::min(rects[i].height, rects[rowFirst].height) / 2;
    if (centre_[i].y - centre_[rowFirst].y >= reach) {
      row_[i] = row_[rowFirst] + 1;
      rowFirst = i;
    } else {
      row_[i] = row_[rowFirst];
    }
  }
}

void PickRing::Start() {
  int first = 1;
  while (first < layout_.count && !pickable_(first)) ++first;
  Place(first);
}

void PickRing::Place(int choice) {
  choice_ = choice;
  waiting_ = false;
  Show();
}

void PickRing::Wait() {
  waiting_ = true;
  port_.SetPanelColour({layout_.window, layout_.ring}, kRingWaiting);
}

void PickRing::Show() {
  const ElementRef ring{layout_.window, layout_.ring};
  const Rect frame = SpecOf(ring).rect;
  const Point c = centre_[static_cast<std::size_t>(choice_ - 1)];
  port_.MoveElement(ring, c.x - frame.width / 2, c.y - frame.height / 2);
  port_.SetPanelColour(ring, waiting_ ? kRingWaiting : kRingLit);
  port_.SetVisible(ring, true);
}

bool PickRing::Take(Key key, WindowLogic& window) {
  switch (key) {
    case Key::Up:
    case Key::Down:
      if (!layout_.upDown) return false;
      [[fallthrough]];
    case Key::Left:
    case Key::Right:
      if (!waiting_) Move(key);
      return true;
    case Key::Enter:
    case Key::Space:
      if (!waiting_) {
        const ElementSpec& e = SpecOf(
            ElementRef{layout_.window, static_cast<std::uint16_t>(layout_.first + choice_ - 1)});
        window.Click(e.click, e.number);
      }
      return true;
    default:
      return false;
  }
}

bool PickRing::Move(Key arrow) {
  const bool across = arrow == Key::Left || arrow == Key::Right;
  const int sign = arrow == Key::Left || arrow == Key::Up ? -1 : 1;
  const auto at = static_cast<std::size_t>(choice_ - 1);
  int best = 0, bestRows = 0, bestOffset = 0;
  for (int n = 1; n <= layout_.count; ++n) {
    const auto i = static_cast<std::size_t>(n - 1);
    if (n == choice_ || !pickable_(n)) continue;
    const int dx = centre_[i].x - centre_[at].x;
    const int rows = (row_[i] - row_[at]) * sign;
    if (across ? rows != 0 || dx * sign <= 0 : rows <= 0) continue;
    // The nearest row first, then the nearest across; a tie goes to the lower number.
    const int offset = std::abs(dx);
    if (best == 0 || rows < bestRows || (rows == bestRows && offset < bestOffset)) {
      best = n;
      bestRows = rows;
      bestOffset = offset;
    }
  }
  if (best == 0) return false;
  choice_ = best;
  Show();
  return true;
}

}  // namespace tarvolenka
