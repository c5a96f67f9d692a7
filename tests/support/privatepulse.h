#pragma once

#include <QByteArray>
#include <QProcess>
#include <QTemporaryDir>

// A PulseAudio daemon of the test's own, with one null sink whose monitor can be
// recorded: real playback, checked without speakers. Start it before anything
// touches Qt Multimedia, which connects to the server named at its first use.
class PrivatePulse {
 public:
  PrivatePulse() = default;
  ~PrivatePulse();
  PrivatePulse(const PrivatePulse&) = delete;
  PrivatePulse& operator=(const PrivatePulse&) = delete;

  // Empty where a daemon of the test's own can start; otherwise why it cannot.
  static QString unavailable();

  // Starts the daemon and points this process's PULSE_SERVER at it.
  bool start();
  QString error() const { return error_; }

  // Plays silence into the sink until the end, so that its monitor records
  // all the time and a recording's samples keep time with the clock.
  bool keepSinkRunning();

  // Records the sink's monitor while `action` runs and for `millis` after it,
  // as signed 16-bit mono samples at kRecordingRate.
  template <typename Action>
  QByteArray record(Action action, int millis) {
    if (!startRecording()) {
      return {};
    }
    action();
    return stopRecording(millis);
  }
  static constexpr int kRecordingRate = 22050;
  // During `record`'s action: the bytes recorded so far, which stand for the
  // time up to now less the recorder's own delay of up to kRecorderDelayMs.
  qsizetype recordedSoFar();
  static constexpr int kRecorderDelayMs = 10;

 private:
  bool startRecording();
  QByteArray stopRecording(int millis);

  QTemporaryDir folder_;
  QProcess daemon_;
  QProcess recorder_;
  QProcess silence_;
  QString error_;
};

// The largest absolute sample value of signed 16-bit samples.
int peakLevel(const QByteArray& samples);

// Skips the test function where no daemon of the test's own can start.
#define VANDREL_SKIP_WITHOUT_PRIVATE_PULSE()          \
  do {                                                \
    const QString why_ = PrivatePulse::unavailable(); \
    if (!why_.isEmpty()) {                            \
      QSKIP(qPrintable(why_));                        \
    }                                                 \
  } while (false)
