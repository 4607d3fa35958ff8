#pragma once

// Date-times as the save file keeps them: a binary64 number of days since 30 December 1899,
// 00:00 local time, with the elapsed fraction of the day.

#include <cstdint>
#include <string>

namespace tarvolenka {

using DateTime = double;

inline constexpr double kMillisPerDay = 86400000.0;

// The day number of a local calendar date and time of day.
DateTime MakeDateTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0,
                      int millis = 0);

// `later` plus one hour, computed on the day number as (t × 24 + 1) / 24.
constexpr DateTime PlusOneHour(DateTime t) {
  return (t * 24.0 + 1.0) / 24.0;
}

// The distance between two date-times as "HH:mm:ss": rounded to whole milliseconds, sign
// dropped, hours of the time of day (00..23).
std::string FormatDistance(DateTime a, DateTime b);

// The time left until `due` as "HH:mm:ss", rounded up to whole seconds so that it never shows
// less than remains; once due, the time since, as FormatDistance shows it.
std::string FormatCountdown(DateTime due, DateTime now);

// Whether `now` has reached `due`, taking times less than a millisecond apart as equal.
bool IsDue(DateTime now, DateTime due);

}  // namespace tarvolenka
