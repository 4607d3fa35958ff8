#include "core/play_settings.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string>

namespace tarvolenka {
namespace {

constexpr auto kPlay = "play";
constexpr auto kAutoPlay = "autoplay";
// A limit past this is not one the settings window offers or a balance could reach.
constexpr std::int64_t kLargestLimit = 1'000'000'000'000;

std::optional<std::int64_t> Number(const SettingsFile& file, const char* section, const char* key,
                                   std::int64_t lowest, std::int64_t highest) {
  const std::optional<std::string> text = file.Value(section, key);
  if (!text) return std::nullopt;
  std::int64_t value = 0;
  const char* end = text->data() + text->size();
  const auto [stop, error] = std::from_chars(text->data(), end, value);
  if (error != std::errc() || stop != end || value < lowest || value > highest) return std::nullopt;
  return value;
}

std::optional<bool> Flag(const SettingsFile& file, const char* section, const char* key) {
  const std::optional<std::string> text = file.Value(section, key);
  if (text == "true") return true;
  if (text == "false") return false;
  return std::nullopt;
}

const char* FlagText(bool on) {
  return on ? "true" : "false";
}

}  // namespace

PlaySettings ReadPlaySettings(const SettingsFile& file) {
  PlaySettings s;
  s.quickSpin = Flag(file, kPlay, "quickSpin").value_or(s.quickSpin);
  s.volumePercent =
      static_cast<int>(Number(file, kPlay, "volumePercent", 0, 100).value_or(s.volumePercent));
  AutoPlayChoices& a = s.autoPlay;
  if (const auto spins = Number(file, kAutoPlay, "spins", 0, kLargestLimit);
      spins && std::ranges::find(kAutoPlaySpinChoices, *spins) != kAutoPlaySpinChoices.end())
    a.spins = *spins;
  a.stopOnBonus = Flag(file, kAutoPlay, "stopOnBonus").value_or(a.stopOnBonus);
  a.winAbove = Number(file, kAutoPlay, "stopOnWinAbove", 0, kLargestLimit).value_or(a.winAbove);
  a.balanceBelow =
      Number(file, kAutoPlay, "stopBelowBalance", 0, kLargestLimit).value_or(a.balanceBelow);
  return s;
}

void WritePlaySettings(const PlaySettings& s, SettingsFile& file) {
  file.SetValue(kPlay, "quickSpin", FlagText(s.quickSpin));
  file.SetValue(kPlay, "volumePercent", std::to_string(s.volumePercent));
  file.SetValue(kAutoPlay, "spins", std::to_string(s.autoPlay.spins));
  file.SetValue(kAutoPlay, "stopOnBonus", FlagText(s.autoPlay.stopOnBonus));
  file.SetValue(kAutoPlay, "stopOnWinAbove", std::to_string(s.autoPlay.winAbove));
  file.SetValue(kAutoPlay, "stopBelowBalance", std::to_string(s.autoPlay.balanceBelow));
}

}  // namespace tarvolenka
