#pragma once

// A desktop without a screen for the simulator: nothing is drawn, pauses take no time, and a
// modal window is handed to a player, who clicks its elements until the game closes it. The
// clock is what re-seeds the game's generator, so each reading is a fresh draw from the
// thread's stream.

#include <array>
#include <cstdint>
#include <vector>

#include "core/desktop.h"
#include "tools/sim/sim_random.h"

namespace tarvolenka::sim {

class HeadlessDesktop;

// Whoever sits at the machine: asked to act each time a modal window waits for input.
class Player {
 public:
  virtual ~Player() = default;
  // One action on `window`, which is shown and waiting: typically one click.
  virtual void Act(WindowId window, HeadlessDesktop& desktop) = 0;
};

class HeadlessDesktop : public Desktop {
 public:
  // A window that has not closed after this many actions is taken to wait for ever.
  static constexpr int kMaxActions = 100000;
  // The clock reads milliseconds since midnight: 0 .. kMillisPerDay - 1.
  static constexpr std::uint32_t kMillisInDay = 86400000;

  explicit HeadlessDesktop(Stream& stream);

  void SetPlayer(Player* player) { player_ = player; }

  // For players: what they see and what they do.
  bool Visible(ElementRef element) const;
  // The elements of `window` that take clicks and are visible now.
  void ClickableNow(WindowId window, std::vector<ElementRef>& out) const;
  // Clicks `element`: its handler runs, as the window system would run it.
  void Click(ElementRef element);
  // Lets `ms` milliseconds pass for the running timers of `window`: each fires once per whole
  // interval, from the start of the wait.
  void Wait(WindowId window, int ms);
  // How often the clock has been read, i.e. the game's generator re-seeded.
  std::int64_t clockReadings() const { return clockReadings_; }

  // Desktop.
  void Attach(WindowId window, WindowLogic& logic) override;
  void Open(WindowId window, std::function<void()> closed) override;
  void Close(WindowId window) override;
  bool IsShown(WindowId window) const override;
  void MoveWindowBy(WindowId, int, int) override {}
  void SetText(ElementRef, std::string_view) override {}
  void SetVisible(ElementRef element, bool visible) override;
  void CopyPicture(ElementRef, ElementRef) override {}
  void CopyCell(ElementRef, ElementRef, int, int) override {}
  void DrawLine(ElementRef, std::span<const Point>, Rgb, int) override {}
  void FrameCell(ElementRef, Rect, Rgb) override {}
  void ShowWinBanner(ElementRef, std::string_view, int) override {}
  void SetGauge(ElementRef, int) override {}
  void MoveElement(ElementRef, int, int) override {}
  void SetFontSize(ElementRef, int) override {}
  void SetPanelColour(ElementRef, Rgb) override {}
  void Repaint(WindowId) override {}
  void Pause(int, std::function<void()> then) override {
    if (then) then();
  }
  void StartTimer(TimerRef timer) override;
  void StopTimer(TimerRef timer) override;
  void SetTimerInterval(TimerRef timer, int ms) override;
  bool IsTimerRunning(TimerRef timer) const override;
  DateTime NowLocal() const override;
  std::uint32_t MillisSinceMidnightUtc() const override;
  void PlayCue(Cue) override {}
  // The simulator's machines keep no file: nothing is ever asked or logged.
  bool AskNewGameOverUnusableSave(std::string_view) override { return false; }
  void AskRetryFailedSave(std::string_view, std::function<void(bool)> answered) override {
    answered(false);
  }
  void Log(std::string_view) override {}
  void Quit(int) override {}
  // Nothing waits for an event loop here.
  void Later(std::function<void()> action) override { action(); }

 private:
  struct Timer {
    bool running = false;
    int interval = 0;
  };
  struct Window {
    WindowLogic* logic = nullptr;
    bool shown = false;
    std::vector<bool> visible;
    std::vector<std::uint16_t> clickable;  // element indices of pictures with a handler
    std::vector<Timer> timers;
  };
  Window& Of(WindowId window) { return windows_[static_cast<std::size_t>(window)]; }
  const Window& Of(WindowId window) const { return windows_[static_cast<std::size_t>(window)]; }

  std::array<Window, kWindowCount> windows_;
  Stream& stream_;
  Player* player_ = nullptr;
  mutable std::int64_t clockReadings_ = 0;
};

}  // namespace tarvolenka::sim
