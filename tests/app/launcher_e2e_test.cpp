#include <QFile>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <fstream>

#include "tests/app/launcher_session.h"
#include "tests/support/launcher_files.h"
#include "tests/support/stand_in_game.h"

namespace wv::test {

namespace fs = std::filesystem;

// The process running `program`, by its number, or empty.
QString ProcessOf(const fs::path& program) {
  const fs::path file = fs::weakly_canonical(program);
  for (const fs::directory_entry& entry : fs::directory_iterator("/proc")) {
    std::error_code error;
    if (fs::read_symlink(entry.path() / "exe", error) == file) {
      return QString::fromStdString(entry.path().filename().native());
    }
  }
  return {};
}

class LauncherE2eTest : public QObject {
  Q_OBJECT

 private slots:
  void actionButtonStartsTheEngine() {
    TempFolder folder;
    WriteStandIn(folder / "qr7.exe");
    const fs::path record = RecordInto(folder.Path());
    LauncherSession launcher;
    const QString window = launcher.Start(folder.Path());
    QVERIFY(!window.isEmpty());
    // The class the desktop entry names (StartupWMClass), so docks group them.
    QVERIFY(launcher.Xdotool({"search", "--class", "^wreckvale-launcher$"})
                .split('\n')
                .contains(window));

    launcher.Click(window, ClickPoint("actionButton"));

    const bool received = WaitFor([&] { return fs::exists(record); }, 15000);
    launcher.Stop();
    QVERIFY2(received, "the stand-in engine was not started");

    const std::vector<std::string> words = ReadRecord(record);
    QVERIFY(words.size() >= 2);
    QCOMPARE(fs::canonical(words[1]), fs::canonical(folder.Path()));
    QCOMPARE(std::vector<std::string>(words.begin() + 2, words.end()), kDefaultArguments);
  }

  // A wrapper found on PATH starts the game: it gets the game's program and
  // arguments, and the program path the search found.
  void runPrefixFromPath() {
    TempFolder folder, tools;
    Lay(folder.Path(), "qr7.exe?");
    const fs::path wine = WriteStandIn(tools / "wine");
    WriteCurrentSettings(folder.Path(), "USEPrefix=Yes\r\nRunPrefix=wine\r\nRunPrefixParam=\r\n");
    const fs::path record = RecordInto(folder.Path());
    LauncherSession launcher;
    launcher.Environment().AddToPath(tools.Path());
    const QString window = launcher.Start(folder.Path());
    QVERIFY(!window.isEmpty());

    launcher.Click(window, ClickPoint("actionButton"));

    QVERIFY2(WaitForFile(record), "the wrapper was not started");
    std::vector<std::string> expected = {wine.native(), fs::canonical(folder.Path()).native(),
                                         "qr7.exe"};
    expected.insert(expected.end(), kDefaultArguments.begin(), kDefaultArguments.end());
    QCOMPARE(ReadRecord(record), expected);
  }

  // The summary copied just before the launcher ends with the game's start
  // can be pasted the moment the launcher has ended, and after. The keeper
  // owns the clipboard by then; a clipboard manager that confirms it saved the
  // text takes it over and no keeper stays; without one, or with one that
  // never answers, the keeper serves it until another program takes the
  // clipboard, holding none of the launcher's output streams.
  void clipboardOutlivesTheLauncher_data() {
    QTest::addColumn<QString>("manager");
    QTest::newRow("the keeper serves it") << QString();
    QTest::newRow("a clipboard manager runs") << QStringLiteral("--answers");
    QTest::newRow("a clipboard manager never answers") << QStringLiteral("--silent");
  }
  void clipboardOutlivesTheLauncher() {
    QFETCH(QString, manager);
    const QString xclip = QStandardPaths::findExecutable("xclip");
    QProcess managerProcess;
    QByteArray managerSaid;
    const auto managerSays = [&](const QByteArray& line) {
      return WaitFor(
          [&] {
            managerSaid += managerProcess.readAllStandardOutput();
            return managerSaid.contains(line + '\n');
          },
          10000);
    };
    auto stopManager = qScopeGuard([&] {
      managerProcess.terminate();
      managerProcess.waitForFinished();
    });
    if (!manager.isEmpty()) {
      managerProcess.setProcessChannelMode(QProcess::ForwardedErrorChannel);
      managerProcess.start(QStringLiteral("/usr/bin/python3"), {WV_CLIPBOARD_MANAGER, manager});
      QVERIFY2(managerSays("ready"), "the clipboard manager did not start");
    }
    TempFolder folder;
    WriteStandIn(folder / "qr7.exe");
    WriteCurrentSettings(folder.Path(), "ExitAfterRun=Yes\r\n");
    // Without a record to write the stand-in fails, and the launcher stays.
    RecordInto(folder.Path());
    LauncherSession launcher;
    const QString window = launcher.Start(folder.Path());
    QVERIFY(!window.isEmpty());
    const auto pasted = [&] { return Run(xclip, {"-o", "-selection", "clipboard"}); };

    launcher.Click(window, ClickPoint("clipboardButton"));
    QString summary;
    QVERIFY(WaitFor([&] { return !(summary = pasted()).isEmpty(); }, 10000));
    launcher.Click(window, ClickPoint("actionButton"));
    QVERIFY2(launcher.Process().waitForFinished(15000), "the launcher did not end after the run");
    QCOMPARE(pasted(), summary);

    const fs::path keeperFile = folder / "wreckvale-clipboard-keeper";
    if (manager == "--answers") {
      QVERIFY2(managerSays("saved"), "the clipboard was not handed to the manager");
      QVERIFY2(WaitFor([&] { return ProcessOf(keeperFile).isEmpty(); }, 10000),
               "a clipboard keeper runs beside the manager");
      QCOMPARE(pasted(), summary);
      return;
    }
    QString keeper;
    QVERIFY2(WaitFor([&] { return !(keeper = ProcessOf(keeperFile)).isEmpty(); }, 10000),
             "no clipboard keeper runs");
    auto stopKeeper = qScopeGuard([&] { Run("kill", {keeper}); });
    QCOMPARE(pasted(), summary);
    for (const char* stream : {"1", "2"}) {
      QCOMPARE(fs::read_symlink("/proc/" + keeper.toStdString() + "/fd/" + stream),
               fs::path("/dev/null"));
    }

    QProcess other;
    other.start(xclip, {"-quiet", "-selection", "clipboard", "-i"});
    QVERIFY(other.waitForStarted());
    other.write("another program's text");
    other.closeWriteChannel();
    QVERIFY2(WaitFor([&] { return ProcessOf(keeperFile).isEmpty(); }, 10000),
             "the keeper did not end when another program took the clipboard");
    stopKeeper.dismiss();
    QCOMPARE(pasted(), QStringLiteral("another program's text"));
    other.kill();
    other.waitForFinished();
  }

