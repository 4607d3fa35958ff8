#pragma once

// A desktop without a display for the tests: a virtual clock, timers that fire in virtual
// time, pauses that let the clock run on with nothing handled, and a scripted player that
// clicks elements by name. A whole game runs
// deterministically in milliseconds.

#include <algorithm>
#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "catalogue/keys.h"
#include "core/desktop.h"

namespace tarvolenka::testing {

// Thrown when a modal window waits with nothing left to close it.
class StuckModal : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class ClickResult {
  Handled,         // a handler ran
  NoHandler,       // the click landed on an element without a handler
  NotInputWindow,  // another window is modal, or the window is not shown
  Hidden,          // the element is hidden
  Paused,          // a pause holds the game and drops the click
};

struct ElementState {
  std::string text;
  bool visible = true;
  Picture picture = Picture::None;
  Rect rect;
  int fontSize = 0;
  Rgb colour;
  int gauge = 0;
};

struct CanvasOp {
  enum Kind { Cell, Line, Frame, Banner } kind = Cell;
  ElementRef surface{};             // the drawing surface it landed on
  Picture picture = Picture::None;  // a cell copy: the buffer's picture at that moment
  ElementRef cell{};
  Rect clipped;               // the part of the cell that landed on the surface
  std::vector<Point> points;  // a line's points
  Rgb colour;
  int width = 0;
  std::string text;     // a banner's amount
  std::string title;    // a banner's title
  Rect plate;           // a banner's plate
  int tier = 0;         // a banner's big-win tier
  int celebration = 0;  // a banner's celebration count
};

struct CueEvent {
  std::int64_t at;
  Cue cue;
};

class VirtualDesktop : public Desktop {
 public:
  // The virtual clock starts at `start` (local time) and runs `utcBehindLocalMs` ahead of UTC.
  explicit VirtualDesktop(DateTime start = MakeDateTime(2026, 12, 8, 12, 0, 0),
                          std::int64_t utcBehindLocalMs = 0);

  // Desktop.
  void Attach(WindowId window, WindowLogic& logic) override;
  void Open(WindowId window, std::function<void()> closed) override;
  void Close(WindowId window) override;
  bool IsShown(WindowId window) const override;
  void MoveWindowBy(WindowId window, int dx, int dy) override;
  void SetText(ElementRef element, std::string_view text) override;
  void SetVisible(ElementRef element, bool visible) override;
  void CopyPicture(ElementRef target, ElementRef source) override;
  void CopyCell(ElementRef surface, ElementRef cell, int x, int y) override;
  void DrawLine(ElementRef surface, std::span<const Point> points, Rgb colour, int width) override;
  void FrameCell(ElementRef surface, Rect cell, Rgb colour) override;
  void ShowWinBanner(ElementRef surface, const WinBanner& banner) override;
  void SetGauge(ElementRef gauge, int position) override;
  void MoveElement(ElementRef element, int left, int top) override;
  void SetFontSize(ElementRef element, int points) override;
  void SetPanelColour(ElementRef element, Rgb colour) override;
  void Repaint(WindowId window) override;
  void Pause(int ms, std::function<void()> then) override;
  void StartTimer(TimerRef timer) override;
  void StopTimer(TimerRef timer) override;
  void SetTimerInterval(TimerRef timer, int ms) override;
  bool IsTimerRunning(TimerRef timer) const override;
  DateTime NowLocal() const override;
  std::uint32_t MillisSinceMidnightUtc() const override;
  // Virtual time less the wall clock's jumps.
  std::int64_t SteadyMicros() const override { return (now_ - jumpedMs_) * 1000; }
  void PlayCue(Cue cue) override;
  void SetVolume(int percent) override { volume_ = percent; }
  int volume() const { return volume_; }
  int zoomPercent() const override { return zoom_; }
  void SetZoomPercent(int percent) override { zoom_ = std::clamp(percent, 100, 250); }
  bool AskNewGameOverUnusableSave(std::string_view message) override;
  void AskRetryFailedSave(std::string_view message,
                          std::function<void(bool retry)> answered) override;
  void Log(std::string_view line) override { log_.emplace_back(line); }
  void Quit(int status) override { quitStatus_ = status; }

  // The player's answers to the save file's questions: a new game over an unusable save, and
  // how many times to retry a failed save at closing before quitting.
  void AnswerNewGame(bool newGame) { answerNewGame_ = newGame; }
  void AnswerRetries(int retries) { retriesLeft_ = retries; }
  // Runs while a question waits for its answer, as the player's doings meanwhile.
  void WhileAsking(std::function<void()> action) { whileAsking_ = std::move(action); }
  const std::vector<std::string>& questions() const { return questions_; }
  const std::vector<std::string>& log() const { return log_; }
  std::optional<int> quitStatus() const { return quitStatus_; }
  void Later(std::function<void()> action) override;

