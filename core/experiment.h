#pragma once

#include <cstdint>
#include <functional>

#include "drawtally.h"
#include "module1.h"

class RandomSource;

// The rules of the card experiment: which card a draw gives, its rank, what
// counts as a hit, and how draws are tallied into Module1 and the main
// window's DrawTally.

inline constexpr int kCardCount = 52;
inline constexpr std::int32_t kAutomaticRunLength = 1000;

// A card number 1-52 from a uniform value 0 <= r < 1.
std::int16_t cardFromUniform(double r);

// Reseeds from the clock, then draws one card.
std::int16_t drawCard(RandomSource& source, const std::function<float()>& timeOfDay);

// 1-13; 0 for card 0.
std::int16_t rankOf(std::int16_t card);
bool isHit(std::int16_t rank);

struct ManualTrial {
  bool counted = false;  // false only when the history is full
  bool hit = false;
  std::int32_t trialCount = 0;
  float ratio = 0.0F;
};

// Counts the card on view: the trial first, then the card.
ManualTrial countManualTrial(Module1& shared, DrawTally& tally);

struct AutomaticTrial {
  bool ended = false;  // a run's 1000 draws were already counted; nothing changed
  bool hit = false;
};

// Counts the card on view unless the run is complete: the card first, then the trial.
AutomaticTrial countAutomaticTrial(Module1& shared, DrawTally& tally);

// Writes and returns the history entry at trialCount: hitCount / trialCount,
// divided in double precision and stored in single precision.
float storeRatio(Module1& shared, const DrawTally& tally);
