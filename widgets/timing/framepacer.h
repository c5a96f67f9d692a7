#pragma once

#include <QBasicTimer>
#include <QObject>

#include <chrono>

class QWidget;

// Paces a window's painting to its screen's refresh rate while held. The
// widgets change their state at once; only the window's repaint (Qt's update
// request) waits for the next display frame, so a window changing a
// thousand times a second is painted and sent to the display sixty times. When
// released, what is pending is painted at once.
//
// Nothing waits on the display: the frame interval comes from the screen's
// refresh rate, and the timer that ends it is the window's own.
class FramePacer : public QObject {
  Q_OBJECT

 public:
  explicit FramePacer(QWidget* window);

  // Held, repaints wait for the next frame; released, what waits is painted now.
  void setHeld(bool held);
  // The hold ends within `within`. Sooner than a frame, no frame is painted
  // until then: painting one just before the release would only delay it, and
  // the release paints at once. Should it not come, frames resume a frame later.
  void expectReleaseWithin(std::chrono::microseconds within);
  // The time between the frames of the window's screen.
  std::chrono::microseconds frameInterval() const;

 signals:
  // The window is about to be painted, held or not: the moment to bring up to
  // date what a screen need only show once a frame.
  void framing();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void timerEvent(QTimerEvent* event) override;

 private:
  using Clock = std::chrono::steady_clock;

  void paintNow();

  QWidget* window_;
  QBasicTimer frame_;
  Clock::time_point lastPaint_;
  bool held_ = false;
  std::chrono::microseconds heldInterval_{0};  // the screen asked once a hold, not per tick
  bool releaseNear_ = false;
  bool pending_ = false;
  bool painting_ = false;
};
