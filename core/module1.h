#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// The experiment state shared by every window for the whole run of the program.
// One instance is owned by the program and outlives all windows.
inline constexpr std::int32_t kHistoryLast = 100000;

struct Module1 {
  // Counted draws; 32 bits so that manual sessions past 32767 keep counting.
  std::int32_t trialCount = 0;
  // Entry n is the observed ratio after the n-th counted draw. Entry 0 is never
  // written, and nothing ever clears the array: a reset leaves old ratios behind.
  std::array<float, kHistoryLast + 1> ratioHistory{};

  // The ratio after the last counted draw; 0 before the first.
  float lastRatio() const {
    return trialCount > 0 ? ratioHistory.at(static_cast<std::size_t>(trialCount)) : 0.0F;
  }
};