  // Exit after run hides the window at the press. A game that fails at once
  // brings it back with the message, its error kept in the log (readable by
  // the player alone: a game may echo its command line) and the run before's
  // as ".1"; one that runs on sees the launcher end by itself. However much
  // the game printed, the message fits the screen.
  void exitAfterRunWaitsOutTheFirstSeconds_data() {
    QTest::addColumn<QString>("standIn");
    QTest::addColumn<QString>("logged");  // empty: the game runs on
    QTest::newRow("the game fails")
        << QString::fromLatin1(kFailingStandIn) << "stand-in: cannot open display\n";
    QTest::newRow("the game runs") << QString::fromLatin1(kStandInGame) << QString();
    QTest::newRow("the game fails after one line of 1 MB")
        << "#!/bin/sh\nprintf '%01000000d\\n' 0\nexit 1\n"
        << QString(1000000, '0') + "\n";
    QTest::newRow("the game fails after 3000 progress lines")
        << "#!/bin/sh\ni=0\nwhile [ $i -lt 3000 ]; do printf 'step %04d\\r' $i; i=$((i+1)); "
           "done\nexit 1\n"
        << QString();
  }
  void exitAfterRunWaitsOutTheFirstSeconds() {
    QFETCH(QString, standIn);
    QFETCH(QString, logged);
    const bool fails = standIn != QString::fromLatin1(kStandInGame);
    TempFolder folder;
    WriteStandIn(folder / "qr7.exe", standIn.toStdString());
    WriteCurrentSettings(folder.Path(), "ExitAfterRun=Yes\r\n");
    std::ofstream(folder / "wreckvale_last_run.log") << "the run before\n";
    const fs::path record = RecordInto(folder.Path());
    LauncherSession launcher;
    const QString window = launcher.Start(folder.Path());
    QVERIFY(!window.isEmpty());

    launcher.Click(window, ClickPoint("actionButton"));

    QProcess& process = launcher.Process();
    if (!fails) {
      QVERIFY2(process.waitForFinished(15000), "the launcher did not end after the game's start");
      QCOMPARE(process.exitCode(), 0);
      QVERIFY(WaitForFile(record));
    }
    QCOMPARE(QString::fromStdString(folder.Read("wreckvale_last_run.log.1")),
             QStringLiteral("the run before\n"));
    QCOMPARE(fs::status(folder / "wreckvale_last_run.log").permissions() & fs::perms::all,
             fs::perms::owner_read | fs::perms::owner_write);
    if (!fails) return;
    const QString box = launcher.WaitForMessageBox(15000);
    QVERIFY2(!box.isEmpty(), "no message about the failed game");
    QVERIFY(launcher.OwnWindows().contains(window));
    QCOMPARE(process.state(), QProcess::Running);
    if (!logged.isEmpty()) {
      QCOMPARE(QString::fromStdString(folder.Read("wreckvale_last_run.log")), logged);
    }
    // The box and its button on the 1024x768 screen.
    const QString geometry = launcher.Xdotool({"getwindowgeometry", "--shell", box});
    const auto side = [&](const char* name) {
      return geometry.section(QLatin1String(name) + '=', 1).section('\n', 0, 0).toInt();
    };
    QVERIFY2(side("WIDTH") <= 1024 && side("HEIGHT") <= 768, qPrintable(geometry));
  }

