// vandrel-bench [--smoke] [--json FILE] | --classroom N [--json FILE]
//               | --instructions [--json FILE]
// Measures the program's headline figures and prints one table: metric,
// median, spread, goal, met. Each figure is the median of several runs.
// Measures that need a window run in child processes of this one, under the
// platform they name (offscreen, or the X display in DISPLAY, which should
// have a window manager), so that each starts from a fresh program.
#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QVariant>
#include <QWindow>

#if defined(Q_OS_WIN)
#include <windows.h>
// After windows.h, whose types it uses.
#include <psapi.h>
#else
#include <sys/resource.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <utility>
#include <variant>
#include <vector>

#include "controls.h"
#include "controls/drawingarea.h"
#include "eventwait.h"
#include "experiment.h"
#include "form1.h"
#include "form1_testing.h"
#include "form2.h"
#include "form4.h"
#include "module1.h"
#include "platformchoice.h"
#include "privatepulse.h"
#include "processend.h"
#include "program.h"
#include "randomsource.h"
#include "soundoutputs_testing.h"
#include "timing/timercontrol.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr char kUsage[] =
    "usage: vandrel-bench [--smoke] [--json FILE]\n"
    "       vandrel-bench --classroom N [--json FILE]\n"
    "       vandrel-bench --instructions [--json FILE]\n";

// The longest a single automatic run at the machine's full speed may take in
// the smoke pass. Three times the full bench's goal: a loaded machine stays
// well within it, a program ten times slower never does.
constexpr double kSmokeRunBound = 3.0;

// The name every automatic run's length row begins with.
constexpr char kRunMetric[] = "automatic run";

double microsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

double cpuSeconds() {
#if defined(Q_OS_WIN)
  FILETIME created{};
  FILETIME ended{};
  FILETIME kernel{};
  FILETIME user{};
  GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user);
  const auto seconds = [](FILETIME t) {  // in units of 100 ns
    return static_cast<double>(static_cast<std::uint64_t>(t.dwHighDateTime) << 32 |
                               t.dwLowDateTime) /
           1e7;
  };
  return seconds(kernel) + seconds(user);
#else
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
#endif
}

double peakResidentMegabytes() {
#if defined(Q_OS_WIN)
  PROCESS_MEMORY_COUNTERS counters{};
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return static_cast<double>(counters.PeakWorkingSetSize) / (1024 * 1024);
#else
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024;
#endif
}

// CPU seconds a process has used, from /proc; 0 if it cannot be read.
double processCpuSeconds([[maybe_unused]] qint64 pid) {
#if defined(Q_OS_WIN)
  return 0;
#else
  QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
  if (pid <= 0 || !stat.open(QIODevice::ReadOnly)) {
    return 0;
  }
  const QByteArray line = stat.readAll();
  // Fields after the command name, which is in parentheses and may hold spaces.
  const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
  constexpr int kUtime = 11;
  constexpr int kStime = 12;
  if (fields.size() <= kStime) {
    return 0;
  }
  const double ticks = static_cast<double>(sysconf(_SC_CLK_TCK));
  return static_cast<double>(fields.at(kUtime).toLongLong() + fields.at(kStime).toLongLong()) /
         ticks;
#endif
}

double percentile(std::vector<double> values, double p) {
  if (values.empty()) {
    return 0;
  }
  std::sort(values.begin(), values.end());
  const auto at = static_cast<std::size_t>(std::lround(p * static_cast<double>(values.size() - 1)));
  return values[at];
}

// One measured figure: its samples, and the goal it is held to.
struct Figure {
  QString metric;
  QString unit;
  std::vector<double> samples;
  double goal = 0;  // 0: no goal
  bool lowerIsBetter = true;
  double reference = 0;  // where the figure has one measured in the same run

  QJsonObject json() const {
    QJsonArray all;
    for (const double s : samples) {
      all.append(s);
    }
    QJsonObject o{{"metric", metric},
                  {"unit", unit},
                  {"median", percentile(samples, 0.5)},
                  {"min", percentile(samples, 0)},
                  {"max", percentile(samples, 1)},
                  {"samples", all}};
    if (goal > 0) {
      o.insert("goal", goal);
      o.insert("met",
               lowerIsBetter ? percentile(samples, 0.5) <= goal : percentile(samples, 0.5) >= goal);
    }
    if (reference > 0) {
      o.insert("ratio_to_reference", percentile(samples, 0.5) / reference);
    }
    return o;
  }
};

// ---- Timing of events as the application delivers them ----

class BenchApplication : public QApplication {
 public:
  using QApplication::QApplication;

  QObject* timedReceiver = nullptr;
  QObject* paintedWindow = nullptr;
  QObject* frameWitness = nullptr;  // a label that changes on every tick
  int frames = 0;
  int ticks = 0;        // delivered by the timed receiver; a wake delivers those due
  int wakes = 0;        // the timed receiver's timer events
  int timerEvents = 0;  // anyone's but the bench's own
  QObject* benchTimer = nullptr;
  std::vector<double> tickMicros;
  std::vector<double> repaintMicros;
  // Called once, as soon as an expose has left `firstFrameShown` true: the
  // first frame has been painted and flushed, and nothing after it has run.
  std::function<bool()> firstFrameShown;
  std::function<void()> atFirstFrame;

  bool notify(QObject* receiver, QEvent* event) override {
    if (atFirstFrame && event->type() == QEvent::Expose) {
      const bool result = QApplication::notify(receiver, event);
      if (firstFrameShown()) {
        std::exchange(atFirstFrame, {})();
      }
      return result;
    }
    if (receiver == frameWitness && event->type() == QEvent::Paint) {
      ++frames;
    }
    timerEvents += event->type() == QEvent::Timer && receiver != benchTimer ? 1 : 0;
    const bool tick = receiver == timedReceiver && event->type() == QEvent::Timer;
    const bool repaint = receiver == paintedWindow && event->type() == QEvent::UpdateRequest;
    if (!tick && !repaint) {
      return QApplication::notify(receiver, event);
    }
    wakes += tick ? 1 : 0;
    const int ticksBefore = ticks;
    const auto start = Clock::now();
    const bool result = QApplication::notify(receiver, event);
    const double micros = microsSince(start);
    if (!tick) {
      repaintMicros.push_back(micros);
    } else if (ticks > ticksBefore) {
      tickMicros.push_back(micros / (ticks - ticksBefore));
    }
    return result;
  }
};

