#pragma once

#include <cstdint>

// The part of the experiment the main window owns; it starts afresh whenever
// that window is loaded.
struct DrawTally {
  std::int16_t currentCard = 0;  // card on view, 1-52; 0 before the first draw
  std::int16_t cardRank = 0;     // rank of currentCard as last computed
  std::int32_t hitCount = 0;     // counted draws whose rank is a multiple of 3
};
