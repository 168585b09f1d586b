// The player's settings file with the real launcher: started together,
// through a link, from another folder, beside an odd file or a removed
// folder, no start loses it, hangs or ends in a crash.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTest>
#include <array>
#include <filesystem>
#include <memory>

#include "core/settings_lock.h"
#include "tests/app/launcher_session.h"
#include "tests/support/launcher_files.h"
#include "tests/support/stand_in_game.h"

namespace wv::test {

namespace {

namespace fs = std::filesystem;

constexpr int kWindowTimeoutMs = 20000;

// A settings file with the player's edits: switched-off console, a marker
// and `bytes` of comments, written by an older launcher or by this one.
std::string PlayersFile(const std::string& version, const std::string& marker, std::size_t bytes) {
  std::string text = "[Application]\r\nVersion=" + version + "\r\nConsole=No\r\n; " + marker +
                     "\r\n[CustomMap1]\r\nMap name=Mine\r\nFile name=my_map\r\n";
  while (text.size() < bytes) text += "; " + std::string(78, 'x') + "\r\n";
  return text;
}

// Every file of `folder` that holds `content` byte for byte.
int FilesHolding(const fs::path& folder, const std::string& content) {
  int found = 0;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.is_regular_file() && TempFolder::ReadFile(entry.path()) == content) ++found;
  }
  return found;
}

// Presses the action button and returns the arguments the stand-in engine
// received after its program name and folder.
std::vector<std::string> PressAndRecord(LauncherSession& launcher, const QString& window,
                                        const fs::path& record) {
  fs::remove(record);
  launcher.Click(window, ClickPoint("actionButton"));
  if (!WaitForFile(record)) return {"<the engine was not started>"};
  const std::vector<std::string> words = ReadRecord(record);
  return std::vector<std::string>(words.begin() + std::min<std::size_t>(2, words.size()),
                                  words.end());
}

bool HasConsole(const std::vector<std::string>& arguments) {
  return std::find(arguments.begin(), arguments.end(), "-console") != arguments.end();
}

// Dismisses message boxes with Return until the main window shows or the
// launcher ends; returns the main window, if any. `dismissed` counts the boxes.
QString PastMessages(LauncherSession& launcher, int* dismissed = nullptr) {
  while (true) {
    QString box, main;
    WaitFor(
        [&] {
          for (const QString& window : launcher.OwnWindows()) {
            (launcher.IsMainWindow(window) ? main : box) = window;
          }
          return !box.isEmpty() || !main.isEmpty() ||
                 launcher.Process().state() == QProcess::NotRunning;
        },
        kWindowTimeoutMs);
    if (box.isEmpty()) return main;
    if (dismissed != nullptr) ++*dismissed;
    launcher.Xdotool({"windowfocus", "--sync", box, "key", "Return"});
    WaitFor([&] { return !launcher.OwnWindows().contains(box); }, kWindowTimeoutMs);
  }
}

}  // namespace

class LauncherSettingsE2eTest : public QObject {
  Q_OBJECT

 private slots:
  // Two or three launchers started together on an outdated file: the edits
  // survive, whole, in the backup, and the settings file is the template.
  void startsTogetherKeepTheEdits() {
    for (int round = 0; round < 20; ++round) {
      const std::size_t bytes = (round % 2 == 0 ? 1 : 5) << 20;
      const int count = 2 + round % 3 / 2;
      EngineFolder folder;
      const std::string edits = PlayersFile("1.0", "round " + std::to_string(round), bytes);
      folder.Write(kIni, edits);
      fs::copy_file(WV_LAUNCHER_FILE, folder / "wreckvale-launcher");

      std::vector<std::unique_ptr<LauncherSession>> launchers;
      for (int i = 0; i < count; ++i) {
        launchers.push_back(std::make_unique<LauncherSession>());
        QVERIFY(launchers.back()->Launch(folder.Path(), QStringLiteral("./wreckvale-launcher")));
      }
      for (auto& launcher : launchers) {
        QVERIFY2(!launcher->WaitForOwnWindow(kWindowTimeoutMs).isEmpty(), "a launcher hung");
      }
      launchers.clear();

      QCOMPARE(FilesHolding(folder.Path(), edits), 1);
      QVERIFY(TempFolder::ReadFile(folder / kIni).starts_with("[Application]\r\nConsole=Yes"));
    }
  }

  // Started twice through a link in the game folder, from another game
  // folder, or from a folder without the game, the launcher keeps the
  // player's current file byte for byte and takes its options. The game
  // starts in the start folder when that holds the game, else in the
  // launcher's own, which the template never leaves.
  void linkedOrElsewhereKeepsTheFile() {
    enum class From { LinkInGameFolder, OtherGameFolder, FolderWithoutGame };
    for (const From from :
         {From::LinkInGameFolder, From::OtherGameFolder, From::FolderWithoutGame}) {
      const bool linked = from == From::LinkInGameFolder;
      TempFolder elsewhere;
      EngineFolder game;
      WriteStandIn(game / "qr7.exe");
      const fs::path record = RecordInto(elsewhere.Path());
      const std::string current = PlayersFile(std::string(kVersion), "mine", 0);
      game.Write(kIni, current);
      fs::copy_file(WV_LAUNCHER_FILE, (linked ? elsewhere : game) / "wreckvale-launcher");
      if (linked) fs::create_symlink(elsewhere / "wreckvale-launcher", game / "wreckvale-launcher");
      // Started from another folder, the game starts there: it is a game folder too.
      EngineFolder other;
      WriteStandIn(other / "qr7.exe");
      TempFolder bare;
      const fs::path start = linked                          ? game.Path()
                             : from == From::OtherGameFolder ? other.Path()
                                                             : bare.Path();

      for (int run = 0; run < 2; ++run) {
        LauncherSession launcher;
        const QString program =
            linked ? QStringLiteral("./wreckvale-launcher")
                   : QString::fromStdString((game / "wreckvale-launcher").native());
        QVERIFY(launcher.Launch(start, program));
        const QString window = launcher.WaitForOwnWindow(kWindowTimeoutMs);
        QVERIFY(!window.isEmpty() && launcher.IsMainWindow(window));
        QVERIFY2(!HasConsole(PressAndRecord(launcher, window, record)),
                 "the options did not come from the player's file");
        const std::vector<std::string> words = ReadRecord(record);
        QVERIFY(words.size() >= 2);
        QCOMPARE(fs::canonical(words[1]),
                 fs::canonical(from == From::FolderWithoutGame ? game.Path() : start));
        QCOMPARE(game.Read(kIni), current);
        QVERIFY(!fs::exists(game / kIniBackup));
        QVERIFY(!fs::exists(bare / kIni));
      }
    }
  }

