#pragma once

#include <QDeadlineTimer>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTest>
#include <functional>

namespace wv::test {

// The action button's centre in window coordinates.
inline constexpr int kGoButtonX = 257;
inline constexpr int kGoButtonY = 226;

// Runs a helper program (xdotool and the like) and returns what it printed.
inline QString Run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  process.waitForFinished(10000);
  return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

// Polls while the event loop keeps running, so that servers of the test answer.
inline bool WaitFor(const std::function<bool()>& done, int milliseconds) {
  QDeadlineTimer deadline(milliseconds);
  while (!deadline.hasExpired()) {
    if (done()) return true;
    QTest::qWait(50);
  }
  return done();
}

}  // namespace wv::test