// ---- Child measures: each prints one JSON object on standard output ----

// A classroom's screen: the programs side by side, eight to a row.
constexpr int kClassroomColumns = 8;
constexpr QSize kClassroomTile{640, 380};

QPoint classroomTile(int index) {
  return {(index % kClassroomColumns) * kClassroomTile.width(),
          (index / kClassroomColumns) * kClassroomTile.height()};
}

// Automatic runs from the AutoStart click to the end of the run, with the CPU
// time the process used meanwhile, every repaint timed and each tick timed as
// its share of the wake that delivered it.
QJsonObject measureRuns(BenchApplication& app, int runs) {
  Program program;
  program.showForm1();
  Form1* form = program.form1();
  // In a classroom each program has a place of its own on the shared screen,
  // where nothing covers it, as each student's screen shows it: a covered
  // window would not be painted at all.
  if (qEnvironmentVariableIsSet("VANDREL_BENCH_TILE")) {
    const QPoint tile = classroomTile(qEnvironmentVariableIntValue("VANDREL_BENCH_TILE"));
    form->move(tile);
  }
  runEventsUntil([form] { return form->isVisible(); }, 5000);
  // A student clicks AutoStart some time after the window has appeared: the
  // window manager's framing and the first full paint are over by then, and
  // on a slow PC they must not be charged to the first run.
  runEventsUntil([] { return false; }, 500);
  // What starting cost, up to the window on the screen: in a classroom that
  // all start at once, it competes with the first runs.
  const double startedWith = cpuSeconds();
  TimerControl* timer = timerOf(form);
  app.timedReceiver = timer;
  QObject::connect(timer, &TimerControl::timeout, &app, [&app] { ++app.ticks; });
  app.paintedWindow = form;
  app.frameWitness = controlOf<QWidget>(form, "Label3");
  // In a variant (a CPU quota, a screen reader attached) the run may be held to
  // another goal, and only its length and CPU are reported.
  const QString where =
      QGuiApplication::platformName() + qEnvironmentVariable("VANDREL_BENCH_VARIANT");
  const bool variant = qEnvironmentVariableIsSet("VANDREL_BENCH_VARIANT");
  const qint64 xServer = qEnvironmentVariableIntValue("VANDREL_BENCH_XSERVER");
  Figure seconds{QLatin1String(kRunMetric) + " (" + where + ")",
                 "s",
                 {},
                 qEnvironmentVariable("VANDREL_BENCH_GOAL", QStringLiteral("1.02")).toDouble()};
  seconds.reference = 1.001;
  Figure rate{"ticks per second (" + where + ")", "1/s", {}, 0};
  Figure cpu{"CPU during the run (" + where + ")", "cores", {}, 1.0 / 3};
  Figure cpuPerRun{"CPU per run, program (" + where + ")", "s", {}, 0.05};
  Figure xCpuPerRun{"CPU per run, X server (" + where + ")", "s", {}, 0.02};
  Figure frames{"frames painted per run (" + where + ")", "frames", {}, 70};
  Figure startCpu{"CPU to start (" + where + ")", "s", {startedWith}, 0};
  Figure wakes{"timer wakes per run (" + where + ")", "wakes", {}, 0};
  for (int i = 0; i < runs; ++i) {
    if (buttonOf(form, "Command6")->isEnabled()) {
      buttonOf(form, "Command6")->click();
    }
    QCoreApplication::processEvents();
    // The run ends inside the tick that stops the timer: timed from there, not
    // from whenever the waiting loop next looks.
    QEventLoop loop;
    Clock::time_point end;
    const auto watch = QObject::connect(timer, &TimerControl::timeout, &loop, [&] {
      if (!timer->isActive()) {
        end = Clock::now();
        loop.quit();
      }
    });
    const double cpuBefore = cpuSeconds();
    const double xBefore = processCpuSeconds(xServer);
    app.frames = 0;
    app.wakes = 0;
    const auto start = Clock::now();
    buttonOf(form, "Command4")->click();
    loop.exec();
    QObject::disconnect(watch);
    const double wall = std::chrono::duration<double>(end - start).count();
    // The last frame, painted right after the ending tick, is part of the run.
    QCoreApplication::processEvents();
    const double used = cpuSeconds() - cpuBefore;
    seconds.samples.push_back(wall);
    rate.samples.push_back(1001 / wall);
    cpu.samples.push_back(used / wall);
    cpuPerRun.samples.push_back(used);
    frames.samples.push_back(app.frames);
    wakes.samples.push_back(app.wakes);
    if (xServer > 0) {
      xCpuPerRun.samples.push_back(processCpuSeconds(xServer) - xBefore);
    }
  }
  app.frameWitness = nullptr;
  if (variant) {
    QJsonArray figures{seconds.json(), cpuPerRun.json(), frames.json(), wakes.json(),
                       startCpu.json()};
    return {{"figures", figures}};
  }
  Figure tick{"tick handler (" + QGuiApplication::platformName() + ")", "us", app.tickMicros, 30};
  Figure tick99{"tick handler p99 (" + QGuiApplication::platformName() + ")", "us", {}, 0};
  tick99.samples.push_back(percentile(app.tickMicros, 0.99));
  Figure repaint{"repaint per tick (" + QGuiApplication::platformName() + ")", "us",
                 app.repaintMicros, 0};
  Figure repaint99{"repaint p99 (" + QGuiApplication::platformName() + ")", "us", {}, 0};
  repaint99.samples.push_back(percentile(app.repaintMicros, 0.99));
  app.timedReceiver = nullptr;
  app.paintedWindow = nullptr;

  // A finished run left alone: nothing should wake the program, whose students
  // share the machine.
  runEventsUntil([] { return false; }, 300);
  QEventLoop idleLoop;
  QTimer idleEnd;
  idleEnd.setSingleShot(true);
  QObject::connect(&idleEnd, &QTimer::timeout, &idleLoop, &QEventLoop::quit);
  app.benchTimer = &idleEnd;
  app.timerEvents = 0;
  idleEnd.start(1000);
  idleLoop.exec();
  app.benchTimer = nullptr;
  Figure idle{"timer events in an idle second (" + QGuiApplication::platformName() + ")",
              "events",
              {static_cast<double>(app.timerEvents)},
              0};

  // Then the graph and the help text, and the memory all of it took.
  buttonOf(form, "Command7")->click();
  runEventsUntil([&program] { return program.form2() != nullptr; }, 5000);
  Form2* graph = program.form2();
  QJsonArray figures{seconds.json(), rate.json(),   cpu.json(),     cpuPerRun.json(), frames.json(),
                     tick.json(),    tick99.json(), repaint.json(), repaint99.json(), idle.json()};
  if (!xCpuPerRun.samples.empty()) {
    figures.append(xCpuPerRun.json());
  }
  for (const int trials : {1000, 32768, 100000}) {
    Module1& shared = program.module1();
    for (int n = 1; n <= trials; ++n) {
      shared.ratioHistory[static_cast<std::size_t>(n)] =
          static_cast<float>(0.3 + 0.2 * std::sin(n / 17.0) / std::sqrt(n));
    }
    shared.trialCount = trials;
    Figure draw{QStringLiteral("graph at %1 trials").arg(trials), "ms", {}, 2};
    for (int i = 0; i < 15; ++i) {
      const auto start = Clock::now();
      graph->activated();
      draw.samples.push_back(microsSince(start) / 1000);
    }
    figures.append(draw.json());
  }
  program.showForm1();
  QCoreApplication::processEvents();
  buttonOf(program.form1(), "Command8")->click();
  runEventsUntil([&program] { return program.form4() != nullptr; }, 5000);
  Figure help{"help text print", "ms", {}, 2};
  for (int i = 0; i < 15; ++i) {
    const auto start = Clock::now();
    program.form4()->activated();
    help.samples.push_back(microsSince(start) / 1000);
  }
  figures.append(help.json());
  Figure memory{"peak resident memory", "MB", {peakResidentMegabytes()}, 60};
  figures.append(memory.json());
  return {{"figures", figures}};
}

