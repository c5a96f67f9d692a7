#pragma once

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

#include <functional>

// Runs the event loop until `done` holds or the time is up. Unlike QTest::qWait
// and QTRY_*, it never sleeps between events, so a 1 ms timer keeps its pace.
inline bool runEventsUntil(const std::function<bool()>& done, int millis) {
  // Often enough for a test to see a change at once, rarely enough that the
  // looking costs next to nothing beside a 1 ms timer.
  constexpr int kPollMillis = 5;
  const QDeadlineTimer deadline(millis);
  QEventLoop loop;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
    if (done() || deadline.hasExpired()) {
      loop.quit();
    }
  });
  poll.start(kPollMillis);
  if (!done()) {
    loop.exec();
  }
  return done();
}
