#pragma once

#include <functional>

#include "catalogue/settings_elements.h"
#include "core/desktop.h"
#include "core/play_settings_file.h"

namespace tarvolenka {

// The settings window: each row's value steps down and up between its choices, and every step
// applies at once and is remembered. The zoom is the desktop's; the rest are the player's play
// settings, handed to `apply` with the outcome of writing them down.
class SettingsWindow : public WindowLogic {
 public:
  using Apply = std::function<void(const PlaySettings&, const FileResult& written)>;

  SettingsWindow(WindowPort& windows, PlaySettingsFile file)
      : d_(windows), file_(std::move(file)) {}

  void SetApply(Apply apply) { apply_ = std::move(apply); }
  // The settings as the file has them, handed to `apply`, with how the file was read.
  void LoadAtStart();

  void OnShow() override;
  void Click(std::uint16_t handler, int number) override;
  // ↑ ↓ choose a row, ← → step its value, as its arrows do; the chosen row's value is lit.
  bool KeyPressed(Key key) override;

  const PlaySettings& settings() const { return settings_; }

 private:
  void Step(SettingRow row, int direction);
  void ShowValues();
  void Choose(int row);

  WindowPort& d_;
  PlaySettingsFile file_;
  PlaySettings settings_;
  Apply apply_;
  int chosen_ = 0;
};

}  // namespace tarvolenka
