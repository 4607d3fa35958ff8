#include "core/date_time.h"

#include <cmath>
#include <cstdio>

namespace tarvolenka {
namespace {

// Days from 1 March of year 0 (proleptic Gregorian) to the given civil date.
std::int64_t DaysFromCivil(int y, int m, int d) {
  y -= m <= 2 ? 1 : 0;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yoe = y - era * 400;
  const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe;
}

}  // namespace

DateTime MakeDateTime(int year, int month, int day, int hour, int minute, int second, int millis) {
  const std::int64_t days = DaysFromCivil(year, month, day) - DaysFromCivil(1899, 12, 30);
  const double ms = ((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + millis;
  return static_cast<double>(days) + ms / kMillisPerDay;
}

std::string FormatDistance(DateTime a, DateTime b) {
  double diff = std::fabs(a - b) * kMillisPerDay;
  if (!std::isfinite(diff)) diff = 0;
  const auto ms = static_cast<std::int64_t>(std::llround(std::fmod(diff, kMillisPerDay)));
  const std::int64_t secs = (ms / 1000) % 86400;
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", static_cast<int>(secs / 3600),
                static_cast<int>(secs / 60 % 60), static_cast<int>(secs % 60));
  return text;
}

std::string FormatCountdown(DateTime due, DateTime now) {
  if (IsDue(now, due)) return FormatDistance(due, now);  // counts up again under the button
  double left = (due - now) * kMillisPerDay;
  if (!std::isfinite(left)) left = 0;
  const auto ms = static_cast<std::int64_t>(std::llround(std::fmod(left, kMillisPerDay)));
  const std::int64_t secs = (ms + 999) / 1000 % 86400;
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d:%02d", static_cast<int>(secs / 3600),
                static_cast<int>(secs / 60 % 60), static_cast<int>(secs % 60));
  return text;
}

bool IsDue(DateTime now, DateTime due) {
  return (due - now) * kMillisPerDay < 1.0;
}

}  // namespace tarvolenka
