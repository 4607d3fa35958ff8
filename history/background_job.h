#pragma once

// Work on a thread of its own whose result the starting thread takes back once it is done, so
// that reading a large history never holds up play. Nothing is shared while it runs: the work
// gets what it needs by value, and its result is handed over whole.

#include <atomic>
#include <stop_token>
#include <thread>
#include <utility>

namespace tarvolenka {

template <class Result>
class BackgroundJob {
 public:
  // Starts `work`, called as work(std::stop_token) and returning the Result.
  template <class Work>
  explicit BackgroundJob(Work work)
      : thread_([this, work = std::move(work)](std::stop_token stop) mutable {
          result_ = work(stop);
          done_.store(true, std::memory_order_release);
        }) {}
  BackgroundJob(const BackgroundJob&) = delete;
  BackgroundJob& operator=(const BackgroundJob&) = delete;
  // Asks the work to stop, and waits for it.
  ~BackgroundJob() = default;

  bool done() const { return done_.load(std::memory_order_acquire); }

  // The result, once the work is over; waits for it when it is not.
  Result Take() {
    if (thread_.joinable()) thread_.join();
    return std::move(result_);
  }

 private:
  Result result_{};
  std::atomic<bool> done_{false};
  std::jthread thread_;  // last: it starts once the rest is built, and stops before it goes
};

}  // namespace tarvolenka
