#include "randomsource.h"

#include <bit>
#include <chrono>
#include <cstring>
#include <ctime>
#include <random>

namespace {

std::uint64_t splitMix64(std::uint64_t& x) {
  std::uint64_t z = (x += 0x9E3779B97F4A7C15ULL);
  z = (z ^ (z >> 30U)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27U)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31U);
}

}  // namespace

RandomSource::RandomSource(std::uint64_t seed) {
  for (auto& word : state_) {
    word = splitMix64(seed);
  }
  key_ = splitMix64(seed);
}

std::uint64_t RandomSource::entropySeed() {
  std::random_device device;
  return (std::uint64_t{device()} << 32U) ^ device();
}

void RandomSource::reseed(float secondsSinceMidnight) {
  std::uint32_t bits = 0;
  static_assert(sizeof bits == sizeof secondsSinceMidnight);
  std::memcpy(&bits, &secondsSinceMidnight, sizeof bits);
  std::uint64_t mixed = key_ ^ bits;
  key_ = splitMix64(mixed);
}

std::uint64_t RandomSource::nextBits() {
  const std::uint64_t result = std::rotl(state_[1] * 5U, 7) * 9U;
  const std::uint64_t t = state_[1] << 17U;
  state_[2] ^= state_[0];
  state_[3] ^= state_[1];
  state_[1] ^= state_[2];
  state_[0] ^= state_[3];
  state_[2] ^= t;
  state_[3] = std::rotl(state_[3], 45);
  return result;
}

double RandomSource::uniform() {
  constexpr double kTwoToMinus53 = 0x1.0p-53;
  return static_cast<double>((nextBits() ^ key_) >> 11U) * kTwoToMinus53;
}

float secondsSinceMidnight() {
  using namespace std::chrono;
  const auto now = system_clock::now();
  const std::time_t seconds = system_clock::to_time_t(now);
  std::tm local{};
#if defined(_WIN32)
  localtime_s(&local, &seconds);  // Windows' own thread-safe form, its arguments reversed
#else
  localtime_r(&seconds, &local);
#endif
  const auto fraction = duration<double>(now - system_clock::from_time_t(seconds)).count();
  const double sinceMidnight =
      local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + fraction;
  return static_cast<float>(sinceMidnight);
}
