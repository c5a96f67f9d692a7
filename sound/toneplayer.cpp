#include "toneplayer.h"

#include "soundoutputs.h"

TonePlayer::TonePlayer(QObject* parent) : QObject(parent) {}

TonePlayer::~TonePlayer() = default;

void TonePlayer::play(const std::vector<std::int16_t>& samples, int sampleRate) {
  if (output_ == nullptr) {
    if (SoundOutputs* outputs = soundOutputs()) {
      output_ = outputs->newTone();
    }
  }
  if (output_ == nullptr) {
    emit finished();
    return;
  }
  output_->play(samples, sampleRate, [this] { emit finished(); });
}

void TonePlayer::stop() {
  if (output_ != nullptr) {
    output_->stop();
  }
}

bool TonePlayer::isPlaying() const { return output_ != nullptr && output_->isPlaying(); }
