#include "toneplayer.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

#include <utility>

TonePlayer::TonePlayer(QObject* parent) : QObject(parent) {}

void TonePlayer::play(const std::vector<std::int16_t>& samples, int sampleRate) {
  stop();
  QAudioFormat format;
  format.setSampleRate(sampleRate);
  format.setChannelCount(1);
  format.setSampleFormat(QAudioFormat::Int16);
  const QAudioDevice device = QMediaDevices::defaultAudioOutput();
  if (device.isNull() || !device.isFormatSupported(format)) {
    emit finished();
    return;
  }
  buffer_.setData(QByteArray(reinterpret_cast<const char*>(samples.data()),
                             static_cast<qsizetype>(samples.size() * sizeof(std::int16_t))));
  buffer_.open(QIODevice::ReadOnly);
  sink_ = new QAudioSink(device, format, this);
  connect(sink_, &QAudioSink::stateChanged, this, &TonePlayer::sinkStateChanged);
  sink_->start(&buffer_);
}

void TonePlayer::stop() {
  if (sink_ == nullptr) {
    return;
  }
  QAudioSink* sink = std::exchange(sink_, nullptr);
  sink->disconnect(this);
  sink->stop();
  sink->deleteLater();
  buffer_.close();
}

// A sink goes idle when it has played all it was given, and stops on an error.
void TonePlayer::sinkStateChanged() {
  if (sink_ == nullptr) {
    return;
  }
  const QAudio::State state = sink_->state();
  if (state == QAudio::IdleState || state == QAudio::StoppedState) {
    stop();
    emit finished();
  }
}
