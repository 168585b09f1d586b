#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTest>
#include <functional>
#include <limits>

namespace wv::test {

// Runs a helper program (xdotool and the like) and returns what it printed.
inline QString Run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  process.waitForFinished(10000);
  return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

// Polls while the event loop keeps running, so that servers of the test answer.
// The conditions ask xdotool or read /proc: polled at a pace, they leave the
// processor to the launcher that is starting meanwhile.
inline bool WaitFor(const std::function<bool()>& done, int milliseconds) {
  QDeadlineTimer deadline(milliseconds);
  while (!deadline.hasExpired()) {
    if (done()) return true;
    QTest::qWait(50);
  }
  return done();
}

// Returns once the event loop has handled every event posted before the call,
// paints included, and what those posted in turn: a marker posted behind them
// at the lowest priority arrives after them, and a second one after what the
// first round posted. False when the loop has not got there in time.
inline bool HandlePostedEvents(int milliseconds = 5000) {
  class Marker : public QObject {
   public:
    bool reached = false;

   protected:
    bool event(QEvent* event) override {
      if (event->type() != QEvent::User) return QObject::event(event);
      reached = true;
      return true;
    }
  };
  for (int round = 0; round < 2; ++round) {
    Marker marker;
    QCoreApplication::postEvent(&marker, new QEvent(QEvent::User), std::numeric_limits<int>::min());
    if (!QTest::qWaitFor([&] { return marker.reached; }, milliseconds)) return false;
  }
  return true;
}

}  // namespace wv::test