// Shows `program`'s main window and runs `then` as soon as its first frame has
// been painted and sent to the display: what the program leaves for after that
// frame is not counted. (QApplication::sync() would run it: it handles events.)
void showUntilFirstFrame(BenchApplication& app, Program& program, int timeoutMs,
                         const std::function<void()>& then) {
  bool shown = false;
  app.firstFrameShown = [&program] {
    const Form1* form = program.form1();
    return form != nullptr && form->windowHandle() != nullptr && form->windowHandle()->isExposed();
  };
  app.atFirstFrame = [&shown, then] {
    then();
    shown = true;
  };
  program.showForm1();
  runEventsUntil([&shown] { return shown; }, timeoutMs);
}

// Start-up: prints the wall-clock time at which Form1 is first exposed.
int measureStartup(BenchApplication& app) {
  Program program;
  showUntilFirstFrame(app, program, 10000, [] {
    std::printf("%lld\n",
                static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(
                                           std::chrono::system_clock::now().time_since_epoch())
                                           .count()));
    std::fflush(stdout);
  });
  endProcess(0);
}

// The first cue: from a click on Help, the first sound the program plays,
// until the cue is heard on a null sink of a sound server of the child's own,
// kept playing silence so that its recorded samples keep time. Returns the
// milliseconds, counted from the samples recorded by the click, which lag the
// clock by the recorder's delay: an upper bound; -1 if nothing was heard.
double firstCueMillis(BenchApplication& app) {
  PrivatePulse pulse;
  if (!pulse.start() || !pulse.keepSinkRunning()) {
    std::fprintf(stderr, "first cue: %s\n", qPrintable(pulse.error()));
    endProcess(1);
  }
  Program program;
  showUntilFirstFrame(app, program, 10000, [] {});
  runEventsUntil([] { return false; }, 300);
  constexpr qsizetype kBytesPerSample = 2;
  constexpr int kHeard = 2000;
  qsizetype atClick = 0;
  const QByteArray heard = pulse.record(
      [&] {
        // Once the recorder delivers, so that its samples keep time.
        if (!QTest::qWaitFor([&pulse] { return pulse.recordedSoFar() > 0; }, 10000)) {
          return;
        }
        atClick = pulse.recordedSoFar();
        buttonOf(program.form1(), "Command8")->click();
      },
      1000);
  for (qsizetype at = atClick - atClick % kBytesPerSample; at + 1 < heard.size();
       at += kBytesPerSample) {
    if (peakLevel(heard.mid(at, kBytesPerSample)) > kHeard) {
      return static_cast<double>(at - atClick) / kBytesPerSample * 1000.0 /
             PrivatePulse::kRecordingRate;
    }
  }
  return -1;
}

// The sound server and its folder go with firstCueMillis's return, before the
// process ends without destructors.
int measureFirstCue(BenchApplication& app) {
  const double millis = firstCueMillis(app);
  if (millis < 0) {
    std::printf("-1\n");
  } else {
    std::printf("%.1f\n", millis);
  }
  std::fflush(stdout);
  endProcess(0);
}

// ---- Instruction counts, under callgrind ----

// Where callgrind starts and ends a count: it dumps or zeroes its counters as
// the program enters these (--dump-before, --zero-before), so a count needs
// nothing of valgrind's in the program. Kept out of line, and distinct.
extern "C" {
__attribute__((noinline)) void vandrelBenchFirstFrame() { asm volatile("" ::: "memory"); }
__attribute__((noinline)) void vandrelBenchCountFrom() { asm volatile("" ::: "memory"); }
__attribute__((noinline)) void vandrelBenchRunCounted() { asm volatile("" ::: "memory"); }
__attribute__((noinline)) void vandrelBenchPaintCounted() { asm volatile("" ::: "memory"); }
}

