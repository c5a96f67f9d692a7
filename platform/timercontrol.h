#pragma once

#include <QObject>

#include <chrono>

// A window's timer: while enabled it ticks every `interval` on the GUI thread,
// one tick at a time. Ticks are scheduled against fixed deadlines rather than
// from the last tick, so a tick that comes late does not make the later ones
// late: n ticks take n intervals, as long as the handler keeps up.
class TimerControl : public QObject {
  Q_OBJECT

 public:
  explicit TimerControl(QObject* parent);

  void setInterval(std::chrono::milliseconds interval) { interval_ = interval; }
  void start();
  void stop();
  bool isActive() const { return timerId_ != 0; }

  // The id of the pending system timer; 0 while stopped.
  int timerId() const { return timerId_; }

  using Clock = std::chrono::steady_clock;
  struct Schedule {
    Clock::time_point deadline;  // when the next tick is due
    std::chrono::milliseconds wait;
  };
  // How long to wait, seen at `now`, for the tick due at `deadline`.
  static Schedule schedule(Clock::time_point deadline, Clock::time_point now);

 signals:
  void timeout();
  // Enabled or disabled, by start() or stop(), not by each tick.
  void runningChanged(bool running);

 protected:
  void timerEvent(QTimerEvent* event) override;

 private:
  void scheduleNext();

  std::chrono::milliseconds interval_{1};
  Clock::time_point deadline_;
  int timerId_ = 0;
};
