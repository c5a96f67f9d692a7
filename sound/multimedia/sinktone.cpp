#include "sinktone.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>

#include <utility>

SinkTone::~SinkTone() { stop(); }

void SinkTone::play(const std::vector<std::int16_t>& samples, int sampleRate,
                    std::function<void()> finished) {
  stop();
  QAudioFormat format;
  format.setSampleRate(sampleRate);
  format.setChannelCount(1);
  format.setSampleFormat(QAudioFormat::Int16);
  const QAudioDevice device = QMediaDevices::defaultAudioOutput();
  if (device.isNull() || !device.isFormatSupported(format)) {
    finished();
    return;
  }
  finished_ = std::move(finished);
  // No parent: Qt gives the sink's backend the same one, and neither may go
  // with this player (see stop()).
  sink_ = new QAudioSink(device, format);
  buffer_ = new QBuffer(sink_);
  buffer_->setData(QByteArray(reinterpret_cast<const char*>(samples.data()),
                              static_cast<qsizetype>(samples.size() * sizeof(std::int16_t))));
  buffer_->open(QIODevice::ReadOnly);
  connect(sink_, &QAudioSink::stateChanged, this, &SinkTone::sinkStateChanged);
  sink_->start(buffer_);
}

void SinkTone::stop() {
  if (sink_ == nullptr) {
    return;
  }
  QAudioSink* sink = std::exchange(sink_, nullptr);
  buffer_ = nullptr;
  finished_ = nullptr;
  sink->disconnect(this);
  sink->stop();
  // Qt's sink turns the event loop as it is destroyed, which must never happen
  // inside a handler or inside the destruction of the window that plays: it
  // goes from the event loop itself, on its own, whatever has gone by then.
  sink->deleteLater();
}

// A sink goes idle when it has played all it was given, and stops on an error.
// It also goes idle for a moment when the sound server ran dry on a busy
// machine; it then feeds on by itself, and the tone is not over.
void SinkTone::sinkStateChanged() {
  if (sink_ == nullptr) {
    return;
  }
  const QAudio::State state = sink_->state();
  const bool starved =
      state == QAudio::IdleState && sink_->error() == QAudio::UnderrunError && !buffer_->atEnd();
  if ((state == QAudio::IdleState && !starved) || state == QAudio::StoppedState) {
    std::function<void()> finished = std::move(finished_);
    stop();
    finished();
  }
}
