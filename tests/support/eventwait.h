#pragma once

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

#include <functional>

// Runs the event loop until `done` holds or the time is up. Unlike QTest::qWait
// and QTRY_*, it never sleeps between events, so a 1 ms timer keeps its pace.
inline bool runEventsUntil(const std::function<bool()>& done, int millis) {
  const QDeadlineTimer deadline(millis);
  QEventLoop loop;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
    if (done() || deadline.hasExpired()) {
      loop.quit();
    }
  });
  poll.start(2);
  if (!done()) {
    loop.exec();
  }
  return done();
}
