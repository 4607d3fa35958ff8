#pragma once

// The game's time: its pauses, its windows' timers, the clock, and steps run from the event
// loop.

#include <cstdint>
#include <functional>

#include "catalogue/windows.h"
#include "core/date_time.h"

namespace tarvolenka {

class TimePort {
 public:
  virtual ~TimePort() = default;

  // Holds the game for `ms`, then runs `then` from the event loop: meanwhile no click acts, no
  // game timer fires and no window's closing is acted on, while the windows go on painting.
  // The caller returns straight after; what follows the pause belongs in `then`.
  virtual void Pause(int ms, std::function<void()> then) = 0;

  // Timers.
  virtual void StartTimer(TimerRef timer) = 0;
  virtual void StopTimer(TimerRef timer) = 0;
  // A new period takes effect from the next tick; setting the current period changes nothing.
  virtual void SetTimerInterval(TimerRef timer, int ms) = 0;
  virtual bool IsTimerRunning(TimerRef timer) const = 0;

  // Clock: local date-time, and milliseconds since midnight of the UTC time of day.
  virtual DateTime NowLocal() const = 0;
  virtual std::uint32_t MillisSinceMidnightUtc() const = 0;
  // A steady clock, in microseconds from an arbitrary start: schedules measure their time on
  // it, so that a late timer is caught up rather than added to the schedule.
  virtual std::int64_t SteadyMicros() const = 0;

  // Runs `action` from the event loop once the handler running now has returned: the start-up
  // continues an interrupted game this way, with the main window up and the program's
  // shutdown handling in place.
  virtual void Later(std::function<void()> action) = 0;
};

}  // namespace tarvolenka
