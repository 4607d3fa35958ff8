#pragma once

// Every duration of the game, in milliseconds, in one place: the windows' timers and the
// pauses of the logic both read them from here.

namespace tarvolenka::durations {

// Main window timers.
inline constexpr int kSpinTickStart = 1;     // the spin timer, before the stop schedule slows it
inline constexpr int kIdleRepaint = 300;     // the idle repaint timer
inline constexpr int kFreeSpinPause = 2000;  // the free-spin timer
inline constexpr int kCountdownTick = 1000;  // the timed bonus countdown
inline constexpr int kAutoPlayPause = 2000;  // the auto-play timer

// Quick spin plays the stop schedule and the gaps between spins at this many microseconds for
// each of their milliseconds: in three eighths of their time.
inline constexpr int kNormalTempo = 1000;
inline constexpr int kQuickTempo = 375;

// Spin timer periods of the stop schedule, by stage (all turning, then 1..4 reels stopped).
inline constexpr int kSpinTickPeriods[5] = {1, 5, 10, 15, 20};

// How long a win's amount shows over the reels, and a big win's celebration, in idle repaints.
inline constexpr int kWinBannerRepaints = 12;
inline constexpr int kBigWinCelebrationRepaints = 20;
// Each tier of a big win above the first celebrates this many repaints longer.
inline constexpr int kBigWinTierRepaints = 5;
// A big win's amount counts up from nothing over this many repaints.
inline constexpr int kWinCountUpRepaints = 8;
// After it, each winning line shows on its own, in turn, for this many idle repaints.
inline constexpr int kWinLineRepaints = 5;

// Blocking pauses.
inline constexpr int kBeforeBonusChooser = 1000;
inline constexpr int kAfterHatPick = 4000;
inline constexpr int kMezeRevealStep = 400;
inline constexpr int kMezeRowEnd = 4000;
inline constexpr int kBottlesRevealStep = 1000;
inline constexpr int kBottlesEnd = 6000;
inline constexpr int kCupsRevealStep = 300;
inline constexpr int kCupsEnd = 6000;
inline constexpr int kAfterGoldenPick = 4000;
inline constexpr int kBoardRevealStep = 400;
inline constexpr int kBoardEnd = 7000;
inline constexpr int kAfterGuess = 1000;
inline constexpr int kDoubleUpEnd = 4000;

// Double-up timers.
inline constexpr int kDoubleBlink = 400;       // the blink timer at opening
inline constexpr int kDoubleBlinkFaster = 30;  // the blink gets this much faster per rung
inline constexpr int kDoubleShake = 100;       // the shake timer

// Mega bonus light.
inline constexpr int kMegaLightFast = 100;
inline constexpr int kMegaLightSlow1 = 200;
inline constexpr int kMegaLightSlow2 = 300;
inline constexpr int kMegaLightSlow3 = 400;

// The timed bonus comes due this long after it was taken.
inline constexpr int kTimedBonusInterval = 60 * 60 * 1000;

// The statistics look again this often while a large history is being counted.
inline constexpr int kStatisticsCounting = 250;

}  // namespace tarvolenka::durations
