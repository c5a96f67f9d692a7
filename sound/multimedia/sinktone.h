#pragma once

#include <QObject>

#include "soundoutputs.h"

class QAudioSink;
class QBuffer;

// Samples played through a Qt Multimedia audio sink. Like the cues it never
// reports a failure and never waits: on a machine without sound it stays
// silent.
class SinkTone final : public QObject, public ToneOutput {
  Q_OBJECT

 public:
  SinkTone() = default;
  ~SinkTone() override;
  SinkTone(const SinkTone&) = delete;
  SinkTone& operator=(const SinkTone&) = delete;

  void play(const std::vector<std::int16_t>& samples, int sampleRate,
            std::function<void()> finished) override;
  void stop() override;
  bool isPlaying() const override { return sink_ != nullptr; }

 private:
  void sinkStateChanged();

  QAudioSink* sink_ = nullptr;
  QBuffer* buffer_ = nullptr;  // what sink_ reads; it goes with the sink
  std::function<void()> finished_;
};
