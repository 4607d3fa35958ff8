#pragma once

#include <functional>
#include <optional>
#include <utility>

#include "core/resume_record.h"

namespace tarvolenka {

// A bonus window that can be written to the resume file and shown again as it stood: after its
// deal and after every pick it calls the progress hook, and a window given a state before it
// is shown shows that state instead of dealing anew.
class ResumableWindow {
 public:
  virtual ~ResumableWindow() = default;

  void SetProgressHook(std::function<void()> hook) { progress_ = std::move(hook); }
  void RestoreOnNextShow(const BonusWindowState& state) { restore_ = state; }

  // What is dealt and picked; `dealt` is kDealt while the window plays, kFinished once its
  // result is in the machine's hand-over values.
  virtual BonusWindowState Snapshot() const = 0;

  static constexpr std::uint8_t kDealt = 1;
  static constexpr std::uint8_t kFinished = 2;

 protected:
  void Progress() const {
    if (progress_) progress_();
  }
  std::optional<BonusWindowState> TakeRestore() { return std::exchange(restore_, std::nullopt); }

 private:
  std::function<void()> progress_;
  std::optional<BonusWindowState> restore_;
};

}  // namespace tarvolenka
