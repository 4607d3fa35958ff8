#include "tests/support/virtual_desktop.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tarvolenka::testing {
namespace {

// Counts an event as being handled for as long as it lives.
class Handling {
 public:
  explicit Handling(int& depth) : depth_(depth) { ++depth_; }
  ~Handling() { --depth_; }
  Handling(const Handling&) = delete;
  Handling& operator=(const Handling&) = delete;

 private:
  int& depth_;
};

constexpr std::int64_t kModalPatienceMs = 24LL * 60 * 60 * 1000;
constexpr std::size_t kCanvasMemory = 4096;

}  // namespace

VirtualDesktop::VirtualDesktop(DateTime start, std::int64_t utcBehindLocalMs)
    : start_(start), utcBehindLocalMs_(utcBehindLocalMs) {
  for (int i = 0; i < kWindowCount; ++i) {
    const WindowSpec& desc = SpecOf(static_cast<WindowId>(i));
    Window& w = windows_[static_cast<std::size_t>(i)];
    for (const ElementSpec& e : desc.elements) {
      ElementState s;
      s.text = std::string(e.text);
      s.visible = (e.flags & kHidden) == 0;
      s.picture = e.picture;
      s.rect = e.rect;
      s.colour = e.colour;
      w.elements.push_back(s);
    }
    for (const TimerSpec& t : desc.timers) w.timers.push_back({false, t.intervalMs, 0});
    w.position = {(kScreen.width - desc.width) / 2, (kScreen.height - desc.height) / 2};
  }
}

void VirtualDesktop::Attach(WindowId window, WindowLogic& logic) {
  Window& w = windows_[Index(window)];
  w.logic = &logic;
  const WindowSpec& desc = SpecOf(window);
  for (std::size_t i = 0; i < desc.timers.size(); ++i) {
    if (desc.timers[i].running) {
      w.timers[i].running = true;
      w.timers[i].nextDue = now_ + w.timers[i].interval;
    }
  }
}

void VirtualDesktop::Start() {
  Window& main = windows_[Index(WindowId::Main)];
  main.shown = true;
  if (main.logic != nullptr) main.logic->OnShow();
}

void VirtualDesktop::Open(WindowId window, std::function<void()> closed) {
  Window& w = windows_[Index(window)];
  if (w.logic == nullptr || w.shown) {  // nothing to open
    AfterPauses(std::move(closed));
    return;
  }
  modalStack_.push_back(window);
  w.shown = true;
  w.closed = std::move(closed);
  w.logic->OnShow();
}

void VirtualDesktop::RunModal(WindowId window) {
  RunToEnd([this, window](std::function<void()> done) { Open(window, std::move(done)); },
           "modal window " + std::string(SpecOf(window).className));
}

void VirtualDesktop::Settle() {
  const std::int64_t started = now_;
  while (!Settled()) {
    AskPlayer();
    if (NextEventTime() < 0 || now_ - started > kModalPatienceMs) {
      const WindowId top = inputWindow();
      throw StuckModal("modal window " + std::string(SpecOf(top).className) + " never closed");
    }
    ProcessNextEvent();
  }
}

void VirtualDesktop::RunToEnd(const std::function<void(std::function<void()>)>& step,
                              const std::string& what) {
  bool done = false;
  step([&done] { done = true; });
  const std::int64_t started = now_;
  while (!done) {
    AskPlayer();
    if (NextEventTime() < 0 || now_ - started > kModalPatienceMs)
      throw StuckModal(what + " never closed");
    ProcessNextEvent();
  }
}

void VirtualDesktop::AfterPauses(std::function<void()> action) {
  if (!action) return;
  if (holds_.empty())
    pending_.push_back(std::move(action));
  else
    afterPauses_.push_back(std::move(action));
}

void VirtualDesktop::Close(WindowId window) {
  Window& w = windows_[Index(window)];
  if (!w.shown) return;
  w.shown = false;
  if (const auto open = std::find(modalStack_.begin(), modalStack_.end(), window);
      open != modalStack_.end())
    modalStack_.erase(open);
  if (w.logic != nullptr) w.logic->OnClose();
  AfterPauses(std::exchange(w.closed, {}));
}

bool VirtualDesktop::IsShown(WindowId window) const {
  return windows_[Index(window)].shown;
}

