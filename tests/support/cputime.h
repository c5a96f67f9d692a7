#pragma once

#include <chrono>
#include <ctime>

// CPU time this thread spends in `action`: unlike the wall clock, it does not
// grow when a loaded machine gives the test less of a core.
template <typename Action>
std::chrono::microseconds threadCpuTimeOf(Action action) {
  auto now = [] {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return std::chrono::seconds(t.tv_sec) + std::chrono::nanoseconds(t.tv_nsec);
  };
  const auto start = now();
  action();
  return std::chrono::duration_cast<std::chrono::microseconds>(now() - start);
}
