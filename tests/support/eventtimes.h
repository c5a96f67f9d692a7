#pragma once

#include <algorithm>
#include <chrono>
#include <vector>

// When something happened, in order, for checking a pace: unlike a count over
// the time a run took, a busy machine cannot make a pace that holds look broken.
using EventTimes = std::vector<std::chrono::steady_clock::time_point>;

inline void noteNow(EventTimes& times) { times.push_back(std::chrono::steady_clock::now()); }

// The most events that fell within any stretch of `span`.
inline int mostWithin(const EventTimes& times, std::chrono::steady_clock::duration span) {
  int most = 0;
  for (auto first = times.begin(); first != times.end(); ++first) {
    const auto end = std::upper_bound(first, times.end(), *first + span);
    most = std::max(most, static_cast<int>(end - first));
  }
  return most;
}