  // Two ways to the join tab, each ending in a press that joins 10.0.0.5:27017
  // with the password as an argument of its own. Typed key by key, the
  // game's console form moves on to the port box at the colon and to the
  // password box at the password word, and only the server is kept. Started
  // with a join link, the launcher waits on the join tab with the focus in
  // the password box, and nothing runs before the press.
  void joinTabTakesConsoleFormsAndLinks_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("typed");
    QTest::newRow("console form typed key by key")
        << QStringList() << "connect 10.0.0.5:27017; password hunter2";
    QTest::newRow("join link") << QStringList{"wreckvale://join/10.0.0.5:27017?password=leaked"}
                               << "hunter2";
  }
  void joinTabTakesConsoleFormsAndLinks() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, typed);
    const bool link = !arguments.isEmpty();
    TempFolder folder;
    WriteStandIn(folder / "qr7.exe");
    const fs::path record = RecordInto(folder.Path());
    LauncherSession launcher;
    const QString window = launcher.Start(folder.Path(), arguments);
    QVERIFY(!window.isEmpty());
    if (link) {
      QVERIFY2(!fs::exists(record) && ProcessOf(folder / "qr7.exe").isEmpty(),
               "a link started the game");
      launcher.Xdotool({"windowfocus", "--sync", window});
    } else {
      launcher.Xdotool({"windowfocus", "--sync", window, "key", "--delay", "100", "ctrl+Tab"});
    }
    launcher.Xdotool({"type", "--delay", "30", typed});
    launcher.Xdotool({"key", "Return"});

    QVERIFY2(WaitForFile(record), "the stand-in engine was not started");
    const std::vector<std::string> words = ReadRecord(record);
    const auto after = [&](const std::string& option) {
      const auto it = std::find(words.begin(), words.end(), option);
      return it != words.end() && it + 1 != words.end() ? *(it + 1) : std::string();
    };
    QCOMPARE(after("+connect"), std::string("10.0.0.5:27017"));
    QCOMPARE(after("+password"), std::string("hunter2"));
    if (link) return;
    // Written once the game is on its way.
    std::string recent;
    QVERIFY2(WaitFor([&] { return !(recent = folder.Read("wreckvale_launcher.recent")).empty(); },
                     10000),
             "no recent server was kept");
    QCOMPARE(recent, std::string("server 10.0.0.5:27017\n"));
  }

  // The password dialog is its own window: its title is the dialog's text
  // alone, without the launcher's name appended by the window system.
  void passwordDialogCarriesItsOwnTitle() {
    TempFolder folder;
    WriteStandIn(folder / "qr7.exe");
    LauncherSession launcher;
    const QString window = launcher.Start(folder.Path());
    QVERIFY(!window.isEmpty());

    launcher.Click(window, ClickPoint("passwordArrow"));
    // The password menu drops below its box: remove, then set.
    const QString pid = QString::number(launcher.Process().processId());
    const auto menuOpen = [&] {
      return launcher.Xdotool({"search", "--onlyvisible", "--pid", pid}).count('\n') >= 1;
    };
    QVERIFY2(WaitFor(menuOpen, 10000), "the password menu did not open");
    launcher.Xdotool({"key", "--delay", "100", "Down", "Down", "Return"});

    const QString dialog = launcher.WaitForWindow("^Setup password", 10000);
    QVERIFY2(!dialog.isEmpty(), "no password dialog appeared");
    QCOMPARE(launcher.Xdotool({"getwindowname", dialog}), QStringLiteral("Setup password"));
    // Wide enough for the title beside a window manager's buttons, whose
    // font may be half as wide again as the dialog's.
    const QString geometry = launcher.Xdotool({"getwindowgeometry", "--shell", dialog});
    const int width = geometry.section("WIDTH=", 1).section('\n', 0, 0).toInt();
    const int title = QFontMetrics(QGuiApplication::font()).horizontalAdvance("Setup password");
    QVERIFY2(width >= title * 3 / 2 + 100, qPrintable(geometry));
  }

  // The launcher reads no arguments, the toolkit's own included: told to
  // draw nowhere, it still opens its window on the display.
  void toolkitOptionsAreIgnored() {
    TempFolder folder;
    WriteStandIn(folder / "qr7.exe");
    LauncherSession launcher;
    QVERIFY(!launcher.Start(folder.Path(), {"-platform", "offscreen"}).isEmpty());
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

WV_LAUNCHER_TEST_MAIN(wv::test::LauncherE2eTest, Need::Display, Need::Xdotool, Need::Xclip)
#include "launcher_e2e_test.moc"