// The counted work, in the order callgrind dumps it: the start to the first
// painted frame, one automatic run, and one paint of the whole main window as
// the run left it.
constexpr std::array<const char*, 3> kCounted{
    "instructions to the first frame", "instructions per automatic run", "instructions per paint"};

int countInstructions(BenchApplication& app) {
  Program program;
  showUntilFirstFrame(app, program, 60000, [] { vandrelBenchFirstFrame(); });
  Form1* form = program.form1();
  // The same cards every time, so that the same texts are laid out and painted.
  int clock = 0;
  Form1Testing::setDrawSource(*form, 20261209, [&clock] { return static_cast<float>(clock++); });
  runEventsUntil([] { return false; }, 500);
  // The run's end quits the loop: a loop that looked for it now and then would
  // count its own wakes with the program's.
  QEventLoop run;
  QObject::connect(timerOf(form), &TimerControl::runningChanged, &run, [&run](bool running) {
    if (!running) {
      run.quit();
    }
  });
  vandrelBenchCountFrom();
  buttonOf(form, "Command4")->click();
  run.exec();
  QCoreApplication::processEvents();
  app.sync();
  vandrelBenchRunCounted();
  // One whole paint of what a run shows. Init would sound a cue, whose thread
  // would be counted too.
  vandrelBenchCountFrom();
  form->repaint();
  app.sync();
  vandrelBenchPaintCounted();
  endProcess(0);
}

// ---- The parent: runs the children, and the core on its own ----

// The frames under main() that were still on the stack when callgrind dumped
// in the middle of the program: it shows the calls in progress as theirs.
bool stackBase(const QString& function) {
  return function.contains(QLatin1String("(below main)")) ||
         function.contains(QLatin1String("__libc_start_main")) ||
         (function.startsWith(QLatin1String("???:0x")) &&
          function.contains(QLatin1String("ld-linux")));
}

// The counted work on `platform`, in instructions, each with the five
// functions that spent most of them: the same on any machine, however busy.
// Empty when valgrind is not installed.
QJsonArray instructionCounts(const QString& platform) {
  QTemporaryDir scratch;
  const QString out = scratch.filePath(QStringLiteral("callgrind.out"));
  QProcess child;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
  child.setProcessEnvironment(environment);
  child.setProcessChannelMode(QProcess::MergedChannels);
  child.start(QStringLiteral("valgrind"),
              {QStringLiteral("--tool=callgrind"), QStringLiteral("--callgrind-out-file=") + out,
               QStringLiteral("--dump-before=vandrelBenchFirstFrame"),
               QStringLiteral("--zero-before=vandrelBenchCountFrom"),
               QStringLiteral("--dump-before=vandrelBenchRunCounted"),
               QStringLiteral("--dump-before=vandrelBenchPaintCounted"),
               QCoreApplication::applicationFilePath(), QStringLiteral("--child-instructions")});
  if (!child.waitForFinished(1800000) || child.exitCode() != 0) {
    std::fprintf(stderr, "No instruction counts on %s: valgrind did not run the program.\n%s",
                 qPrintable(platform), child.readAll().constData());
    return {};
  }
  QJsonArray figures;
  for (std::size_t dump = 0; dump < kCounted.size(); ++dump) {
    // callgrind_annotate's summary, then its functions, most expensive first.
    QProcess annotate;
    annotate.start(QStringLiteral("callgrind_annotate"),
                   {QStringLiteral("--inclusive=no"), QStringLiteral("--threshold=100"),
                    out + QStringLiteral(".%1").arg(dump + 1)});
    annotate.waitForFinished(120000);
    const QStringList lines =
        QString::fromUtf8(annotate.readAllStandardOutput()).split(QLatin1Char('\n'));
    double total = 0;
    QJsonArray functions;
    for (const QString& line : lines) {
      const QString trimmed = line.simplified();
      const double count =
          trimmed.section(QLatin1Char(' '), 0, 0).remove(QLatin1Char(',')).toDouble();
      QString name = trimmed.section(QLatin1Char(' '), 1);
      // Newer versions give each function's share, "( 8.9%)", after its count.
      name.remove(QRegularExpression(QStringLiteral("^\\(\\s*[0-9.]+%\\)\\s*")));
      if (total == 0 && name == QLatin1String("PROGRAM TOTALS")) {
        total = count;
      } else if (total > 0 && functions.size() < 5 && count > 0 &&
                 name.contains(QLatin1Char(':')) && !stackBase(name)) {
        functions.append(QStringLiteral("%1 M  %2").arg(count / 1e6, 0, 'g', 3).arg(name));
      }
    }
    Figure figure{
        QStringLiteral("%1 (%2)").arg(kCounted.at(dump), platform), "M", {total / 1e6}, 0};
    QJsonObject row = figure.json();
    row.insert("functions", functions);
    figures.append(row);
  }
  return figures;
}

// The counts on X where there is a display, and offscreen.
QJsonArray instructionRows(bool haveDisplay) {
  QJsonArray figures;
  for (const QString& platform : {QStringLiteral("xcb"), QStringLiteral("offscreen")}) {
    if (platform == QLatin1String("offscreen") || haveDisplay) {
      for (const auto& f : instructionCounts(platform)) {
        figures.append(f);
      }
    }
  }
  return figures;
}

// How a child is started: as itself, or wrapped in a command that runs it, with
// its arguments, in other conditions (a CPU quota, an accessibility bus). The
// label is added to the names of the rows it measures.
struct Launch {
  QString label;
  QStringList wrapper;
};