void VirtualDesktop::MoveWindowBy(WindowId window, int dx, int dy) {
  const WindowSpec& desc = SpecOf(window);
  Point& p = windows_[Index(window)].position;
  p.x = std::clamp(p.x + dx, kScreen.left, kScreen.Right() - desc.width);
  p.y = std::clamp(p.y + dy, kScreen.top, kScreen.Bottom() - desc.height);
}

ElementState& VirtualDesktop::Mutable(ElementRef element) {
  return windows_[Index(element.window)].elements.at(element.index);
}

const ElementState& VirtualDesktop::State(ElementRef element) const {
  return windows_[Index(element.window)].elements.at(element.index);
}

const ElementState& VirtualDesktop::State(WindowId window, std::string_view name) const {
  ElementRef ref{};
  if (!FindElement(window, name, ref))
    throw std::invalid_argument("no element " + std::string(name));
  return State(ref);
}

void VirtualDesktop::SetText(ElementRef element, std::string_view text) {
  Mutable(element).text = std::string(text);
}

void VirtualDesktop::SetVisible(ElementRef element, bool visible) {
  Mutable(element).visible = visible;
}

void VirtualDesktop::CopyPicture(ElementRef target, ElementRef source) {
  const Picture p = State(source).picture;
  ElementState& t = Mutable(target);
  t.picture = p;
  if ((SpecOf(target).flags & kStretch) == 0 && p != Picture::None) {
    t.rect.width = SpecOf(p).width;
    t.rect.height = SpecOf(p).height;
  }
}

void VirtualDesktop::CopyCell(ElementRef surface, ElementRef cell, int x, int y) {
  const Rect area = SpecOf(surface).rect;
  const int left = std::max(x, 0), top = std::max(y, 0);
  const int right = std::min(x + 125, area.width), bottom = std::min(y + 125, area.height);
  if (right <= left || bottom <= top) return;  // wholly clipped: nothing lands
  CanvasOp op{};
  op.kind = CanvasOp::Cell;
  op.surface = surface;
  op.picture = State(cell).picture;
  op.cell = cell;
  op.clipped = {left, top, right - left, bottom - top};
  canvas_.push_back(op);
  if (canvas_.size() > kCanvasMemory) canvas_.pop_front();
}

void VirtualDesktop::DrawLine(ElementRef surface, std::span<const Point> points, Rgb colour,
                              int width) {
  CanvasOp op{};
  op.kind = CanvasOp::Line;
  op.surface = surface;
  op.points.assign(points.begin(), points.end());
  op.colour = colour;
  op.width = width;
  canvas_.push_back(op);
  if (canvas_.size() > kCanvasMemory) canvas_.pop_front();
}

void VirtualDesktop::FrameCell(ElementRef surface, Rect cell, Rgb colour) {
  CanvasOp op{};
  op.kind = CanvasOp::Frame;
  op.surface = surface;
  op.clipped = cell;
  op.colour = colour;
  canvas_.push_back(op);
  if (canvas_.size() > kCanvasMemory) canvas_.pop_front();
}

void VirtualDesktop::ShowWinBanner(ElementRef surface, const WinBanner& banner) {
  CanvasOp op{};
  op.kind = CanvasOp::Banner;
  op.surface = surface;
  op.text = std::string(banner.amount);
  op.title = std::string(banner.title);
  op.plate = banner.plate;
  op.tier = banner.tier;
  op.celebration = banner.celebration;
  canvas_.push_back(op);
  if (canvas_.size() > kCanvasMemory) canvas_.pop_front();
}

void VirtualDesktop::SetGauge(ElementRef gauge, int position) {
  Mutable(gauge).gauge = std::clamp(position, 0, 100);
}

void VirtualDesktop::MoveElement(ElementRef element, int left, int top) {
  ElementState& s = Mutable(element);
  s.rect.left = left;
  s.rect.top = top;
}

void VirtualDesktop::SetFontSize(ElementRef element, int points) {
  Mutable(element).fontSize = points;
}

void VirtualDesktop::SetPanelColour(ElementRef element, Rgb colour) {
  Mutable(element).colour = colour;
}

void VirtualDesktop::Repaint(WindowId window) {
  ++windows_[Index(window)].repaints;
}

void VirtualDesktop::Pause(int ms, std::function<void()> then) {
  pausedMs_ += ms;
  holds_.push_back({now_ + ms, std::move(then)});
}

VirtualDesktop::Timer& VirtualDesktop::TimerAt(TimerRef timer) {
  return windows_[Index(timer.window)].timers.at(timer.index);
}

