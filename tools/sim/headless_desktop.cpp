#include "tools/sim/headless_desktop.h"

#include <stdexcept>
#include <string>

namespace tarvolenka::sim {

HeadlessDesktop::HeadlessDesktop(Stream& stream) : stream_(stream) {
  for (int i = 0; i < kWindowCount; ++i) {
    const WindowSpec& desc = SpecOf(static_cast<WindowId>(i));
    Window& w = windows_[static_cast<std::size_t>(i)];
    for (std::size_t e = 0; e < desc.elements.size(); ++e) {
      const ElementSpec& element = desc.elements[e];
      w.visible.push_back((element.flags & kHidden) == 0);
      if (element.kind == Kind::Picture && element.click != kNoClick)
        w.clickable.push_back(static_cast<std::uint16_t>(e));
    }
    for (const TimerSpec& t : desc.timers) w.timers.push_back({t.running, t.intervalMs});
  }
}

bool HeadlessDesktop::Visible(ElementRef element) const {
  return Of(element.window).visible.at(element.index);
}

void HeadlessDesktop::ClickableNow(WindowId window, std::vector<ElementRef>& out) const {
  out.clear();
  const Window& w = Of(window);
  for (std::uint16_t index : w.clickable)
    if (w.visible[index]) out.push_back({window, index});
}

void HeadlessDesktop::Click(ElementRef element) {
  const ElementSpec& desc = SpecOf(element);
  Of(element.window).logic->Click(desc.click, desc.number);
}

void HeadlessDesktop::Wait(WindowId window, int ms) {
  Window& w = Of(window);
  for (std::size_t i = 0; i < w.timers.size(); ++i) {
    if (!w.timers[i].running || w.timers[i].interval <= 0) continue;
    const int ticks = ms / w.timers[i].interval;
    for (int t = 0; t < ticks && w.timers[i].running; ++t)
      w.logic->TimerTick(static_cast<std::uint8_t>(i));
  }
}

void HeadlessDesktop::Attach(WindowId window, WindowLogic& logic) {
  Of(window).logic = &logic;
}

// The player plays the window to its end at once; what its opener does next follows on the
// same stack, which the bonus sequence keeps a few windows deep.
void HeadlessDesktop::Open(WindowId window, std::function<void()> closed) {
  Window& w = Of(window);
  if (w.logic == nullptr || w.shown) {
    if (closed) closed();
    return;
  }
  if (player_ == nullptr) throw std::logic_error("a modal window opened with nobody to play it");
  w.shown = true;
  w.logic->OnShow();
  for (int actions = 0; w.shown; ++actions) {
    if (actions == kMaxActions)
      throw std::runtime_error("window " + std::string(SpecOf(window).className) + " never closed");
    player_->Act(window, *this);
  }
  if (closed) closed();
}

void HeadlessDesktop::Close(WindowId window) {
  Window& w = Of(window);
  if (!w.shown) return;
  w.shown = false;
  if (w.logic != nullptr) w.logic->OnClose();
}

bool HeadlessDesktop::IsShown(WindowId window) const {
  return Of(window).shown;
}

void HeadlessDesktop::SetVisible(ElementRef element, bool visible) {
  Of(element.window).visible.at(element.index) = visible;
}

void HeadlessDesktop::StartTimer(TimerRef timer) {
  Of(timer.window).timers.at(timer.index).running = true;
}

void HeadlessDesktop::StopTimer(TimerRef timer) {
  Of(timer.window).timers.at(timer.index).running = false;
}

void HeadlessDesktop::SetTimerInterval(TimerRef timer, int ms) {
  Of(timer.window).timers.at(timer.index).interval = ms;
}

bool HeadlessDesktop::IsTimerRunning(TimerRef timer) const {
  return Of(timer.window).timers.at(timer.index).running;
}

// The local date only matters to the timed bonus, which the simulator never plays.
DateTime HeadlessDesktop::NowLocal() const {
  return MakeDateTime(2026, 1, 1, 12);
}

// The game re-seeds from the clock at every spin start and when the double-up or the golden
// pick opens. A player presses at no particular millisecond, so each reading is uniform over
// the day's milliseconds.
std::uint32_t HeadlessDesktop::MillisSinceMidnightUtc() const {
  ++clockReadings_;
  return stream_.Below(kMillisInDay);
}

}  // namespace tarvolenka::sim
