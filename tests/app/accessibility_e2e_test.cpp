#include <QTest>
#include <filesystem>

#include "tests/app/launcher_session.h"
#include "tests/support/launcher_files.h"
#include "tests/support/stand_in_game.h"

namespace wv::test {

namespace fs = std::filesystem;

// The built launcher as a screen reader meets it: over the accessibility bus
// of the session that runs the test, read and worked by AT-SPI.
class AccessibilityE2eTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    WriteStandIn(folder_ / "qr7.exe");
    record_ = RecordInto(folder_.Path());
    // A server joined before: the address box offers its arrow.
    folder_.Write("wreckvale_launcher.recent", "server 10.0.0.5:27017\n");
    QVERIFY(!launcher_.Start(folder_.Path()).isEmpty());
    // In Russian, with every tab: a monitoring page of its own.
    WriteStandIn(russianFolder_ / "qr7.exe");
    russianFolder_.Write("servers.html", "<title>Servers</title><h1>Servers</h1>");
    WriteCurrentSettings(russianFolder_.Path(), "Language=RU\r\nMonitoringURL=file://" +
                                                    (russianFolder_ / "servers.html").native() +
                                                    "\r\n");
    RecordInto(russianFolder_.Path());
    // The launcher takes its web module from beside itself only.
    const fs::path module(WV_WEBVIEW_MODULE);
    fs::copy_file(module, russianFolder_ / module.filename().native());
    QVERIFY(!russian_.Start(russianFolder_.Path()).isEmpty());
  }

  // Role, name and description (the tooltip) of each control, as the
  // accessibility bus reports them; and what a hidden control would be, which
  // is not there.
  void rolesAndNames_data() {
    QTest::addColumn<QString>("node");  // whole, or the start of the lines that must not be
    QTest::addColumn<bool>("there");
    const auto row = [](const char* role, const char* name, const char* description = "") {
      QTest::addRow("%s %s", role, name)
          << QStringLiteral("%1\t%2\t%3").arg(role, name, description) << true;
    };
    const auto none = [](const char* what, const char* lineStart) {
      QTest::addRow("no %s", what) << QString::fromUtf8(lineStart) << false;
    };
    row("frame", "Wreckvale Launcher");
    row("push button", "Close", "Close");
    row("push button", "Minimize", "Minimize");
    row("page tab", "Create server", "Start a server on this computer");
    row("page tab", "Join game", "Join a game on a server");
    row("page tab", "About", "About the launcher");
    row("combo box", "Game mode: CO-OP", "Choose the game mode");
    row("combo box", "Difficulty: Normal", "Choose the difficulty");
    row("combo box", "Campaign: Last ward", "Choose the campaign");
    row("combo box", "Chapter: Apartmens", "Choose the chapter or map");
    row("combo box", "Slots: 14", "Choose the player slots");
    row("combo box", "Port: 27015", "Choose the server port");
    row("combo box", "Password: Not protected", "Set or remove the password");
    for (const char* box :
         {"Game mode", "Difficulty", "Campaign", "Chapter", "Slots", "Port", "Password"}) {
      row("push button", box);
    }
    row("text", "Host address (IP / PORT)", "Server address or address:port");
    row("text", "Port", "Server port");
    row("password text", "Password", "Server password, if it has one");
    row("push button", "Arno", "Choose your character");
    row("push button", "Copy map settings to clipboard", "Copy map settings to clipboard");
    // The caption's trailing blank is no part of the name.
    row("push button", "Create server");
    row("push button", "Recent servers", "Recent servers");
    // The settings tab is not shown, nor the tab row's scroll buttons.
    none("check box", "check box\t");
    none("unnamed push button", "push button\t\t");
    none("settings option", "check box\tConsole");
  }
  void rolesAndNames() {
    QFETCH(QString, node);
    QFETCH(bool, there);
    if (tree_.isEmpty()) tree_ = Atspi({"dump"}).split('\n');
    if (there) {
      QVERIFY2(tree_.contains(node), qPrintable(tree_.join('\n')));
    } else {
      for (const QString& line : tree_) QVERIFY2(!line.startsWith(node), qPrintable(line));
    }
  }

  // The press starts the game, and the bus tells that it did.
  void defaultActionOfTheActionButtonStartsTheGame_data() {
    QTest::addColumn<bool>("russian");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("heard");
    QTest::newRow("English") << false << "Create server"
                             << "Game started";
    QTest::newRow("Russian") << true << "Создать сервер"
                             << "Игра запущена";
  }
  void defaultActionOfTheActionButtonStartsTheGame() {
    QFETCH(bool, russian);
    QFETCH(QString, button);
    QFETCH(QString, heard);
    LauncherSession& launcher = russian ? russian_ : launcher_;
    const fs::path record = (russian ? russianFolder_ : folder_).Path() / record_.filename();
    QCOMPARE(Atspi(launcher, {"hear", "push button", button}).trimmed(), heard);
    QVERIFY2(WaitFor([&] { return fs::exists(record); }, 15000),
             "the stand-in engine was not started");
    const std::vector<std::string> words = ReadRecord(record);
    QVERIFY(words.size() >= 2);
    QCOMPARE(std::vector<std::string>(words.begin() + 2, words.end()), kDefaultArguments);
  }

  // The tabs a screen reader counts are the ones shown, and the window is
  // the only one at the top, the web engine's own included once the
  // monitoring page has been opened.
  void shownTabsAndWindows_data() {
    QTest::addColumn<bool>("russian");
    QTest::addColumn<QStringList>("tabs");
    QTest::newRow("English") << false << QStringList{"Create server", "Join game", "About"};
    QTest::newRow("Russian, monitoring opened")
        << true
        << QStringList{"Создание сервера", "Подключение к игре", "Мониторинг", "О программе"};
  }
  void shownTabsAndWindows() {
    QFETCH(bool, russian);
    QFETCH(QStringList, tabs);
    LauncherSession& launcher = russian ? russian_ : launcher_;
    QStringList tree;
    if (russian) {
      Atspi(launcher, {"press", "page tab", tabs[2]});
      // The browser is in once the page shows its document.
      QVERIFY2(WaitFor(
                   [&] {
                     tree = Atspi(launcher, {"dump"}).split('\n');
                     return tree.contains(QStringLiteral("document web\t\t"));
                   },
                   30000),
               qPrintable(tree.join('\n')));
    } else {
      tree = Atspi(launcher, {"dump"}).split('\n');
    }
    QStringList tabsSeen, windows;
    for (const QString& node : tree) {
      const QStringList fields = node.split('\t');
      if (fields[0] == "page tab") tabsSeen << fields.value(1);
      if (fields[0] == "frame" || fields[0] == "window") windows << fields.value(1);
    }
    QCOMPARE(tabsSeen, tabs);
    QCOMPARE(windows, QStringList{"Wreckvale Launcher"});
  }

  // A Windows program the system will not run: without a wrapper on PATH the
  // message a screen reader reads says why and names the way out; with wine
  // there the launcher offers it instead.
  void failedStartSaysWhy_data() {
    QTest::addColumn<bool>("wineOnPath");
    QTest::addColumn<QString>("heard");
    QTest::newRow("no wrapper on PATH")
        << false
        << "/qr7.exe: Exec format error)\nSet USEPrefix=Yes, RunPrefix=wine (or another program "
           "that runs it) and an empty RunPrefixParam= in wreckvale_launcher.ini.";
    QTest::newRow("wine on PATH") << true << "Start Windows programs through wine?";
  }
  void failedStartSaysWhy() {
    QFETCH(bool, wineOnPath);
    QFETCH(QString, heard);
    TempFolder folder, tools;
    Lay(folder.Path(), "qr7.exe?");
    LauncherSession launcher;
    if (wineOnPath) {
      WriteStandIn(tools / "wine");
      launcher.Environment().AddToPath(tools.Path());
    } else {
      heard.prepend("Can not start the game (" + QString::fromStdString(folder.Path().native()));
    }
    const QString window = launcher.Start(folder.Path());
    QVERIFY(!window.isEmpty());
    launcher.Click(window, ClickPoint("actionButton"));
    QVERIFY2(!launcher.WaitForMessageBox(10000).isEmpty(), "the failed start said nothing");
    QString tree;
    QVERIFY2(WaitFor(
                 [&] {
                   tree = Atspi(launcher, {"dump"});
                   return tree.contains(heard);
                 },
                 10000),
             qPrintable(tree));
  }

 private:
  QString Atspi(const QStringList& arguments) { return Atspi(launcher_, arguments); }
  static QString Atspi(LauncherSession& launcher, const QStringList& arguments) {
    QProcess helper;
    helper.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    helper.start(QStringLiteral("/usr/bin/python3"),
                 QStringList{WV_ATSPI_TREE, arguments.front(),
                             QString::number(launcher.Process().processId())} +
                     arguments.mid(1));
    if (!helper.waitForFinished(30000) || helper.exitCode() != 0) {
      qWarning("atspi_tree.py %s failed", qPrintable(arguments.join(' ')));
    }
    return QString::fromUtf8(helper.readAllStandardOutput());
  }

  TempFolder folder_;
  fs::path record_;
  LauncherSession launcher_;
  TempFolder russianFolder_;
  LauncherSession russian_;
  QStringList tree_;
};

}  // namespace wv::test

WV_LAUNCHER_TEST_MAIN(wv::test::AccessibilityE2eTest, Need::Display, Need::Xdotool,
                      Need::SessionBus, Need::Atspi)
#include "accessibility_e2e_test.moc"
