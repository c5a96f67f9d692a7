#include "timing/framepacer.h"

#include <QCoreApplication>
#include <QEvent>
#include <QScreen>
#include <QTimerEvent>
#include <QWidget>

FramePacer::FramePacer(QWidget* window) : QObject(window), window_(window) {
  window_->installEventFilter(this);
}

void FramePacer::setHeld(bool held) {
  held_ = held;
  releaseNear_ = false;
  if (held) {
    heldInterval_ = frameInterval();
  } else {
    frame_.stop();
    if (pending_) {
      paintNow();
    }
  }
}

void FramePacer::expectReleaseWithin(std::chrono::microseconds within) {
  if (held_ && !releaseNear_ && within < heldInterval_) {
    releaseNear_ = true;
    // Should the release not come, frames go on a frame after it was due.
    const auto resume = std::chrono::ceil<std::chrono::milliseconds>(within + heldInterval_);
    frame_.start(static_cast<int>(resume.count()), Qt::PreciseTimer, this);
  }
}

std::chrono::microseconds FramePacer::frameInterval() const {
  // A screen that reports no rate, or an odd one, is taken as a common 60 Hz.
  constexpr double kUsualRate = 60;
  constexpr double kSlowest = 24;
  constexpr double kFastest = 240;
  const QScreen* screen = window_->screen();
  double rate = screen != nullptr ? screen->refreshRate() : kUsualRate;
  if (!(rate >= kSlowest && rate <= kFastest)) {
    rate = kUsualRate;
  }
  return std::chrono::microseconds(static_cast<long long>(1e6 / rate));
}

// Qt asks for a repaint of the whole window with one update request, and asks
// again only after that request has been served: holding it back holds back
// every change made meanwhile, and serving it paints them all in one frame.
bool FramePacer::eventFilter(QObject* watched, QEvent* event) {
  if (watched != window_ || event->type() != QEvent::UpdateRequest || painting_) {
    return false;
  }
  if (!held_) {
    emit framing();
    return false;
  }
  const auto sinceLast = Clock::now() - lastPaint_;
  if (sinceLast >= heldInterval_ && !releaseNear_) {
    lastPaint_ = Clock::now();
    emit framing();
    return false;
  }
  pending_ = true;
  // Near a release the timer is already set, to resume should it not come.
  if (!frame_.isActive()) {
    const auto wait = std::chrono::ceil<std::chrono::milliseconds>(heldInterval_ - sinceLast);
    frame_.start(static_cast<int>(wait.count()), Qt::PreciseTimer, this);
  }
  return true;
}

void FramePacer::timerEvent(QTimerEvent* event) {
  if (event->timerId() != frame_.timerId()) {
    QObject::timerEvent(event);
    return;
  }
  frame_.stop();
  releaseNear_ = false;
  if (pending_) {
    paintNow();
  }
}

void FramePacer::paintNow() {
  pending_ = false;
  lastPaint_ = Clock::now();
  emit framing();
  painting_ = true;
  QEvent request(QEvent::UpdateRequest);
  QCoreApplication::sendEvent(window_, &request);
  painting_ = false;
}
