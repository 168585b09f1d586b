#include <QTest>
#include <filesystem>

#include "tests/app/launcher_session.h"
#include "tests/support/stand_in_game.h"

namespace wv::test {

namespace fs = std::filesystem;

class LauncherE2eTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    if (const char* missing = DesktopMissing()) QSKIP(missing);
  }

  void actionButtonStartsTheEngine() {
    TempFolder folder;
    WriteStandIn(folder / "qr7.exe");
    const fs::path record = RecordInto(folder.Path());
    LauncherSession launcher;
    const QString window = launcher.Start(folder.Path());
    QVERIFY(!window.isEmpty());

    launcher.Click(window, kGoButtonX, kGoButtonY);

    const bool received = WaitFor([&] { return fs::exists(record); }, 15000);
    launcher.Stop();
    QVERIFY2(received, "the stand-in engine was not started");

    const std::vector<std::string> words = ReadRecord(record);
    QVERIFY(words.size() >= 2);
    QCOMPARE(fs::canonical(words[1]), fs::canonical(folder.Path()));
    QCOMPARE(std::vector<std::string>(words.begin() + 2, words.end()), kDefaultArguments);
  }

  // Outside a game folder only the message box appears; once it is dismissed
  // the launcher ends by itself, leaving a settings file behind.
  void wrongFolderEndsAfterTheMessage() {
    TempFolder folder;
    LauncherSession launcher;
    const QString box = launcher.Start(folder.Path());
    QVERIFY(!box.isEmpty());

    launcher.Xdotool({"windowfocus", "--sync", box, "key", "Return"});

    QProcess& process = launcher.Process();
    QVERIFY2(process.waitForFinished(10000), "the launcher did not end after the message");
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    QVERIFY(fs::exists(folder / "wreckvale_launcher.ini"));
  }
};

}  // namespace wv::test

QTEST_GUILESS_MAIN(wv::test::LauncherE2eTest)
#include "launcher_e2e_test.moc"
