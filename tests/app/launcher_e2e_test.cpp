#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QThread>
#include <filesystem>
#include <functional>

#include "tests/support/desktop_session.h"
#include "tests/support/temp_folder.h"

namespace wv::test {

namespace {

namespace fs = std::filesystem;

// Records its working folder, then each argument, every one ended by a NUL.
constexpr std::string_view kStandInEngine =
    "#!/bin/sh\n"
    "out=\"$(dirname \"$0\")/received\"\n"
    "printf '%s\\0' \"$PWD\" \"$@\" > \"$out.part\"\n"
    "mv \"$out.part\" \"$out\"\n";

}  // namespace

class LauncherE2eTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void actionButtonStartsTheEngine();
  void wrongFolderEndsAfterTheMessage();

 private:
  // Starts the launcher copied into `folder` and waits for a window titled
  // like it (the main window or its message box).
  QString Start(const TempFolder& folder, QProcess& launcher);

  QString xdotool_;
};

void LauncherE2eTest::init() {
  if (qEnvironmentVariableIsEmpty("DISPLAY")) QSKIP("needs an X display");
  xdotool_ = QStandardPaths::findExecutable("xdotool");
  if (xdotool_.isEmpty()) QSKIP("needs xdotool");
}

QString LauncherE2eTest::Start(const TempFolder& folder, QProcess& launcher) {
  const fs::path launcherFile = folder / "wreckvale-launcher";
  fs::copy_file(WV_LAUNCHER_FILE, launcherFile);
  launcher.setWorkingDirectory(QString::fromStdString(folder.Path().string()));
  launcher.setProcessChannelMode(QProcess::ForwardedChannels);
  launcher.start(QString::fromStdString(launcherFile.string()), {});
  if (!launcher.waitForStarted()) return {};
  QString window;
  WaitFor(
      [&] {
        window = Run(xdotool_, {"search", "--onlyvisible", "--name", "^Wreckvale Launcher$"})
                     .section('\n', 0, 0);
        return !window.isEmpty() || launcher.state() == QProcess::NotRunning;
      },
      20000);
  QThread::msleep(500);
  return window;
}

void LauncherE2eTest::actionButtonStartsTheEngine() {
  TempFolder folder;
  const fs::path engine = folder.Write("qr7.exe", kStandInEngine);
  fs::permissions(engine, fs::perms::owner_all, fs::perm_options::add);
  QProcess launcher;
  const QString window = Start(folder, launcher);
  QVERIFY(!window.isEmpty());

  Run(xdotool_, {"mousemove", "--sync", "--window", window, QString::number(kGoButtonX),
                 QString::number(kGoButtonY), "click", "1"});

  const bool received = WaitFor([&] { return fs::exists(folder / "received"); }, 15000);
  launcher.kill();
  launcher.waitForFinished();
  QVERIFY2(received, "the stand-in engine was not started");

  const std::string recorded = folder.Read("received");
  std::vector<std::string> words;
  for (std::size_t start = 0; start < recorded.size();) {
    const std::size_t end = recorded.find('\0', start);
    words.push_back(recorded.substr(start, end - start));
    start = end + 1;
  }
  QVERIFY(!words.empty());
  QCOMPARE(fs::canonical(words.front()), fs::canonical(folder.Path()));
  const std::vector<std::string> expected = {
      "-game",         "wreckvale",    "-console",    "-novid",
      "+z_difficulty", "normal",       "+maxplayers", "14",
      "+port",         "27015",        "+map",        "wrv_hospital01_apartment",
      "+team_desired", "Survivor Arno"};
  QCOMPARE(std::vector<std::string>(words.begin() + 1, words.end()), expected);
}

// Outside a game folder only the message box appears; once it is dismissed
// the launcher ends by itself, leaving a settings file behind.
void LauncherE2eTest::wrongFolderEndsAfterTheMessage() {
  TempFolder folder;
  QProcess launcher;
  const QString box = Start(folder, launcher);
  QVERIFY(!box.isEmpty());

  Run(xdotool_, {"windowfocus", "--sync", box, "key", "Return"});

  const bool ended = launcher.waitForFinished(10000);
  if (!ended) launcher.kill();
  QVERIFY2(ended, "the launcher did not end after the message");
  QCOMPARE(launcher.exitStatus(), QProcess::NormalExit);
  QCOMPARE(launcher.exitCode(), 0);
  QVERIFY(fs::exists(folder / "wreckvale_launcher.ini"));
}

}  // namespace wv::test

QTEST_GUILESS_MAIN(wv::test::LauncherE2eTest)
#include "launcher_e2e_test.moc"