void VirtualDesktop::StartTimer(TimerRef timer) {
  Timer& t = TimerAt(timer);
  if (t.running) return;
  t.running = true;
  t.nextDue = now_ + std::max(t.interval, 1);
}

void VirtualDesktop::StopTimer(TimerRef timer) {
  TimerAt(timer).running = false;
}

void VirtualDesktop::SetTimerInterval(TimerRef timer, int ms) {
  Timer& t = TimerAt(timer);
  if (t.interval == ms) return;
  t.interval = ms;
  if (t.running) t.nextDue = now_ + std::max(ms, 1);
}

bool VirtualDesktop::IsTimerRunning(TimerRef timer) const {
  return windows_[Index(timer.window)].timers.at(timer.index).running;
}

int VirtualDesktop::TimerInterval(TimerRef timer) const {
  return windows_[Index(timer.window)].timers.at(timer.index).interval;
}

DateTime VirtualDesktop::NowLocal() const {
  return start_ + static_cast<double>(now_) / kMillisPerDay;
}

std::uint32_t VirtualDesktop::MillisSinceMidnightUtc() const {
  const double dayFraction = start_ - std::floor(start_);
  const auto startMs = static_cast<std::int64_t>(std::llround(dayFraction * kMillisPerDay));
  const std::int64_t day = 86400000;
  return static_cast<std::uint32_t>((((startMs - utcBehindLocalMs_ + now_) % day) + day) % day);
}

bool VirtualDesktop::AskNewGameOverUnusableSave(std::string_view message) {
  questions_.emplace_back(message);
  if (whileAsking_) whileAsking_();
  return answerNewGame_;
}

void VirtualDesktop::AskRetryFailedSave(std::string_view message,
                                        std::function<void(bool retry)> answered) {
  questions_.emplace_back(message);
  if (whileAsking_) whileAsking_();
  const bool retry = retriesLeft_ > 0;
  if (retry) --retriesLeft_;
  Later([answered = std::move(answered), retry] { answered(retry); });
}

void VirtualDesktop::PlayCue(Cue cue) {
  cues_.push_back({now_, cue});
}

WindowId VirtualDesktop::inputWindow() const {
  return modalStack_.empty() ? WindowId::Main : modalStack_.back();
}

ClickResult VirtualDesktop::Click(ElementRef element) {
  if (!State(element).visible) return ClickResult::Hidden;
  return ClickAt(element.window, State(element).rect.Centre());
}

ClickResult VirtualDesktop::Click(WindowId window, std::string_view name) {
  ElementRef ref{};
  if (!FindElement(window, name, ref))
    throw std::invalid_argument("no element " + std::string(name));
  return Click(ref);
}

ClickResult VirtualDesktop::ClickAt(WindowId window, Point p) {
  Window& w = windows_[Index(window)];
  if (!w.shown || window != inputWindow()) return ClickResult::NotInputWindow;
  if (!holds_.empty()) {
    ++discardedActions_;
    return ClickResult::Paused;
  }
  const auto& specs = SpecOf(window).elements;
  // The topmost visible picture, or text that takes clicks, under the pointer takes the click;
  // other texts, panels and shapes let it through to what lies beneath.
  for (std::size_t i = specs.size(); i-- > 0;) {
    const ElementState& s = w.elements[i];
    const bool catches = specs[i].kind == Kind::Picture ||
                         ((specs[i].kind == Kind::Label || specs[i].kind == Kind::Panel) &&
                          specs[i].click != kNoClick);
    if (!catches || !s.visible || !s.rect.Contains(p)) continue;
    return Handle({window, static_cast<std::uint16_t>(i)});
  }
  return ClickResult::NoHandler;
}

ClickResult VirtualDesktop::Handle(ElementRef element) {
  const ElementSpec& desc = SpecOf(element);
  if (desc.click == kNoClick) return ClickResult::NoHandler;
  windows_[Index(element.window)].logic->Click(desc.click, desc.number);
  if (handling_ == 0) Settle();
  return ClickResult::Handled;
}

void VirtualDesktop::CloseByWindowSystem(WindowId window) {
  Window& w = windows_[Index(window)];
  if (!w.shown || window != inputWindow() || w.logic == nullptr) return;
  if (w.logic->CloseRequested()) Close(window);
  if (handling_ == 0) Settle();
}

