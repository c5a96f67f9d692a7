#include "accessibility/announcer.h"

#include <QAccessible>
#include <QApplication>
#include <QTimerEvent>
#include <QWidget>

#include <utility>

Announcer::Announcer(QWidget* window) : QObject(window) {
  // A result is told once: when the focus leaves the control that told it, it goes.
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* /*now*/) {
    if (old != nullptr && old == teller_) {
      teller_->setAccessibleDescription(QString());
      teller_ = nullptr;
      told_.clear();
    }
  });
}

void Announcer::setHeld(bool held) {
  held_ = held;
  if (!held) {
    announceNow();
  }
}

void Announcer::announce(Announcer* announcer, QObject* control,
                         const std::function<void()>& announce) {
  // With no screen reader there is no one to tell, and nothing to do per tick.
  if (!QAccessible::isActive()) {
    return;
  }
  if (announcer == nullptr || !announcer->held_) {
    announce();
  } else {
    announcer->defer(control, announce);
  }
}

void Announcer::tell(QWidget* holder, const QString& result) {
  if (teller_ != nullptr && teller_ != holder) {
    teller_->setAccessibleDescription(QString());
  }
  teller_ = holder;
  told_ = result;
  if (holder != nullptr) {
    // The same words again are news again: a change the reader hears of.
    if (holder->accessibleDescription() == result) {
      holder->setAccessibleDescription(QString());
    }
    // Set before the focus reaches it, the reader hears it with the control's
    // name; set on the control that has the focus, the reader hears it alone.
    holder->setAccessibleDescription(result);
  }
}

void Announcer::defer(QObject* control, const std::function<void()>& announce) {
  waiting_.insert(control, {QPointer<QObject>(control), announce});
  if (!batch_.isActive()) {
    constexpr int kReaderPace = 100;  // milliseconds
    batch_.start(kReaderPace, this);
  }
}

void Announcer::announceNow() {
  batch_.stop();
  const auto waiting = std::exchange(waiting_, {});
  for (const auto& [control, announce] : waiting) {
    if (control != nullptr) {
      announce();
    }
  }
}

void Announcer::timerEvent(QTimerEvent* event) {
  if (event->timerId() == batch_.timerId()) {
    announceNow();
    return;
  }
  QObject::timerEvent(event);
}
