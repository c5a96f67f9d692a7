#include "experiment.h"

#include <cmath>

#include "randomsource.h"

std::int16_t cardFromUniform(double r) {
  return static_cast<std::int16_t>(std::floor(r * kCardCount + 1));
}

std::int16_t drawCard(RandomSource& source, const std::function<float()>& timeOfDay) {
  source.reseed(timeOfDay());
  return cardFromUniform(source.uniform());
}

std::int16_t rankOf(std::int16_t card) {
  constexpr std::int16_t kKing = 13;
  if (card == 13 || card == 26 || card == 39 || card == 52) {
    return kKing;
  }
  return static_cast<std::int16_t>(card % kKing);
}

bool isHit(std::int16_t rank) { return rank % 3 == 0; }

ManualTrial countManualTrial(Module1& shared, DrawTally& tally) {
  ManualTrial result;
  if (shared.trialCount >= kHistoryLast) {
    result.trialCount = shared.trialCount;
    result.ratio = shared.lastRatio();
    return result;
  }
  result.counted = true;
  shared.trialCount += 1;
  tally.cardRank = rankOf(tally.currentCard);
  result.hit = isHit(tally.cardRank);
  if (result.hit) {
    tally.hitCount += 1;
  }
  result.trialCount = shared.trialCount;
  result.ratio = storeRatio(shared, tally);
  return result;
}

AutomaticTrial countAutomaticTrial(Module1& shared, DrawTally& tally) {
  AutomaticTrial result;
  if (shared.trialCount < kAutomaticRunLength) {
    tally.cardRank = rankOf(tally.currentCard);
    result.hit = isHit(tally.cardRank);
    if (result.hit) {
      tally.hitCount += 1;
    }
    shared.trialCount += 1;
  } else {
    result.ended = true;
  }
  return result;
}

float storeRatio(Module1& shared, const DrawTally& tally) {
  const double ratio = static_cast<double>(tally.hitCount) / shared.trialCount;
  auto& entry = shared.ratioHistory.at(static_cast<std::size_t>(shared.trialCount));
  entry = static_cast<float>(ratio);
  return entry;
}
