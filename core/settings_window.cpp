#include "core/settings_window.h"

#include <algorithm>
#include <string>

#include "catalogue/zoom_steps.h"

namespace tarvolenka {
namespace {

std::string Limit(std::int64_t amount) {
  return amount == 0 ? "без граница" : std::to_string(amount);
}

}  // namespace

void SettingsWindow::LoadAtStart() {
  FileResult read;
  settings_ = file_.Load(read);
  if (apply_) apply_(settings_, read);
}

void SettingsWindow::OnShow() {
  ShowValues();
  Choose(0);
}

void SettingsWindow::Click(std::uint16_t handler, int number) {
  const auto row = static_cast<SettingRow>(number);
  if (handler == static_cast<std::uint16_t>(SettingsClick::StepDown) ||
      handler == static_cast<std::uint16_t>(SettingsClick::StepUp))
    Choose(number);
  switch (static_cast<SettingsClick>(handler)) {
    case SettingsClick::None:
      return;
    case SettingsClick::StepDown:
      return Step(row, -1);
    case SettingsClick::StepUp:
      return Step(row, +1);
    case SettingsClick::Close:
      return d_.Close(WindowId::Settings);
  }
}

bool SettingsWindow::KeyPressed(Key key) {
  const auto row = static_cast<SettingRow>(chosen_);
  switch (key) {
    case Key::Up:
      Choose(chosen_ - 1);
      return true;
    case Key::Down:
      Choose(chosen_ + 1);
      return true;
    case Key::Left:
      Step(row, -1);
      return true;
    case Key::Right:
    case Key::Space:
      Step(row, +1);
      return true;
    default:
      return false;
  }
}

void SettingsWindow::Choose(int row) {
  chosen_ = std::clamp(row, 0, kSettingRows - 1);
  for (int r = 0; r < kSettingRows; ++r)
    d_.SetPanelColour(Ref(SettingValue(static_cast<SettingRow>(r))),
                      r == chosen_ ? settings_window::kChosenPlate : settings_window::kValuePlate);
}

void SettingsWindow::Step(SettingRow row, int direction) {
  AutoPlayChoices& a = settings_.autoPlay;
  switch (row) {
    case SettingRow::Zoom:
      // The desktop keeps and remembers its zoom; nothing here is written.
      d_.SetZoomPercent(d_.zoomPercent() + direction * kZoomStepPercent);
      return ShowValues();
    case SettingRow::QuickSpin:
      settings_.quickSpin = !settings_.quickSpin;
      break;
    case SettingRow::Volume:
      settings_.volumePercent =
          std::clamp(settings_.volumePercent + direction * kVolumeStepPercent, 0, 100);
      break;
    case SettingRow::AutoPlaySpins:
      a.spins = StepChoice(kAutoPlaySpinChoices, a.spins, direction);
      break;
    case SettingRow::AutoPlayStopOnBonus:
      a.stopOnBonus = !a.stopOnBonus;
      break;
    case SettingRow::AutoPlayWinAbove:
      a.winAbove = StepChoice(kAutoPlayWinChoices, a.winAbove, direction);
      break;
    case SettingRow::AutoPlayBalanceBelow:
      a.balanceBelow = StepChoice(kAutoPlayBalanceChoices, a.balanceBelow, direction);
      break;
    case SettingRow::Count:
      return;
  }
  const FileResult written = file_.Save(settings_);
  if (apply_) apply_(settings_, written);
  ShowValues();
}

void SettingsWindow::ShowValues() {
  const auto show = [this](SettingRow row, const std::string& text) {
    d_.SetText(Ref(SettingValue(row)), text);
  };
  const AutoPlayChoices& a = settings_.autoPlay;
  show(SettingRow::Zoom, std::to_string(d_.zoomPercent()) + " %");
  show(SettingRow::QuickSpin, settings_.quickSpin ? "включено" : "изключено");
  show(SettingRow::Volume, std::to_string(settings_.volumePercent) + " %");
  show(SettingRow::AutoPlaySpins, a.spins == 0 ? "до спиране" : std::to_string(a.spins));
  show(SettingRow::AutoPlayStopOnBonus, a.stopOnBonus ? "да" : "не");
  show(SettingRow::AutoPlayWinAbove, Limit(a.winAbove));
  show(SettingRow::AutoPlayBalanceBelow, Limit(a.balanceBelow));
}

}  // namespace tarvolenka
