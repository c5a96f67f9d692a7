#include "timing/timercontrol.h"

#include <QTimerEvent>

#include <algorithm>

#if defined(Q_OS_WASM)
#include <emscripten.h>
#endif

namespace {

// Further behind than this, the schedule starts again from now instead of
// catching up with a burst of ticks. A busy page or a shared machine pauses
// the program for 50-80 ms now and then; a quarter of a second of 1 ms ticks
// still goes out in a few milliseconds.
constexpr auto kMostBehind = std::chrono::milliseconds(250);

#if defined(Q_OS_WASM)
// On the page's performance timeline, where the browser's profiler shows it and
// the page's pace is timed from it: the page's own clock cannot tell a tick's
// wake from any other.
EM_JS(void, markOnTimeline, (const char* name), { performance.mark(UTF8ToString(name)); });
#endif

}  // namespace

TimerControl::TimerControl(QObject* parent) : QObject(parent) {}

void TimerControl::setInterval(std::chrono::milliseconds interval) {
  interval_ = std::max(interval, std::chrono::milliseconds(1));
}

void TimerControl::setGathering(std::chrono::milliseconds gathering) {
  const bool sooner = gathering < gathering_;
  gathering_ = gathering;
  if (sooner && isActive()) {
    killTimer(timerId_);
    const Schedule next = schedule(deadline_, interval_, Clock::now(), gathering_);
    // Ticks already due go out at that wake, not here, where no one expects them.
    timerId_ =
        startTimer(next.ticks > 0 ? std::chrono::milliseconds(0) : next.wait, Qt::PreciseTimer);
  }
}

void TimerControl::start() {
  const bool wasRunning = isActive();
  if (wasRunning) {
    killTimer(timerId_);
  }
  ++runs_;
  const auto now = Clock::now();
  deadline_ = now + interval_;
  arm(now);
  if (!wasRunning) {
    emit runningChanged(true);
  }
}

void TimerControl::stop() {
  if (timerId_ != 0) {
    killTimer(timerId_);
    timerId_ = 0;
    ++runs_;
    emit runningChanged(false);
  }
}

TimerControl::Schedule TimerControl::schedule(Clock::time_point deadline,
                                              std::chrono::milliseconds interval,
                                              Clock::time_point now,
                                              std::chrono::milliseconds gathering) {
  int ticks = 0;
  if (now - deadline > kMostBehind) {
    ticks = 1;
    deadline = now + interval;
  } else if (deadline <= now) {
    ticks = static_cast<int>((now - deadline) / interval) + 1;
    deadline += ticks * interval;
  }
  const auto wake = deadline + std::max(gathering - interval, std::chrono::milliseconds(0));
  return {ticks, deadline, std::chrono::ceil<std::chrono::milliseconds>(wake - now)};
}

int TimerControl::arm(Clock::time_point now) {
  const Schedule next = schedule(deadline_, interval_, now, gathering_);
  deadline_ = next.deadline;
  timerId_ = startTimer(next.wait, Qt::PreciseTimer);
  return next.ticks;
}

void TimerControl::timerEvent(QTimerEvent* event) {
  if (event->timerId() != timerId_ || timerId_ == 0) {
    QObject::timerEvent(event);
    return;
  }
  killTimer(timerId_);
  // Armed again before the ticks go out, so that a handler may stop or restart it.
  const unsigned run = runs_;
  const int ticks = arm(Clock::now());
  for (int i = 0; i < ticks && runs_ == run; ++i) {
    emit timeout();
  }
#if defined(Q_OS_WASM)
  if (!isActive()) {
    markOnTimeline((objectName() + QStringLiteral(": last tick")).toUtf8().constData());
  }
#endif
}
