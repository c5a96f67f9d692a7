#include "timercontrol.h"

#include <QTimerEvent>

namespace {

// Further behind than this, the schedule starts again from now instead of
// catching up with a burst of ticks.
constexpr auto kMostBehind = std::chrono::milliseconds(50);

}  // namespace

TimerControl::TimerControl(QObject* parent) : QObject(parent) {}

void TimerControl::start() {
  const bool wasRunning = isActive();
  if (wasRunning) {
    killTimer(timerId_);
  }
  deadline_ = Clock::now() + interval_;
  scheduleNext();
  if (!wasRunning) {
    emit runningChanged(true);
  }
}

void TimerControl::stop() {
  if (timerId_ != 0) {
    killTimer(timerId_);
    timerId_ = 0;
    emit runningChanged(false);
  }
}

TimerControl::Schedule TimerControl::schedule(Clock::time_point deadline, Clock::time_point now) {
  if (now - deadline > kMostBehind) {
    deadline = now;
  }
  const auto wait = std::chrono::ceil<std::chrono::milliseconds>(deadline - now);
  return {deadline, std::max(wait, std::chrono::milliseconds(0))};
}

void TimerControl::scheduleNext() {
  const Schedule next = schedule(deadline_, Clock::now());
  deadline_ = next.deadline;
  timerId_ = startTimer(next.wait, Qt::PreciseTimer);
}

void TimerControl::timerEvent(QTimerEvent* event) {
  if (event->timerId() != timerId_ || timerId_ == 0) {
    QObject::timerEvent(event);
    return;
  }
  killTimer(timerId_);
  deadline_ += interval_;
  scheduleNext();
  emit timeout();
}