void VirtualDesktop::Then(int delayMs, std::function<void()> action) {
  const std::int64_t at = std::max(lastScripted_, now_) + delayMs;
  script_.push_back({at, std::move(action)});
  lastScripted_ = at;
}

void VirtualDesktop::Later(std::function<void()> action) {
  pending_.push_back(std::move(action));
}

void VirtualDesktop::ThenClick(int delayMs, ElementRef element) {
  Then(delayMs, [this, element] { Click(element); });
}

void VirtualDesktop::ThenClick(int delayMs, WindowId window, std::string_view name) {
  ElementRef ref{};
  if (!FindElement(window, name, ref))
    throw std::invalid_argument("no element " + std::string(name));
  ThenClick(delayMs, ref);
}

std::int64_t VirtualDesktop::NextEventTime() const {
  if (!pending_.empty()) return now_;
  std::int64_t next = script_.empty() ? -1 : script_.front().at;
  for (const Window& w : windows_) {
    if (w.logic == nullptr) continue;
    for (const Timer& t : w.timers)
      if (t.running && (next < 0 || t.nextDue < next)) next = t.nextDue;
  }
  for (const Hold& h : holds_)
    if (next < 0 || h.until < next) next = h.until;
  return next;
}

// At one moment: what the game asked to run next, then the player's scripted actions, then
// timers in window and timer order, then the end of a pause. A pause drops the actions and
// ticks that fall into it, up to its last millisecond.
void VirtualDesktop::ProcessNextEvent() {
  const std::int64_t at = NextEventTime();
  if (at < 0) return;
  const Handling handling(handling_);
  now_ = std::max(now_, at);
  if (!pending_.empty()) {
    auto action = std::move(pending_.front());
    pending_.pop_front();
    action();
    Observe();
    return;
  }
  const bool holding = !holds_.empty();
  if (!script_.empty() && script_.front().at <= now_) {
    auto action = std::move(script_.front().action);
    script_.pop_front();
    if (holding) {
      ++discardedActions_;
      return;
    }
    action();
    Observe();
    return;
  }
  for (std::size_t wi = 0; wi < windows_.size(); ++wi) {
    Window& w = windows_[wi];
    if (w.logic == nullptr) continue;
    for (std::size_t ti = 0; ti < w.timers.size(); ++ti) {
      Timer& t = w.timers[ti];
      if (!t.running || t.nextDue > now_) continue;
      t.nextDue = now_ + std::max(t.interval, 1);
      if (holding) return;  // the tick is lost; the timer keeps its phase
      w.logic->TimerTick(static_cast<std::uint8_t>(ti));
      Observe();
      return;
    }
  }
  const auto ends =
      std::find_if(holds_.begin(), holds_.end(), [this](const Hold& h) { return h.until <= now_; });
  if (ends == holds_.end()) return;
  auto then = std::move(ends->then);
  holds_.erase(ends);
  if (then) then();
  if (holds_.empty())
    for (auto& action : std::exchange(afterPauses_, {})) pending_.push_back(std::move(action));
  Observe();
}

void VirtualDesktop::Observe() {
  // What a step asked to run next belongs to the step: the observer sees whole steps only.
  if (observer_ && pending_.empty() && afterPauses_.empty()) observer_();
}

void VirtualDesktop::AskPlayer() {
  // During a pause the player waits for it to end, as its clicks would be dropped.
  if (!script_.empty() || !holds_.empty() || !pending_.empty() || !player_) return;
  const Handling handling(handling_);
  player_();
}

void VirtualDesktop::RunFor(std::int64_t ms) {
  const std::int64_t until = now_ + ms;
  for (;;) {
    AskPlayer();
    const std::int64_t next = NextEventTime();
    if (next < 0 || next > until) break;
    ProcessNextEvent();
  }
  now_ = std::max(now_, until);
}

bool VirtualDesktop::RunUntil(const std::function<bool()>& done, std::int64_t maxMs) {
  const std::int64_t until = now_ + maxMs;
  // As the observer, `done` is asked only between whole steps.
  const auto holds = [&] { return pending_.empty() && afterPauses_.empty() && done(); };
  while (!holds()) {
    AskPlayer();
    const std::int64_t next = NextEventTime();
    if (next < 0 || next > until) {
      now_ = std::max(now_, until);
      return holds();
    }
    ProcessNextEvent();
  }
  return true;
}

}  // namespace tarvolenka::testing