void startChild(QProcess& child, const Launch* launch, const QStringList& arguments) {
  const QString program = QCoreApplication::applicationFilePath();
  if (launch == nullptr) {
    child.start(program, arguments);
  } else {
    child.start(launch->wrapper.first(), launch->wrapper.mid(1) + QStringList{program} + arguments);
  }
}

// A control group that holds the processes put in it to a share of one core,
// as a slower PC would; made by the bench and removed with it. Needs root, and
// cgroup v1's cpu controller or v2's cpu.max.
class CpuQuota {
 public:
  explicit CpuQuota(int percent) : percent_(percent) {
    constexpr int kPeriod = 10000;  // microseconds
    const int quota = kPeriod * percent / 100;
    const QString name =
        QStringLiteral("vandrel-bench-%1-%2").arg(QCoreApplication::applicationPid()).arg(percent);
    if (QFileInfo::exists(QStringLiteral("/sys/fs/cgroup/cpu/cpu.cfs_quota_us"))) {
      dir_ = QStringLiteral("/sys/fs/cgroup/cpu/") + name;
      ok_ = QDir().mkdir(dir_) && write(QStringLiteral("cpu.cfs_period_us"), kPeriod) &&
            write(QStringLiteral("cpu.cfs_quota_us"), quota);
    } else if (QFileInfo::exists(QStringLiteral("/sys/fs/cgroup/cgroup.controllers"))) {
      QFile control(QStringLiteral("/sys/fs/cgroup/cgroup.subtree_control"));
      if (control.open(QIODevice::WriteOnly)) {
        control.write("+cpu");
      }
      dir_ = QStringLiteral("/sys/fs/cgroup/") + name;
      ok_ = QDir().mkdir(dir_) &&
            write(QStringLiteral("cpu.max"), QStringLiteral("%1 %2").arg(quota).arg(kPeriod));
    }
    if (!ok_) {
      std::fprintf(stderr,
                   "No CPU quota of %d%% could be set up (root and a cgroup cpu controller "
                   "are needed): those rows are left out.\n",
                   percent);
    }
  }
  ~CpuQuota() {
    if (!dir_.isEmpty()) {
      QDir().rmdir(dir_);
    }
  }
  CpuQuota(const CpuQuota&) = delete;
  CpuQuota& operator=(const CpuQuota&) = delete;

  bool ok() const { return ok_; }

  // Children started this way are in the group from their first instruction on.
  Launch launch() const {
    return {QStringLiteral(", %1% of a core").arg(percent_),
            {QStringLiteral("/bin/sh"), QStringLiteral("-c"),
             QStringLiteral("echo $$ > \"$0\" && exec \"$@\""),
             dir_ + QStringLiteral("/cgroup.procs")}};
  }

 private:
  bool write(const QString& file, const QVariant& value) const {
    QFile out(dir_ + QLatin1Char('/') + file);
    return out.open(QIODevice::WriteOnly) && out.write(value.toString().toLatin1()) > 0;
  }

  int percent_;
  QString dir_;
  bool ok_ = false;
};

// The X server the bench draws on, so that its CPU can be read: the Xvfb or
// Xorg process whose command line names this display.
qint64 xServerPid() {
  const QString display = qEnvironmentVariable("DISPLAY").section(QLatin1Char('.'), 0, 0);
  for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
    QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(entry));
    if (entry.toLongLong() <= 0 || !cmdline.open(QIODevice::ReadOnly)) {
      continue;
    }
    const QList<QByteArray> words = cmdline.readAll().split('\0');
    const QByteArray program = words.value(0).split('/').last();
    if ((program == "Xvfb" || program == "Xorg" || program == "X") &&
        words.contains(display.toLatin1())) {
      return entry.toLongLong();
    }
  }
  return 0;
}

QJsonArray childFigures(const QString& platform, int runs, const Launch* launch = nullptr,
                        double goal = 1.02) {
  QProcess child;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
  environment.insert(QStringLiteral("VANDREL_BENCH_GOAL"), QString::number(goal));
  if (platform == QLatin1String("xcb")) {
    environment.insert(QStringLiteral("VANDREL_BENCH_XSERVER"), QString::number(xServerPid()));
  }
  if (launch != nullptr) {
    environment.insert(QStringLiteral("VANDREL_BENCH_VARIANT"), launch->label);
  }
  child.setProcessEnvironment(environment);
  child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  startChild(child, launch, {QStringLiteral("--child-runs"), QString::number(runs)});
  child.waitForFinished(600000);
  // A wrapper's own services may speak on the same output: the figures are the JSON line.
  QJsonArray figures;
  for (const QByteArray& line : child.readAllStandardOutput().split('\n')) {
    if (line.startsWith('{')) {
      figures = QJsonDocument::fromJson(line).object().value("figures").toArray();
    }
  }
  return figures;
}

// The run with the accessibility bridge on, as with a screen reader running:
// on a private accessibility bus, with or without a client listening to
// events, which registers before the program starts, as a screen reader would.
Launch accessibilityOn(bool listening) {
  const QString support = QStringLiteral(VANDREL_TEST_SUPPORT);
  const QString run = listening ? QStringLiteral(
                                      "/usr/bin/python3 \"$0\" & listener=$!; sleep 2; \"$@\"; "
                                      "status=$?; kill $listener; wait $listener; exit $status")
                                : QStringLiteral("exec \"$@\"");
  return {listening ? QStringLiteral(", accessibility on, reader listening")
                    : QStringLiteral(", accessibility on"),
          {support + QStringLiteral("/with-atspi"), QStringLiteral("bash"), QStringLiteral("-c"),
           run, support + QStringLiteral("/atspi-listen.py")}};
}

// Runs one of the bench's children on `platform` to its end, and returns what
// it printed: the one figure it measured.
QByteArray childPrinted(const QString& platform, const Launch* launch, const QString& mode,
                        int timeoutMs) {
  QProcess child;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
  child.setProcessEnvironment(environment);
  startChild(child, launch, {mode});
  child.waitForFinished(timeoutMs);
  return child.readAllStandardOutput().trimmed();
}

