#include "privatepulse.h"

#include <QFileInfo>
#include <QProcessEnvironment>
#include <QTest>

#if !defined(Q_OS_WIN)
#include <sys/prctl.h>
#include <unistd.h>
#endif

#include <csignal>
#include <cstdlib>
#include <cstring>

namespace {

const char* const kSink = "vandrel_test";

// The helpers end with the test, however it ends: a failed check, an abort, or
// CTest killing it at its timeout.
void endWithTheTest([[maybe_unused]] QProcess& process) {
#if !defined(Q_OS_WIN)
  process.setChildProcessModifier([] {
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (::getppid() == 1) {
      ::_exit(1);  // the test was already gone
    }
  });
#endif
}

// What pactl lists of the daemon's objects of one kind.
QByteArray listed(const QStringList& what) {
  QProcess list;
  list.start(QStringLiteral("pactl"), QStringList{QStringLiteral("list")} + what);
  list.waitForFinished(3000);
  return list.readAllStandardOutput();
}

}  // namespace

PrivatePulse::~PrivatePulse() {
  recorder_.kill();
  recorder_.waitForFinished();
  silence_.kill();
  silence_.waitForFinished();
  daemon_.terminate();
  if (!daemon_.waitForFinished(3000)) {
    daemon_.kill();
    daemon_.waitForFinished();
  }
}

QString PrivatePulse::unavailable() {
#if defined(Q_OS_WIN)
  return QStringLiteral("a Windows program cannot start a PulseAudio daemon of its own");
#else
  // A cross build runs its tests under qemu-user, where Qt cannot start a program.
  return qEnvironmentVariableIsSet("VANDREL_TESTS_EMULATED")
             ? QStringLiteral("no sound server can be started under emulation")
             : QString();
#endif
}

bool PrivatePulse::start() {
  const QString socket = folder_.filePath(QStringLiteral("native"));
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder_.path());
  environment.insert(QStringLiteral("HOME"), folder_.path());
  daemon_.setProcessEnvironment(environment);
  endWithTheTest(daemon_);
  // Not tied to our output: a daemon outliving a crashed test must not hold CTest up.
  daemon_.setStandardErrorFile(QProcess::nullDevice());
  daemon_.setStandardOutputFile(QProcess::nullDevice());
  daemon_.start(
      QStringLiteral("pulseaudio"),
      {"--daemonize=no", "--system=false", "--exit-idle-time=-1", "-n", "--use-pid-file=no",
       "--log-level=error", "--load=module-native-protocol-unix auth-anonymous=1 socket=" + socket,
       QStringLiteral("--load=module-null-sink sink_name=") + kSink});
  const bool listening =
      QTest::qWaitFor(
          [&] { return QFileInfo::exists(socket) || daemon_.state() == QProcess::NotRunning; },
          10000) &&
      QFileInfo::exists(socket);
  if (!listening) {
    error_ = QStringLiteral("the PulseAudio daemon did not start; is pulseaudio installed?");
    return false;
  }
  qputenv("PULSE_SERVER", ("unix:" + socket).toLocal8Bit());
  qputenv("XDG_RUNTIME_DIR", folder_.path().toLocal8Bit());
  return true;
}

bool PrivatePulse::startRecording() {
  recorder_.setStandardErrorFile(QProcess::nullDevice());
  endWithTheTest(recorder_);
  recorder_.start(QStringLiteral("parec"),
                  {QStringLiteral("--device=%1.monitor").arg(kSink), "--format=s16le",
                   "--channels=1", QStringLiteral("--rate=%1").arg(kRecordingRate),
                   QStringLiteral("--latency-msec=%1").arg(kRecorderDelayMs)});
  if (!recorder_.waitForStarted()) {
    error_ = QStringLiteral("parec did not start");
    return false;
  }
  // Nothing is played until the recording stream is connected and running: on
  // a busy machine parec can take a while, and an idle null sink records
  // nothing, so no first bytes can tell.
  const bool recording =
      QTest::qWaitFor([] { return listed({"source-outputs"}).contains("Corked: no"); }, 10000);
  if (!recording) {
    error_ = QStringLiteral("parec did not connect to the sound server");
  }
  return recording;
}

bool PrivatePulse::keepSinkRunning() {
  endWithTheTest(silence_);
  silence_.setStandardErrorFile(QProcess::nullDevice());
  silence_.setStandardInputFile(QStringLiteral("/dev/zero"));
  silence_.start(QStringLiteral("pacat"),
                 {QStringLiteral("--device=%1").arg(kSink), "--format=s16le", "--channels=1",
                  QStringLiteral("--rate=%1").arg(kRecordingRate),
                  // The sink renders as often as its shortest stream asks.
                  QStringLiteral("--latency-msec=%1").arg(kRecorderDelayMs)});
  const bool playing = silence_.waitForStarted() &&
                       QTest::qWaitFor(
                           [] {
                             return !listed({"short", "sink-inputs"}).trimmed().isEmpty();
                           },
                           10000);
  if (!playing) {
    error_ = QStringLiteral("pacat did not play into the sink");
  }
  return playing;
}

qsizetype PrivatePulse::recordedSoFar() {
  recorder_.waitForReadyRead(0);
  return recorder_.bytesAvailable();
}

QByteArray PrivatePulse::stopRecording(int millis) {
  QTest::qWait(millis);
#if !defined(Q_OS_WIN)
  // parec writes out what it holds only when interrupted, not when terminated.
  ::kill(static_cast<pid_t>(recorder_.processId()), SIGINT);
#endif
  recorder_.waitForFinished(3000);
  return recorder_.readAllStandardOutput();
}

int peakLevel(const QByteArray& samples) {
  int peak = 0;
  for (qsizetype i = 0; i + 1 < samples.size(); i += 2) {
    std::int16_t sample = 0;
    std::memcpy(&sample, samples.constData() + i, sizeof sample);
    peak = std::max(peak, std::abs(static_cast<int>(sample)));
  }
  return peak;
}
