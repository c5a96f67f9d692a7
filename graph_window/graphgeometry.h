#pragma once

#include <cstdint>

#include "experiment.h"

// Where the graph puts its parts, in Picture1's units: 1100 across, 120 down.
// A trial n lies at x = 100 + n and a ratio r at y = 110 - 100 r, so the
// origin of the graph (trial 0, ratio 0) is at (100, 110).
namespace graph {

inline constexpr double kScaleWidth = 1100;
inline constexpr double kScaleHeight = 120;

constexpr double xFor(std::int32_t trial) { return 100.0 + trial; }
constexpr double yFor(double ratio) { return 110.0 - 100.0 * ratio; }

// An automatic run just fits across; trials past it lie right of the drawing
// area and are never seen.
inline constexpr std::int32_t kLastVisibleTrial = kAutomaticRunLength;
static_assert(xFor(kLastVisibleTrial) == kScaleWidth, "the last trial at the right edge");

// The vertical axis rises a little above the ratio 1.00.
inline constexpr double kAxisTop = 5;

// A row of marks drawn by one loop: `first` to `last` by `step`.
struct Marks {
  int first;
  int last;
  int step;
};

// Ratio ticks, at y = 10 ... 100 (the ratios 1.0 ... 0.1), across the axis.
inline constexpr Marks kRatioTicks{10, 100, 10};
inline constexpr double kRatioTickLeft = 95;
inline constexpr double kRatioTickRight = 105;

// The dashed line at the ratio 0.30: a dash of 10 units starting every 20.
inline constexpr double kDashedRatio = 0.30;
inline constexpr Marks kDashes{100, 1080, 20};
inline constexpr double kDashLength = 10;

// Trial ticks, at x = 100 ... 1000 (the trials 0 ... 900), across the axis.
inline constexpr Marks kTrialTicks{100, 1080, 100};
inline constexpr double kTrialTickTop = 109;
inline constexpr double kTrialTickBottom = 111;

}  // namespace graph
