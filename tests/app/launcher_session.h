#pragma once

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>
#include <filesystem>
#include <memory>
#include <string>

#include "tests/support/desktop_session.h"
#include "tests/support/own_environment.h"
#include "tests/support/window_layout.h"

namespace wv::test {

// The built launcher copied into a game folder and driven through its
// windows with xdotool, in an environment of its own; it is killed when the
// session ends.
class LauncherSession {
 public:
  ~LauncherSession() { Stop(); }

  // Starts the launcher from inside `folder` and returns its visible window
  // (the main window or its message box), or empty. The main window comes
  // back once it has been painted: the launcher is past its start-up then,
  // in its event loop.
  QString Start(const std::filesystem::path& folder, const QStringList& arguments = {}) {
    std::filesystem::copy_file(WV_LAUNCHER_FILE, folder / "wreckvale-launcher");
#ifdef WV_CLIPBOARD_KEEPER_FILE
    std::filesystem::copy_file(WV_CLIPBOARD_KEEPER_FILE, folder / "wreckvale-clipboard-keeper");
#endif
    if (!Launch(folder, QStringLiteral("./wreckvale-launcher"), arguments)) return {};
    const QString window = WaitForOwnWindow(kStartTimeoutMs);
    if (window.isEmpty() || !IsMainWindow(window)) return window;
    return WaitFor([&] { return Painted(window); }, kStartTimeoutMs) ? window : QString();
  }

  // Starts `program` with `folder` as its working folder, without waiting for
  // a window. QProcess would pass a folder name through QString, which cannot
  // hold bytes that are not UTF-8; started from inside, the name never has to
  // be spelled.
  bool Launch(const std::filesystem::path& folder, const QString& program,
              const QStringList& arguments = {}) {
    const std::filesystem::path previous = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    process_.setProcessChannelMode(QProcess::ForwardedChannels);
    process_.setProcessEnvironment(environment_.Get());
    process_.start(program, arguments);
    std::filesystem::current_path(previous);
    return process_.waitForStarted();
  }

  // The visible windows of this launcher's process.
  QStringList OwnWindows() const {
    const QString pid = QString::number(process_.processId());
    return Xdotool({"search", "--onlyvisible", "--pid", pid}).split('\n', Qt::SkipEmptyParts);
  }

  // A visible window of this launcher's process, or empty when none shows in
  // time or the launcher ends first.
  QString WaitForOwnWindow(int milliseconds) const {
    QStringList windows;
    WaitFor(
        [&] {
          windows = OwnWindows();
          return !windows.isEmpty() || process_.state() == QProcess::NotRunning;
        },
        milliseconds);
    return windows.value(0);
  }

  // A visible message box of this launcher, or empty when none shows in time.
  QString WaitForMessageBox(int milliseconds) const {
    QString box;
    WaitFor(
        [&] {
          for (const QString& window : OwnWindows()) {
            if (!IsMainWindow(window)) box = window;
          }
          return !box.isEmpty() || process_.state() == QProcess::NotRunning;
        },
        milliseconds);
    return box;
  }

  // Whether `window` is the main window rather than a message box over it.
  bool IsMainWindow(const QString& window) const {
    return Xdotool({"getwindowgeometry", window}).contains(QStringLiteral("340x249"));
  }

  // Whether the main window's caption bar is on the display, read back from
  // it: the grey of the bar between its text and its glyphs. Unpainted, the
  // window shows whatever was on the screen before.
  static bool Painted(const QString& window) {
    const QRect bar = DesignedRect("title");
    const QRect plain(bar.left() + 200, bar.top() + 4, 90, 16);
    const QImage shot =
        QGuiApplication::primaryScreen()
            ->grabWindow(window.toULongLong(), plain.x(), plain.y(), plain.width(), plain.height())
            .toImage();
    if (shot.size() != plain.size()) return false;
    for (int y = 0; y < shot.height(); ++y) {
      for (int x = 0; x < shot.width(); ++x) {
        if (shot.pixel(x, y) != kCaptionGrey) return false;
      }
    }
    return true;
  }

  // The first visible window whose title matches `title`, or empty when none
  // appears in time or the launcher ends first.
  QString WaitForWindow(const QString& title, int milliseconds) const {
    QString window;
    WaitFor(
        [&] {
          window = Xdotool({"search", "--onlyvisible", "--name", title}).section('\n', 0, 0);
          return !window.isEmpty() || process_.state() == QProcess::NotRunning;
        },
        milliseconds);
    return window;
  }

  QString Xdotool(const QStringList& arguments) const {
    return Run(xdotool_, arguments);
  }
  // `at` in window coordinates. The pointer must not be there already:
  // xdotool would wait for a move that never comes.
  void PointAt(const QString& window, QPoint at) const {
    Xdotool({"mousemove", "--sync", "--window", window, QString::number(at.x()),
             QString::number(at.y())});
  }
  void ClickHere() const {
    Xdotool({"click", "1"});
  }
  // The pointer leaves first, so that it is never there already.
  void Click(const QString& window, QPoint at) const {
    Xdotool({"mousemove", "0", "0", "mousemove", "--sync", "--window", window,
             QString::number(at.x()), QString::number(at.y()), "click", "1"});
  }

  void Stop() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.kill();
    process_.waitForFinished();
  }
  QProcess& Process() {
    return process_;
  }
  // What the next Start or Launch hands the launcher.
  OwnEnvironment& Environment() {
    return environment_;
  }

 private:
  static constexpr int kStartTimeoutMs = 20000;
  static constexpr QRgb kCaptionGrey = qRgb(128, 128, 128);

  QString xdotool_ = QStandardPaths::findExecutable("xdotool");
  OwnEnvironment environment_;
  QProcess process_;
};

}  // namespace wv::test

// The tests read the launcher's window back from the display, which takes a
// GUI application. A suite that lacks what it needs ends before it runs, as
// skipped (failed under CI).
#define WV_LAUNCHER_TEST_MAIN(TestObject, ...)                    \
  int main(int argc, char** argv) {                               \
    using wv::test::Need;                                         \
    if (const char* missing = wv::test::Missing({__VA_ARGS__})) { \
      return wv::test::SkipSuite(missing);                        \
    }                                                             \
    QGuiApplication app(argc, argv);                              \
    TestObject test;                                              \
    return QTest::qExec(&test, argc, argv);                       \
  }
