#include "ratiotone.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ratiotone {

namespace {

constexpr double kFadeSeconds = 0.005;
constexpr double kFullScale = 32767;

std::size_t samplesIn(double seconds) {
  return static_cast<std::size_t>(std::lround(seconds * kSampleRate));
}

// Appends a tone whose pitch for each stretch of `perStep` samples comes from
// `pitch(step)`, fading in at its start and out at its end.
template <typename Pitch>
void appendTone(std::vector<std::int16_t>& out, std::size_t steps, std::size_t perStep,
                double level, Pitch pitch) {
  const std::size_t length = steps * perStep;
  const auto fade = static_cast<double>(samplesIn(kFadeSeconds));
  double phase = 0;
  for (std::size_t index = 0; index < length; ++index) {
    const double frequency = pitch(index / perStep);
    phase += 2 * std::numbers::pi * frequency / kSampleRate;
    const double fromEdge = static_cast<double>(std::min(index, length - 1 - index));
    const double envelope = std::min(1.0, fromEdge / fade);
    out.push_back(
        static_cast<std::int16_t>(std::lround(kFullScale * level * envelope * std::sin(phase))));
  }
}

}  // namespace

double pitchFor(double ratio) {
  const double clamped = std::clamp(ratio, 0.0, 1.0);
  return kPitchAtZero * std::pow(kPitchAtOne / kPitchAtZero, clamped);
}

std::size_t sweepStart() { return samplesIn(kReferenceSeconds) + samplesIn(kPauseSeconds); }

std::vector<std::int16_t> samplesFor(std::span<const float> ratios) {
  std::vector<std::int16_t> out;
  out.reserve(sweepStart() + ratios.size() * samplesIn(kSecondsPerDraw));
  appendTone(out, 1, samplesIn(kReferenceSeconds), kReferenceLevel,
             [](std::size_t /*step*/) { return pitchFor(kReferenceRatio); });
  out.resize(sweepStart(), 0);
  appendTone(out, ratios.size(), samplesIn(kSecondsPerDraw), kToneLevel,
             [ratios](std::size_t step) { return pitchFor(static_cast<double>(ratios[step])); });
  return out;
}

}  // namespace ratiotone
