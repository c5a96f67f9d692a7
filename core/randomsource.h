#pragma once

#include <array>
#include <cstdint>

// Uniform pseudo-random values in [0, 1), reseeded from the time of day before
// every draw.
//
// The time value is folded into a running key rather than restarting the
// generator: the clock, as a float of seconds since midnight, only changes every
// few milliseconds, and a restart would repeat the same card at every draw in
// between. The underlying stream is xoshiro256** (Blackman and Vigna), which
// never restarts; each output is XORed with the key, which depends only on the
// sequence of time values. An i.i.d. uniform stream XORed with any sequence
// independent of it stays i.i.d. uniform, so the time can never bias a draw.
class RandomSource {
 public:
  explicit RandomSource(std::uint64_t seed);

  // A seed from the operating system's entropy source, so that two runs started
  // at the same moment still draw differently.
  static std::uint64_t entropySeed();

  void reseed(float secondsSinceMidnight);
  double uniform();  // 0 <= r < 1, 53 random bits

 private:
  std::uint64_t nextBits();

  std::array<std::uint64_t, 4> state_{};
  std::uint64_t key_ = 0;
};

// The time of day as the runtime gives it: seconds since local midnight,
// with fractional seconds, in single precision.
float secondsSinceMidnight();
