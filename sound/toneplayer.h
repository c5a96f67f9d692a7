#pragma once

#include <QObject>

#include <cstdint>
#include <memory>
#include <vector>

class ToneOutput;

// Plays generated sound, signed 16-bit mono samples, on the desktop's default
// audio output, the device the cues sound on. Like the cues it never reports a
// failure and never waits: on a machine without sound it stays silent.
class TonePlayer : public QObject {
  Q_OBJECT

 public:
  explicit TonePlayer(QObject* parent);
  ~TonePlayer() override;
  TonePlayer(const TonePlayer&) = delete;
  TonePlayer& operator=(const TonePlayer&) = delete;

  // Starts `samples` at `sampleRate`, stopping whatever was playing.
  void play(const std::vector<std::int16_t>& samples, int sampleRate);
  void stop();
  bool isPlaying() const;

 signals:
  // The samples have all been played, or playing them failed.
  void finished();

 private:
  std::unique_ptr<ToneOutput> output_;  // from the first play on
};
