#include <sys/stat.h>
#include <unistd.h>

#include <QTest>
#include <filesystem>
#include <sstream>

#include "tests/app/launcher_session.h"
#include "tests/support/launcher_files.h"
#include "tests/support/stand_in_game.h"
#include "tests/ui/monitoring_fixture.h"

namespace wv::test {

namespace {

namespace fs = std::filesystem;

// Along the tab row the pointer rests a step apart: the tabs start at its
// left edge and the monitoring tab comes third, somewhere along it. The
// tabs other than the current one stand lower by kTabDrop.
constexpr int kTabStep = 12;
constexpr int kTabDrop = 3;
// The first page waits for the engine to start.
constexpr int kEngineTimeoutMs = 40000;

// Mesa's driver, as under Xvfb: what a shared OpenGL context loads.
constexpr char kOpenGlDriver[] = "_dri.so";

// The engine starts its helper processes as children of the launcher.
bool WebEngineProcessRuns(const std::string& process) {
  std::istringstream children(ReadProcFile("/proc/" + process + "/task/" + process + "/children"));
  for (std::string child; children >> child;) {
    if (ReadProcFile("/proc/" + child + "/comm").starts_with("QtWebEngineProc")) return true;
  }
  return false;
}

// Whether the monitoring page shows its line of why: dark text at the page's
// top left, inset as on the other pages, where a loaded browser shows none.
bool PageSaysWhy(const QString& window) {
  const QRect page = DesignedRect("pageControl");
  const QImage corner = QGuiApplication::primaryScreen()
                            ->grabWindow(window.toULongLong(), page.x() + 9, page.y() + 23, 7, 22)
                            .toImage();
  for (int y = 0; y < corner.height(); ++y) {
    for (int x = 0; x < corner.width(); ++x) {
      if (qGray(corner.pixel(x, y)) < 100) return true;
    }
  }
  return false;
}

}  // namespace

class LauncherHardeningE2eTest : public QObject {
  Q_OBJECT

 private slots:
  // A game folder named in the old Windows code page: the launcher still finds
  // the settings beside itself, and the game starts there, named byte for byte.
  void legacyFolderName() {
    TempFolder base;
    const fs::path folder = base / "\xc8\xe3\xf0\xe0 \xb9\x31";
    fs::create_directory(folder);
    WriteStandIn(folder / "game.sh");
    WriteCurrentSettings(folder, "[Tavrin]\r\nCommandFile=game.sh\r\n");
    const fs::path record = RecordInto(base.Path());

    LauncherSession launcher;
    const QString window = launcher.Start(folder);
    QVERIFY(!window.isEmpty());
    launcher.Click(window, ClickPoint("actionButton"));

    QVERIFY2(WaitFor([&] { return fs::exists(record); }, 15000),
             "the game was not started: were the settings read?");
    const std::vector<std::string> words = ReadRecord(record);
    QVERIFY(words.size() > 2);
    QCOMPARE(words[0], (folder / "game.sh").native());
    QCOMPARE(words[1], folder.native());
  }

  // A game folder prepared by someone else: the log's name taken by a link
  // (its ".1" a folder, so that no rotation moves the link away) or by a
  // FIFO. The game starts, its output goes through neither, nothing waits on
  // the FIFO, and the player is told what stands in the way.
  void plantedLogIsNeverWrittenThrough_data() {
    QTest::addColumn<bool>("link");
    QTest::newRow("a link, its .1 a folder") << true;
    QTest::newRow("a FIFO") << false;
  }
  void plantedLogIsNeverWrittenThrough() {
    QFETCH(bool, link);
    TempFolder folder, elsewhere;
    WriteStandIn(folder / "qr7.exe", std::string(kStandInGame) + "echo 'game output'\n");
    const fs::path victim = elsewhere.Write("victim", "theirs\n");
    const fs::path log = folder / "wreckvale_last_run.log";
    if (link) {
      fs::create_symlink(victim, log);
      fs::create_directory(folder / "wreckvale_last_run.log.1");
    } else {
      QCOMPARE(::mkfifo(log.c_str(), 0644), 0);
    }
    const fs::path record = RecordInto(elsewhere.Path());
    LauncherSession launcher;
    const QString window = launcher.Start(folder.Path());
    QVERIFY(!window.isEmpty());

    launcher.Click(window, ClickPoint("actionButton"));

    QVERIFY2(WaitForFile(record), "the game was not started");
    QVERIFY2(!launcher.WaitForMessageBox(15000).isEmpty(), "nothing said what stands in the way");
    QCOMPARE(elsewhere.Read("victim"), std::string("theirs\n"));
    QCOMPARE(fs::symlink_status(log).type(), link ? fs::file_type::symlink : fs::file_type::fifo);
  }