Figure startup(int launches, const Launch* launch = nullptr) {
  Figure figure{"start-up to first exposed (xcb" + (launch != nullptr ? launch->label : "") + ")",
                "ms",
                {},
                launch != nullptr ? 400.0 : 200.0};
  for (int i = 0; i < launches; ++i) {
    const auto launched = std::chrono::duration_cast<std::chrono::nanoseconds>(
                              std::chrono::system_clock::now().time_since_epoch())
                              .count();
    const qint64 exposed =
        childPrinted(QStringLiteral("xcb"), launch, QStringLiteral("--child-startup"), 30000)
            .toLongLong();
    if (exposed > 0) {
      figure.samples.push_back(static_cast<double>(exposed - launched) / 1e6);
    }
  }
  return figure;
}

Figure firstCue(int launches) {
  Figure figure{"first cue, Help to heard (null sink), at most", "ms", {}, 50.0};
  for (int i = 0; i < launches; ++i) {
    bool ok = false;
    const double millis = childPrinted(QStringLiteral("offscreen"), nullptr,
                                       QStringLiteral("--child-first-cue"), 60000)
                              .toDouble(&ok);
    if (ok && millis >= 0) {
      figure.samples.push_back(millis);
    }
  }
  return figure;
}

// A classroom on one server, as LTSP, X2Go or xrdp run one: `programs` copies
// started together on one X server (an Xvfb of the classroom's own, each
// program in a place of its own on it), each making 3 automatic runs.
// Reports how many runs kept the pace, the worst, the CPU each run cost its
// program, and the X server's CPU, which serves them all from one thread.
// Up to 30 programs, every run keeps the pace; up to 60, nearly every one.
QJsonArray classroom(int programs) {
  constexpr std::size_t runs = 3;
  constexpr double kPace = 1.02;
  const double withinGoal = programs <= 30 ? 100 : 95;
  const double worstGoal = programs <= 30 ? 1.02 : 1.10;
  const QString row = QStringLiteral("classroom %1").arg(programs);
  // The classroom's own X server, large enough for every program to be seen.
  const int rows = (programs + kClassroomColumns - 1) / kClassroomColumns;
  QProcess server;
  server.start(QStringLiteral("Xvfb"),
               {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-nolisten"),
                QStringLiteral("tcp"), QStringLiteral("-screen"), QStringLiteral("0"),
                QStringLiteral("%1x%2x24")
                    .arg(kClassroomColumns * kClassroomTile.width())
                    .arg(rows * kClassroomTile.height())});
  QByteArray display;
  while (server.waitForReadyRead(10000) && !server.canReadLine()) {
  }
  display = server.readLine().trimmed();
  if (display.isEmpty()) {
    std::fprintf(stderr, "No X server could be started for the classroom.\n");
    return {};
  }
  const qint64 xServer = server.processId();
  const double xBefore = processCpuSeconds(xServer);
  const auto start = Clock::now();
  std::vector<std::unique_ptr<QProcess>> children;
  for (int i = 0; i < programs; ++i) {
    auto child = std::make_unique<QProcess>();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), QLatin1Char(':') + QString::fromLatin1(display));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.insert(QStringLiteral("VANDREL_BENCH_VARIANT"), QStringLiteral(", classroom"));
    environment.insert(QStringLiteral("VANDREL_BENCH_TILE"), QString::number(i));
    child->setProcessEnvironment(environment);
    child->start(QCoreApplication::applicationFilePath(),
                 {QStringLiteral("--child-runs"), QString::number(runs)});
    children.push_back(std::move(child));
  }
  Figure lengths{row + ": run", "s", {}, 0};
  Figure cpu{row + ": CPU per run, program", "s", {}, 0};
  Figure frames{row + ": frames per run", "frames", {}, 0};
  Figure wakes{row + ": timer wakes per run", "wakes", {}, 0};
  Figure startCpu{row + ": CPU to start, program", "s", {}, 0};
  int failed = 0;
  for (const auto& child : children) {
    child->waitForFinished(600000);
    QJsonArray figures;
    for (const QByteArray& line : child->readAllStandardOutput().split('\n')) {
      if (line.startsWith('{')) {
        figures = QJsonDocument::fromJson(line).object().value("figures").toArray();
      }
    }
    if (figures.size() < 5) {
      ++failed;
      std::fprintf(stderr, "A program of the classroom gave no figures:\n%s\n",
                   child->readAllStandardError().constData());
      continue;
    }
    const std::array<Figure*, 5> into{&lengths, &cpu, &frames, &wakes, &startCpu};
    for (std::size_t i = 0; i < into.size(); ++i) {
      for (const auto& sample :
           figures.at(static_cast<qsizetype>(i)).toObject().value("samples").toArray()) {
        into.at(i)->samples.push_back(sample.toDouble());
      }
    }
  }
  const double wall = std::chrono::duration<double>(Clock::now() - start).count();
  const double xCpu = processCpuSeconds(xServer) - xBefore;
  server.terminate();
  server.waitForFinished();
  // A program that gave no figures counts as runs that missed the pace.
  if (failed > 0) {
    std::fprintf(stderr, "%d of %d programs gave no figures.\n", failed, programs);
  }
  const double all = static_cast<double>(programs) * static_cast<double>(runs);
  const auto kept =
      static_cast<double>(std::count_if(lengths.samples.begin(), lengths.samples.end(),
                                        [](double length) { return length <= kPace; }));
  // The row's headline: the share of runs within 1.02 s.
  Figure within{QStringLiteral("classroom: %1 programs on one X server").arg(programs),
                "%",
                {100 * kept / all},
                withinGoal};
  within.lowerIsBetter = false;
  Figure worst{row + ": worst run", "s", {percentile(lengths.samples, 1)}, worstGoal};
  // Each program's runs come in order: the first ones overlap the starting of
  // the programs that appeared later.
  QJsonArray byRun;
  for (std::size_t first = 0; first < runs; ++first) {
    std::vector<double> nth;
    for (std::size_t i = first; i < lengths.samples.size(); i += runs) {
      nth.push_back(lengths.samples[i]);
    }
    Figure share{
        row + QStringLiteral(": run %1 of %2 within %3 s").arg(first + 1).arg(runs).arg(kPace),
        "%",
        {100.0 *
         static_cast<double>(
             std::count_if(nth.begin(), nth.end(), [](double length) { return length <= kPace; })) /
         static_cast<double>(programs)},
        0};
    share.lowerIsBetter = false;
    byRun.append(share.json());
  }
  Figure xPerRun{row + ": CPU per run, X server", "s", {xCpu / all}, 0};
  Figure xShare{row + ": X server CPU meanwhile", "cores", {xCpu / wall}, 0};
  QJsonArray figures{within.json(), worst.json(), lengths.json(), cpu.json(),   startCpu.json(),
                     frames.json(), wakes.json(), xPerRun.json(), xShare.json()};
  for (const auto& f : byRun) {
    figures.append(f);
  }
  return figures;
}

