#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "graphgeometry.h"

// The graph as sound: the ratio history played as a tone whose pitch follows
// the ratio, low for 0 and high for 1, one draw after another.
namespace ratiotone {

inline constexpr int kSampleRate = 22050;  // mono, signed 16-bit

// Pitch on a logarithmic scale: two octaves from the ratio 0 to the ratio 1.
inline constexpr double kPitchAtZero = 220;  // Hz
inline constexpr double kPitchAtOne = 880;   // Hz

// 1000 draws take four seconds.
inline constexpr double kSecondsPerDraw = 0.004;

// First, a short soft tone at the ratio of the graph's dashed line, then a pause.
inline constexpr double kReferenceRatio = graph::kDashedRatio;
inline constexpr double kReferenceSeconds = 0.4;
inline constexpr double kPauseSeconds = 0.2;

// Loudness, as a share of full scale.
inline constexpr double kReferenceLevel = 0.15;
inline constexpr double kToneLevel = 0.4;

// The pitch a ratio is heard at, in Hz.
double pitchFor(double ratio);

// Samples to play for the ratios after draws 1, 2, ... in order: the reference
// tone, the pause, then each draw's ratio for kSecondsPerDraw. The tone's phase
// runs on across changes of pitch and each part fades in and out, so it plays
// without clicks.
std::vector<std::int16_t> samplesFor(std::span<const float> ratios);

// Where the sweep of the draws starts, in samples.
std::size_t sweepStart();

}  // namespace ratiotone