  // A FIFO or a link to an endless device as the settings file: the start
  // says it cannot read it, leaves it where it is and opens the window.
  void oddSettingsFileIsNeitherWaitedOnNorMoved() {
    for (const bool fifo : {true, false}) {
      EngineFolder folder;
      if (fifo) {
        QCOMPARE(::mkfifo((folder / kIni).c_str(), 0644), 0);
      } else {
        fs::create_symlink("/dev/zero", folder / kIni);
      }
      const auto before = fs::symlink_status(folder / kIni).type();
      LauncherSession launcher;
      QVERIFY2(!launcher.Start(folder.Path()).isEmpty(), "the start hung");
      QVERIFY2(!launcher.WaitForMessageBox(0).isEmpty(), "no message said the file cannot be read");
      QVERIFY2(!PastMessages(launcher).isEmpty(), "the window did not open");
      QCOMPARE(fs::symlink_status(folder / kIni).type(), before);
      QVERIFY(!fs::exists(folder / kIniBackup));
    }
  }

  // Another launcher holds the settings lock through the whole start: the
  // start waits once, well under two waits, says so in one message, and the
  // window opens; the player's outdated file stays where it is.
  void heldLockIsWaitedForOnceAndSaid() {
    constexpr qint64 kBoundMs = 16000;  // one wait of 10 s and the start around it
    EngineFolder folder;
    const std::string edits = PlayersFile("1.0", "held", 0);
    folder.Write(kIni, edits);
    const int held =
        ::open((folder / kSettingsLockName).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    QVERIFY(held >= 0);
    QCOMPARE(::flock(held, LOCK_EX | LOCK_NB), 0);
    fs::copy_file(WV_LAUNCHER_FILE, folder / "wreckvale-launcher");
    QElapsedTimer clock;
    clock.start();
    LauncherSession launcher;
    QVERIFY(launcher.Launch(folder.Path(), QStringLiteral("./wreckvale-launcher")));
    const QString box = launcher.WaitForMessageBox(static_cast<int>(kBoundMs));
    const qint64 shownAfter = clock.elapsed();
    QVERIFY2(!box.isEmpty(), "no message that the settings file was busy");
    QVERIFY2(shownAfter < kBoundMs, QByteArray::number(shownAfter).constData());
    int dismissed = 0;
    const QString window = PastMessages(launcher, &dismissed);
    ::close(held);
    QVERIFY2(!window.isEmpty(), "the window did not open");
    QCOMPARE(dismissed, 1);
    QCOMPARE(folder.Read(kIni), edits);
    QVERIFY(!fs::exists(folder / kIniBackup));
  }

  // A working folder removed under a running launcher, or before it
  // started: the press and the start say so, and nothing crashes.
  void removedWorkingFolder() {
    {
      EngineFolder folder;
      WriteStandIn(folder / "qr7.exe");
      LauncherSession launcher;
      const QString window = launcher.Start(folder.Path());
      QVERIFY(launcher.IsMainWindow(window));
      fs::remove_all(folder.Path());
      launcher.Click(window, ClickPoint("actionButton"));
      const bool boxShown = !launcher.WaitForMessageBox(kWindowTimeoutMs).isEmpty();
      QVERIFY2(launcher.Process().state() == QProcess::Running, "the press ended the launcher");
      QVERIFY2(boxShown, "the press said nothing");
    }
    TempFolder base;
    fs::create_directory(base / "gone");
    LauncherSession launcher;
    QVERIFY(launcher.Launch(base.Path(), QStringLiteral("/bin/sh"),
                            {"-c", "cd \"$1\" && \"$3\" \"$1\" && exec \"$2\"", "sh",
                             QString::fromStdString((base / "gone").native()), WV_LAUNCHER_FILE,
                             QStandardPaths::findExecutable("rmdir")}));
    QVERIFY2(!launcher.WaitForMessageBox(kWindowTimeoutMs).isEmpty(), "no message at the start");
    PastMessages(launcher);
    QProcess& process = launcher.Process();
    QVERIFY2(WaitFor([&] { return process.state() == QProcess::NotRunning; }, kWindowTimeoutMs),
             "the launcher did not end");
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
  }
};

}  // namespace wv::test

WV_LAUNCHER_TEST_MAIN(wv::test::LauncherSettingsE2eTest, Need::Display, Need::Xdotool)
#include "launcher_settings_e2e_test.moc"
