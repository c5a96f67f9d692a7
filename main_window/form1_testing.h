#pragma once

#include <cstdint>
#include <functional>
#include <utility>

#include "drawtally.h"
#include "form1.h"
#include "randomsource.h"

// The tests' way into Form1: the state behind its widgets, and draws that can
// be replayed. Nothing in the program uses it.
class Form1Testing {
 public:
  // Draws from a generator started at `seed` and reseeded from `timeOfDay`
  // instead of the clock, so that a sequence of commands can be replayed.
  static void setDrawSource(Form1& form, std::uint64_t seed, std::function<float()> timeOfDay) {
    form.random_ = RandomSource(seed);
    form.timeOfDay_ = std::move(timeOfDay);
  }
  // How ticks count, in its stored form: 1 automatic, -1 manual.
  static std::int16_t drawMode(const Form1& form) {
    return static_cast<std::int16_t>(form.drawMode_);
  }
  static const DrawTally& tally(const Form1& form) { return form.tally_; }
};