Figure coreDraws(int batches) {
  Figure figure{"core draws per second", "1/s", {}, 0};
  RandomSource source(RandomSource::entropySeed());
  const std::function<float()> clock = secondsSinceMidnight;
  constexpr int kDraws = 200000;
  long long sum = 0;
  for (int b = 0; b < batches; ++b) {
    const auto start = Clock::now();
    for (int i = 0; i < kDraws; ++i) {
      sum += drawCard(source, clock);
    }
    figure.samples.push_back(kDraws / (microsSince(start) / 1e6));
  }
  figure.lowerIsBetter = false;
  return sum > 0 ? figure : Figure{};
}

void printTable(const QJsonArray& figures) {
  std::printf("%-42s %14s %22s %10s %5s\n", "metric", "median", "spread (min..max)", "goal", "met");
  for (const auto& value : figures) {
    const QJsonObject f = value.toObject();
    const QString unit = f.value("unit").toString();
    const QString spread = QStringLiteral("%1..%2")
                               .arg(f.value("min").toDouble(), 0, 'g', 4)
                               .arg(f.value("max").toDouble(), 0, 'g', 4);
    const QString goal =
        f.contains("goal")
            ? QStringLiteral("%1 %2").arg(f.value("goal").toDouble(), 0, 'g', 3).arg(unit)
            : QStringLiteral("-");
    const char* met = !f.contains("met") ? "-" : f.value("met").toBool() ? "yes" : "NO";
    std::printf("%-42s %10.4g %-3s %22s %10s %5s\n", qPrintable(f.value("metric").toString()),
                f.value("median").toDouble(), qPrintable(unit), qPrintable(spread),
                qPrintable(goal), met);
    if (f.contains("ratio_to_reference")) {
      std::printf("%-42s %10.4f\n", "  ratio to the 1.001 s limit",
                  f.value("ratio_to_reference").toDouble());
    }
    for (const auto& function : f.value("functions").toArray()) {
      std::printf("    %s\n", qPrintable(function.toString()));
    }
  }
}

// The table on the terminal, and the same figures as JSON when asked for.
void report(const QJsonArray& figures, const QString& jsonPath, bool smoke) {
  printTable(figures);
  QFile out(jsonPath);
  if (!jsonPath.isEmpty() && out.open(QIODevice::WriteOnly)) {
    const QJsonObject document{{"date", QDateTime::currentDateTimeUtc().toString(Qt::ISODate)},
                               {"smoke", smoke},
                               {"figures", figures}};
    out.write(QJsonDocument(document).toJson());
  }
}

bool isRun(const QJsonValue& figure) {
  return figure.toObject().value("metric").toString().startsWith(QLatin1String(kRunMetric));
}

// The smoke pass's one timing check: every automatic run at full speed within
// kSmokeRunBound, and the offscreen one, which needs no display, measured at
// all. Prints what failed; true when nothing did.
bool smokeRunsWithinBound(const QJsonArray& runs) {
  std::fflush(stdout);  // after the table
  bool offscreen = false;
  bool within = true;
  for (const auto& value : runs) {
    const QJsonObject run = value.toObject();
    const QString metric = run.value("metric").toString();
    offscreen = offscreen || metric.contains(QLatin1String("offscreen"));
    const double longest = run.value("max").toDouble();
    if (longest > kSmokeRunBound) {
      std::fprintf(stderr, "smoke pass: %s took %.2f s, over its bound of %g s\n",
                   qPrintable(metric), longest, kSmokeRunBound);
      within = false;
    }
  }
  if (!offscreen) {
    std::fprintf(stderr, "smoke pass: no %s (offscreen) was measured\n", kRunMetric);
  }
  return within && offscreen;
}

struct Options {
  bool smoke = false;
  QString jsonPath;
  int classroom = 0;  // 0: the whole bench
  bool instructions = false;
};

void printHelp() {
  std::printf(
      "%s\n"
      "Measures the program's headline figures and prints one table: metric,\n"
      "median, spread, goal, met. Run it in the folder of the program's sound cues\n"
      "(build-release/app), on an X display with a window manager: scripts/bench\n"
      "does both. Without a display, the rows that need one are left out.\n"
      "\n"
      "  --smoke        one quick pass; fails when an automatic run at the machine's\n"
      "                 full speed takes over %g s\n"
      "  --json FILE    the same figures written to FILE as JSON too\n"
      "  --classroom N  only a classroom: N programs started together on an X server\n"
      "                 of their own, each making three automatic runs\n"
      "  --instructions only the instruction counts, under valgrind's callgrind: the\n"
      "                 start, an automatic run and a paint, each with the five\n"
      "                 functions that cost most (the full bench counts them too)\n"
      "  --help         this text\n",
      kUsage, kSmokeRunBound);
}