  // With a monitoring address the web engine stays out of the process, and no
  // engine process runs, until the pointer rests on the monitoring tab; that
  // loads and sets up the engine without loading the page, and the click on
  // the tab then loads it.
  void webEngineWaitsForTheMonitoringTab() {
    PageServer server;
    QVERIFY(server.Listen());
    EngineFolder folder;
    WriteCurrentSettings(folder.Path(),
                         "MonitoringURL=" + server.Url("/status").toStdString() + "\r\n");
    const fs::path module(WV_WEBVIEW_MODULE);
    fs::copy_file(module, folder / module.filename().native());

    LauncherSession launcher;
    const QString window = launcher.Start(folder.Path());
    QVERIFY(!window.isEmpty());
    const std::string process = std::to_string(launcher.Process().processId());
    QVERIFY(!WebEngineMapped(process));
    QVERIFY(!WebEngineProcessRuns(process));
    QVERIFY2(!Mapped(process, kOpenGlDriver), "an OpenGL driver was loaded at start-up");

    // Along the tab row, resting on each spot and then clicking it, until a
    // rest brings the engine in: the tabs before the monitoring one must not,
    // neither pointed at nor shown.
    const auto engineMapped = [&] { return WebEngineMapped(process); };
    const QRect tabRow = DesignedRect("tabBar");
    const int firstX = tabRow.left() + kTabStep / 2;
    int x = firstX;
    for (; x <= tabRow.right() - kTabStep / 2; x += kTabStep) {
      QCOMPARE(server.Hits("/status"), 0);
      launcher.PointAt(window, {x, tabRow.center().y() + kTabDrop});
      if (WaitFor(engineMapped, 300)) break;
      launcher.ClickHere();
      QVERIFY2(!WaitFor(engineMapped, 300), "a click loaded the web engine, resting there did not");
    }
    QVERIFY2(WebEngineMapped(process), "no rest on a tab loaded the web engine");
    QVERIFY2(x > firstX + 2 * kTabStep, "the first tabs loaded the web engine");
    QVERIFY2(WaitFor([&] { return Mapped(process, kOpenGlDriver); }, kEngineTimeoutMs),
             "resting on the tab did not set the engine up");
    QCOMPARE(server.Hits("/status"), 0);
    QVERIFY2(!WebEngineProcessRuns(process), "resting on the tab started an engine process");

    launcher.ClickHere();
    QVERIFY2(WaitFor([&] { return server.Hits("/status") > 0; }, kEngineTimeoutMs),
             "the monitoring page was not requested");
    QVERIFY(WaitFor([&] { return WebEngineProcessRuns(process); }, 10000));
  }

  // A translated message that looks like markup names an image on a FIFO,
  // which would block the window for good: shown as plain text, the box comes
  // at once, and the launcher goes on answering.
  void markupInAMessageShowsAtOnce() {
    EngineFolder folder;
    QCOMPARE(mkfifo((folder / "fifo").c_str(), 0600), 0);
    WriteCurrentSettings(folder.Path(),
                         "Language=**\r\n[Language_Custom]\r\nEnterAddress=<img src=fifo>\r\n");
    LauncherSession launcher;
    const QString window = launcher.Start(folder.Path());
    QVERIFY(!window.isEmpty());

    // The join tab puts the focus into the empty address box, where Return
    // presses the action button.
    launcher.Xdotool(
        {"windowfocus", "--sync", window, "key", "--delay", "100", "ctrl+Tab", "Return"});
    const QString box = launcher.WaitForMessageBox(5000);
    QVERIFY2(!box.isEmpty(), "no message box came");
    launcher.Xdotool({"windowfocus", "--sync", box, "key", "Return"});
    QVERIFY2(WaitFor([&] { return launcher.OwnWindows() == QStringList{window}; }, 5000),
             "the message box did not go");
  }

  // A launcher copied alone into a folder has no web module beside it: the
  // monitoring tab says the page is unavailable, and nothing outside the
  // folder is loaded, least of all the module of the build tree it came from.
  // Run as root with the engine's sandbox on, the engine would end the
  // launcher: the module beside it stays unloaded, and the tab says why.
  void webModuleComesOnlyFromBesideTheLauncher_data() {
    QTest::addColumn<bool>("rootWithSandbox");
    QTest::newRow("copied alone") << false;
    QTest::newRow("root with the sandbox on") << true;
  }
  void webModuleComesOnlyFromBesideTheLauncher() {
    QFETCH(bool, rootWithSandbox);
    if (rootWithSandbox && geteuid() != 0) QSKIP("not run as root");
    PageServer server;
    QVERIFY(server.Listen());
    EngineFolder folder;
    WriteCurrentSettings(folder.Path(),
                         "MonitoringURL=" + server.Url("/status").toStdString() + "\r\n");

    LauncherSession launcher;
    if (rootWithSandbox) {
      const fs::path module(WV_WEBVIEW_MODULE);
      fs::copy_file(module, folder / module.filename().native());
      launcher.Environment().Drop("QTWEBENGINE_DISABLE_SANDBOX");
    }
    const QString window = launcher.Start(folder.Path());
    QVERIFY(!window.isEmpty());
    const std::string process = std::to_string(launcher.Process().processId());
    // The join tab, then the monitoring tab: the settings tab is hidden.
    launcher.Xdotool(
        {"windowfocus", "--sync", window, "key", "--delay", "100", "ctrl+Tab", "ctrl+Tab"});

    const auto moduleMapped = [&] { return Mapped(process, "libwreckvale_webview"); };
    QVERIFY2(WaitFor([&] { return PageSaysWhy(window) || moduleMapped(); }, kEngineTimeoutMs),
             "the monitoring tab shows no reason");
    const std::string maps = ReadProcFile("/proc/" + process + "/maps");
    QVERIFY2(maps.find(WV_BUILD_TREE) == std::string::npos, "the build tree was loaded from");
    QVERIFY2(!moduleMapped(), "a web module was loaded");
    QVERIFY(!WebEngineMapped(process));
    QCOMPARE(server.Hits("/status"), 0);
    QCOMPARE(launcher.Process().state(), QProcess::Running);
  }
};

}  // namespace wv::test

WV_LAUNCHER_TEST_MAIN(wv::test::LauncherHardeningE2eTest, Need::Display, Need::Xdotool)
#include "launcher_hardening_e2e_test.moc"
