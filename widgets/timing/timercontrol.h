#pragma once

#include <QObject>

#include <chrono>

// A window's timer: while enabled, a tick falls due every `interval`, and the
// ticks are delivered on the GUI thread, one at a time, in order.
//
// Ticks are due at fixed deadlines rather than an interval after the last one,
// so a late tick does not make the later ones late: n ticks take n intervals,
// as long as the handler keeps up. Waking the machine costs more than a short
// tick, so a fast timer is woken at most once per gathering (`kGathering`
// unless set) and then delivers every tick that has fallen due: a 1 ms timer
// wakes 250 times a second, not 1000, and a tick waits at most that long for
// its wake.
class TimerControl : public QObject {
  Q_OBJECT

 public:
  using Clock = std::chrono::steady_clock;
  static constexpr std::chrono::milliseconds kGathering{4};

  explicit TimerControl(QObject* parent);

  // At least 1 ms, the shortest interval there is.
  void setInterval(std::chrono::milliseconds interval);
  // How long a tick may wait for its wake. Shortened while running, the next
  // wake comes sooner; ticks already due are delivered then, none is lost.
  void setGathering(std::chrono::milliseconds gathering);
  std::chrono::milliseconds gathering() const { return gathering_; }
  void start();
  void stop();
  bool isActive() const { return timerId_ != 0; }

  // The id of the pending system timer; 0 while stopped.
  int timerId() const { return timerId_; }

  struct Schedule {
    int ticks;                       // due now, to be delivered at once
    Clock::time_point deadline;      // when the tick after them is due
    std::chrono::milliseconds wait;  // until the timer wakes again
  };
  // What to do at `now` for a timer of `interval` whose next tick is due at `deadline`.
  static Schedule schedule(Clock::time_point deadline, std::chrono::milliseconds interval,
                           Clock::time_point now, std::chrono::milliseconds gathering = kGathering);

 signals:
  void timeout();
  // Enabled or disabled, by start() or stop(), not by each tick.
  void runningChanged(bool running);

 protected:
  void timerEvent(QTimerEvent* event) override;

 private:
  // Arms the system timer; returns the number of ticks due now.
  int arm(Clock::time_point now);

  std::chrono::milliseconds interval_{1};
  std::chrono::milliseconds gathering_ = kGathering;
  Clock::time_point deadline_;
  int timerId_ = 0;
  // Counts start() and stop(): a wake's remaining ticks are dropped when a
  // handler stops or restarts the timer.
  unsigned runs_ = 0;
};