// The options, or the exit status to end with: 0 after --help, 2 for one it
// does not know.
std::variant<Options, int> parseOptions(const QStringList& arguments) {
  Options options;
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QString& argument = arguments.at(i);
    const bool hasValue = i + 1 < arguments.size();
    if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
      printHelp();
      return 0;
    }
    if (argument == QLatin1String("--smoke")) {
      options.smoke = true;
    } else if (argument == QLatin1String("--json") && hasValue) {
      options.jsonPath = arguments.at(++i);
    } else if (argument == QLatin1String("--instructions")) {
      options.instructions = true;
    } else if (argument == QLatin1String("--classroom") && hasValue &&
               arguments.at(i + 1).toInt() > 0) {
      options.classroom = arguments.at(++i).toInt();
    } else {
      const bool valueMissing =
          argument == QLatin1String("--json") || argument == QLatin1String("--classroom");
      std::fprintf(
          stderr, "vandrel-bench: %s: %s (see vandrel-bench --help)\n%s",
          valueMissing ? "a value is missing or wrong after" : "unknown option or argument",
          qPrintable(argument), kUsage);
      return 2;
    }
  }
  return options;
}

}  // namespace

int main(int argc, char** argv) {
  const QStringList arguments = [&] {
    QStringList list;
    for (int i = 1; i < argc; ++i) {
      list.append(QString::fromLocal8Bit(argv[i]));
    }
    return list;
  }();
  // The bench's own children: each a program as a user's, which loads its
  // sound module after its first frame and so pays for that too. Not under
  // valgrind, where the load lasts into the counted run and its thread's
  // instructions would be counted as the run's.
#ifdef VANDREL_SOUND_MODULE
  if (arguments.value(0).startsWith(QLatin1String("--child-")) &&
      arguments.value(0) != QLatin1String("--child-instructions")) {
    useSoundModule(QStringLiteral(VANDREL_SOUND_MODULE));
  }
#endif
  if (arguments.value(0) == QLatin1String("--child-runs")) {
    configurePlatform();
    BenchApplication app(argc, argv);
    const QJsonObject result = measureRuns(app, arguments.value(1).toInt());
    std::printf("%s\n", QJsonDocument(result).toJson(QJsonDocument::Compact).constData());
    std::fflush(stdout);
    endProcess(0);
  }
  if (arguments.value(0) == QLatin1String("--child-instructions")) {
    configurePlatform();
    BenchApplication app(argc, argv);
    return countInstructions(app);
  }
  if (arguments.value(0) == QLatin1String("--child-startup")) {
    configurePlatform();
    BenchApplication app(argc, argv);
    return measureStartup(app);
  }
  if (arguments.value(0) == QLatin1String("--child-first-cue")) {
    configurePlatform();
    BenchApplication app(argc, argv);
    return measureFirstCue(app);
  }

  const std::variant<Options, int> parsed = parseOptions(arguments);
  if (const int* status = std::get_if<int>(&parsed)) {
    return *status;
  }
  const Options& options = std::get<Options>(parsed);
  const bool smoke = options.smoke;
  QCoreApplication app(argc, argv);
  // --classroom N: that classroom alone, to study it.
  if (options.classroom > 0) {
    const QJsonArray figures = classroom(options.classroom);
    report(figures, options.jsonPath, smoke);
    return figures.isEmpty() ? 1 : 0;
  }
  const bool haveDisplay = !qEnvironmentVariableIsEmpty("DISPLAY");
  if (options.instructions) {
    const QJsonArray figures = instructionRows(haveDisplay);
    report(figures, options.jsonPath, smoke);
    return figures.isEmpty() ? 1 : 0;
  }
  const int runs = smoke ? 1 : 5;
  QJsonArray figures;
  // The automatic runs at the machine's full speed. Those under a CPU quota
  // and the classroom's, which share the machine with programs starting beside
  // them, are the full bench's to judge.
  QJsonArray fullSpeedRuns;
  if (haveDisplay) {
    for (const auto& f : childFigures(QStringLiteral("xcb"), runs)) {
      figures.append(f);
      if (isRun(f)) {
        fullSpeedRuns.append(f);
      }
    }
    figures.append(startup(smoke ? 2 : 9).json());
    // As on a PC five and ten times slower; the X server is not held back.
    const CpuQuota fifth(20);
    const CpuQuota tenth(10);
    if (fifth.ok()) {
      const Launch slow = fifth.launch();
      for (const auto& f : childFigures(QStringLiteral("xcb"), runs, &slow, 1.02)) {
        figures.append(f);
      }
      figures.append(startup(smoke ? 2 : 5, &slow).json());
    }
    if (tenth.ok()) {
      const Launch slower = tenth.launch();
      for (const auto& f : childFigures(QStringLiteral("xcb"), runs, &slower, 1.10)) {
        figures.append(f);
      }
    }
    // With a reader, the run's pace is what counts.
    for (const bool listening : {false, true}) {
      const Launch reader = accessibilityOn(listening);
      for (const auto& f : childFigures(QStringLiteral("xcb"), runs, &reader)) {
        if (isRun(f)) {
          figures.append(f);
          fullSpeedRuns.append(f);
        }
      }
    }
  }
  // On an X server of its own.
  for (const int programs : smoke ? std::vector<int>{4} : std::vector<int>{30, 60}) {
    for (const auto& f : classroom(programs)) {
      figures.append(f);
    }
  }
  // Offscreen: the run figures only.
  for (const auto& f : childFigures(QStringLiteral("offscreen"), runs)) {
    if (!haveDisplay || f.toObject().value("metric").toString().contains("offscreen")) {
      figures.append(f);
      if (isRun(f)) {
        fullSpeedRuns.append(f);
      }
    }
  }
  figures.append(coreDraws(smoke ? 2 : 7).json());
  // Instruction counts take a while under valgrind, and the first cue needs a
  // sound server: the full bench's alone.
  if (!smoke) {
    figures.append(firstCue(5).json());
    for (const auto& f : instructionRows(haveDisplay)) {
      figures.append(f);
    }
  }

  report(figures, options.jsonPath, smoke);
  if (smoke && !smokeRunsWithinBound(fullSpeedRuns)) {
    return 1;
  }
  return figures.isEmpty() ? 1 : 0;
}
