#pragma once

#include <QSoundEffect>

#include "soundoutputs.h"

// A wave file played by Qt Multimedia's sound effect.
class WaveEffect final : public WaveOutput {
 public:
  void setSource(const QString& path) override;
  void play() override { effect_.play(); }
  void stop() override { effect_.stop(); }
  bool isPlaying() const override { return effect_.isPlaying(); }

 private:
  QSoundEffect effect_;
};
