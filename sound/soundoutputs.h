#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QWidget;

// What the program's sound is played through. On the desktop Qt Multimedia,
// with the sound server's libraries under it, comes in a module of its own
// (multimedia/), loaded after the first frame, or when a sound is first
// played if that comes sooner: it was a quarter of the CPU a start took.

// A wave file, played whole.
class WaveOutput {
 public:
  WaveOutput() = default;
  virtual ~WaveOutput() = default;
  WaveOutput(const WaveOutput&) = delete;
  WaveOutput& operator=(const WaveOutput&) = delete;

  virtual void setSource(const QString& path) = 0;  // an empty path: none
  virtual void play() = 0;
  virtual void stop() = 0;
  virtual bool isPlaying() const = 0;
};

// Signed 16-bit mono samples, played on the desktop's default audio output.
class ToneOutput {
 public:
  ToneOutput() = default;
  virtual ~ToneOutput() = default;
  ToneOutput(const ToneOutput&) = delete;
  ToneOutput& operator=(const ToneOutput&) = delete;

  // Starts `samples`, stopping whatever was playing. `finished` is called
  // once, from the event loop or at once, when all have been played or
  // playing them failed; not after stop().
  virtual void play(const std::vector<std::int16_t>& samples, int sampleRate,
                    std::function<void()> finished) = 0;
  virtual void stop() = 0;
  virtual bool isPlaying() const = 0;
};

class SoundOutputs {
 public:
  SoundOutputs() = default;
  virtual ~SoundOutputs() = default;
  SoundOutputs(const SoundOutputs&) = delete;
  SoundOutputs& operator=(const SoundOutputs&) = delete;

  virtual std::unique_ptr<WaveOutput> newWave() = 0;
  virtual std::unique_ptr<ToneOutput> newTone() = 0;
};

// Loaded at the first call, and kept. Null where the module cannot be loaded:
// the program then stays silent, as on a machine without sound.
SoundOutputs* soundOutputs();

// Loads the module on a thread of its own once `window` has painted its
// first frame, so that the first sound need not wait for it.
void loadSoundAfterFirstFrame(QWidget* window);
