#pragma once

#include <QBasicTimer>
#include <QHash>
#include <QObject>
#include <QPointer>

#include <chrono>
#include <functional>

class QWidget;

// Paces a window's painting to its screen's refresh rate while held. The
// widgets change their state at once, as ever; only the window's repaint (Qt's
// update request) waits for the next display frame, so a window changing a
// thousand times a second is painted and sent to the display sixty times. When
// released, what is pending is painted at once.
//
// Nothing waits on the display: the frame interval comes from the screen's
// refresh rate, and the timer that ends it is the window's own.
//
// What the window tells a screen reader is held back the same way, at a
// reader's pace: a control's change events go out at most every 100 ms while
// held, each with the control's latest state, and at once when released.
class FramePacer : public QObject {
  Q_OBJECT

 public:
  explicit FramePacer(QWidget* window);

  // Held, repaints wait for the next frame; released, what waits is painted now.
  void setHeld(bool held);

  // Sends `announce` now, or while `pacer` is held with its next batch; a
  // control's later announcement replaces an earlier one still waiting. A
  // control with no pacer announces at once; with no screen reader active,
  // nothing is sent.
  static void announce(FramePacer* pacer, QObject* control, const std::function<void()>& announce);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void timerEvent(QTimerEvent* event) override;

 private:
  using Clock = std::chrono::steady_clock;

  std::chrono::microseconds frameInterval() const;
  void paintNow();
  void defer(QObject* control, const std::function<void()>& announce);
  void announceNow();

  QWidget* window_;
  QBasicTimer frame_;
  QBasicTimer announcements_;
  QHash<QObject*, std::pair<QPointer<QObject>, std::function<void()>>> waiting_;
  Clock::time_point lastPaint_;
  bool held_ = false;
  bool pending_ = false;
  bool painting_ = false;
};