  // Driving the game.
  void Start();  // shows the main window and runs its start-up
  // Opens `window` and runs the game until it has closed and its pauses have ended, as the
  // player's whole visit to it; throws StuckModal if nothing is left that could close it.
  void RunModal(WindowId window);
  // Starts `step` with a continuation and runs the game until the step has called it.
  void RunToEnd(const std::function<void(std::function<void()>)>& step,
                const std::string& what = "a step");
  // A click or key press made by the test itself returns once the game has settled again: the
  // windows it opened have closed and its pauses have ended, as the player would wait. One made
  // by a scripted action or the player acts and returns at once.
  ClickResult Click(ElementRef element);
  ClickResult Click(WindowId window, std::string_view name);
  ClickResult ClickAt(WindowId window, Point p);
  void CloseByWindowSystem(WindowId window);
  // A key press in the window that has input: the click on the element the key stands for.
  ClickResult Press(Key key);
  void ThenPress(int delayMs, Key key);
  // The scripted player: an action `delayMs` after the previous scripted one (or after now),
  // carried out at whatever level of modal windows is running then.
  void Then(int delayMs, std::function<void()> action);
  void ThenClick(int delayMs, ElementRef element);
  void ThenClick(int delayMs, WindowId window, std::string_view name);
  // Runs timers and scripted actions for `ms` of virtual time.
  void RunFor(std::int64_t ms);
  // Runs until `done` holds, at most `maxMs` of virtual time; returns whether it held.
  bool RunUntil(const std::function<bool()>& done, std::int64_t maxMs);
  // Called after every timer tick and scripted action, for invariant checks, once what it
  // asked to run next has run.
  void SetObserver(std::function<void()> observer) { observer_ = std::move(observer); }
  // Asked for the next move whenever nothing is scripted, at whatever modal level is running
  // and after a pause has discarded what was: a test player that scripts one move at a time.
  void SetPlayer(std::function<void()> player) { player_ = std::move(player); }

  // Looking at the screen.
  std::int64_t now() const { return now_; }
  // Time passes with the event loop held up, as by a slow handler: the timers due meanwhile
  // fire late, at the next step.
  void Stall(std::int64_t ms) { now_ += ms; }
  // Moves the wall clock, firing nothing; the steady clock does not see the jump.
  void AdvanceClock(std::int64_t ms) {
    now_ += ms;
    jumpedMs_ += ms;
  }
  const ElementState& State(ElementRef element) const;
  const ElementState& State(WindowId window, std::string_view name) const;
  const std::string& Text(ElementRef element) const { return State(element).text; }
  bool Visible(ElementRef element) const { return State(element).visible; }
  Picture PictureOf(ElementRef element) const { return State(element).picture; }
  int TimerInterval(TimerRef timer) const;
  const std::vector<CueEvent>& cues() const { return cues_; }
  void ClearCues() { cues_.clear(); }
  const std::deque<CanvasOp>& canvas() const { return canvas_; }
  void ClearCanvas() { canvas_.clear(); }
  int repaints(WindowId window) const { return windows_[Index(window)].repaints; }
  Point WindowPosition(WindowId window) const { return windows_[Index(window)].position; }
  int discardedActions() const { return discardedActions_; }
  int modalDepth() const { return static_cast<int>(modalStack_.size()); }
  WindowId inputWindow() const;
  bool paused() const { return !holds_.empty(); }
  std::int64_t totalPausedMs() const { return pausedMs_; }

  static constexpr Rect kScreen{0, 0, 1920, 1080};

 private:
  struct Timer {
    bool running = false;
    int interval = 0;
    std::int64_t nextDue = 0;
  };
  struct Window {
    WindowLogic* logic = nullptr;
    bool shown = false;
    std::vector<ElementState> elements;
    std::vector<Timer> timers;
    Point position;
    int repaints = 0;
    std::function<void()> closed;  // what the opener does once the window has closed
  };
  struct Hold {
    std::int64_t until;
    std::function<void()> then;
  };
  struct Scripted {
    std::int64_t at;
    std::function<void()> action;
  };

  static std::size_t Index(WindowId w) { return static_cast<std::size_t>(w); }
  ElementState& Mutable(ElementRef element);
  Timer& TimerAt(TimerRef timer);
  // The earliest pending event's time, or -1 when there is none.
  std::int64_t NextEventTime() const;
  void ProcessNextEvent();
  void Observe();
  void AskPlayer();
  // Runs events until no window but the main one is open, no pause holds and nothing waits to
  // run; throws StuckModal if nothing is left that could bring that about.
  void Settle();
  // Runs the click handler of `element`, which a click or a key has reached.
  ClickResult Handle(ElementRef element);
  bool Settled() const { return modalStack_.empty() && holds_.empty() && pending_.empty(); }
  // Runs `action` as the next event once no pause holds the game.
  void AfterPauses(std::function<void()> action);

  std::array<Window, kWindowCount> windows_;
  std::vector<WindowId> modalStack_;
  std::deque<Scripted> script_;
  std::deque<std::function<void()>> pending_;  // what the game asked to run next
  std::vector<Hold> holds_;
  std::vector<std::function<void()>> afterPauses_;
  int handling_ = 0;  // events being handled now, scripted actions among them
  std::int64_t lastScripted_ = 0;
  std::int64_t now_ = 0;
  std::int64_t jumpedMs_ = 0;
  DateTime start_;
  std::int64_t utcBehindLocalMs_;
  std::vector<CueEvent> cues_;
  int volume_ = 100;
  int zoom_ = 100;
  std::deque<CanvasOp> canvas_;
  int discardedActions_ = 0;
  std::int64_t pausedMs_ = 0;
  std::function<void()> observer_;
  std::function<void()> player_;
  bool answerNewGame_ = false;
  int retriesLeft_ = 0;
  std::function<void()> whileAsking_;
  std::vector<std::string> questions_;
  std::vector<std::string> log_;
  std::optional<int> quitStatus_;
};

}  // namespace tarvolenka::testing
