#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "tests/ui/window_fixture.h"
#include "ui/about_page.h"
#include "ui/look.h"

namespace wv::test {

class LaunchTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { platform_ = &window_.emplace().platform; }
  void cleanup() { window_.reset(); }

  // The press starts what the tooltip previewed, in the game folder; the
  // commands of other choices are the controller's (PressStartsRefusesOrOpens).
  void createServer_data() {
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QStringList>("picks");
    QTest::addColumn<QString>("arguments");
    QTest::newRow("defaults")
        << QString() << QStringList{}
        << "-game wreckvale -console -novid +z_difficulty normal +maxplayers 14 +port 27015 "
           "+map wrv_hospital01_apartment +team_desired \"Survivor Arno\"";
  }
  void createServer() {
    QFETCH(QString, settings);
    QFETCH(QStringList, picks);
    QFETCH(QString, arguments);
    LauncherWindow& launcher = Open(settings.toStdString());
    for (const QString& pick : picks) FindAction(launcher, qPrintable(pick))->trigger();
    const QString preview = GoToolTip(launcher);

    ClickAt(launcher, kGoButtonCentre);

    const std::string folder = GameFolder::Folder();
    QCOMPARE(platform_->starter.calls.size(), std::size_t{1});
    QCOMPARE(preview.toStdString(), platform_->starter.calls[0].command);
    QCOMPARE(platform_->starter.calls[0].command,
             "\"" + folder + "/qr7.exe\" " + arguments.toStdString());
    QCOMPARE(platform_->starter.calls[0].workDir, folder);
    QVERIFY(platform_->messages.boxes.empty());
    QVERIFY(launcher.isVisible());
  }

  void joinGame() {
    LauncherWindow& launcher = Open();
    ClickTab(launcher, "Join game");
    launcher.findChild<QLineEdit*>("joinAddress")->setText("10.0.0.5:27016");
    launcher.findChild<QLineEdit*>("joinPassword")->setText("secret");
    QCOMPARE(launcher.findChild<QLineEdit*>("joinPassword")->displayText(),
             QStringLiteral("======"));
    const QString preview = GoToolTip(launcher);

    ClickAt(launcher, kGoButtonCentre);

    // The tooltip masks the password; the game gets it.
    const std::string command = "\"" + GameFolder::Folder() +
                                "/qr7.exe\" -game wreckvale -console -novid +password %1 "
                                "+connect 10.0.0.5:27016 +team_desired \"Survivor Arno\"";
    QCOMPARE(platform_->starter.calls.size(), std::size_t{1});
    QCOMPARE(preview, QString::fromStdString(command).arg(QStringLiteral("********")));
    QCOMPARE(QString::fromStdString(platform_->starter.calls[0].command),
             QString::fromStdString(command).arg(QStringLiteral("secret")));
  }

  // Typed key by key, the colon sends the port that follows to the port box;
  // with no address, nothing starts.
  void joinTypedByHand() {
    LauncherWindow& launcher = Open();
    ClickTab(launcher, "Join game");
    ClickAt(launcher, kGoButtonCentre);
    QCOMPARE(platform_->messages.boxes.size(), std::size_t{1});
    QCOMPARE(platform_->messages.boxes[0].text, std::string("Enter the server address"));

    auto* address = launcher.findChild<QLineEdit*>("joinAddress");
    auto* port = launcher.findChild<QLineEdit*>("joinPort");
    launcher.activateWindow();
    address->setFocus();
    for (const char key : std::string_view("10.0.0.5:27016")) {
      QTest::keyClick(QApplication::focusWidget(), key);
    }
    QCOMPARE(address->text(), QStringLiteral("10.0.0.5"));
    QCOMPARE(port->text(), QStringLiteral("27016"));
    QVERIFY(port->hasFocus());
    ClickAt(launcher, kGoButtonCentre);
    QCOMPARE(platform_->starter.calls.size(), std::size_t{1});
    QVERIFY(platform_->starter.calls[0].command.find("+connect 10.0.0.5:27016 ") !=
            std::string::npos);
  }

  // A double click starts one game: the button rests for a while after a
  // start, and looks it, but stays enabled so as to keep the focus; screen
  // readers read of the start in its description.
  void oneGamePerPress() {
    LauncherWindow& launcher = Open();
    auto* go = launcher.findChild<QToolButton*>("actionButton");
    QTest::mouseDClick(go, Qt::LeftButton);
    ClickAt(launcher, kGoButtonCentre);
    QCOMPARE(platform_->starter.calls.size(), std::size_t{1});
    QVERIFY(go->isEnabled());
    QVERIFY(go->property(look::kBusyProperty).toBool());
    QCOMPARE(go->accessibleDescription(), QStringLiteral("Game started"));

    // When the rest is over (PressRestsAfterAStart has its edges), the
    // window asks afresh and drops the look.
    platform_->time.now += kActionRest;
    launcher.findChild<QTimer*>("actionRest")->start(0);
    QTRY_VERIFY(!go->property(look::kBusyProperty).toBool());
    QCOMPARE(go->accessibleDescription(), QString());
    ClickAt(launcher, kGoButtonCentre);
    QCOMPARE(platform_->starter.calls.size(), std::size_t{2});
  }

  void refusals_data() {
    QTest::addColumn<QString>("settings");
    QTest::addColumn<bool>("removeEngine");
    QTest::addColumn<QString>("message");
    QTest::newRow("engine gone since start-up")
        << QString() << true
        << "You must run this launcher from folder with qr7.exe or wreckvale.exe";
  }
  void refusals() {
    QFETCH(QString, settings);
    QFETCH(bool, removeEngine);
    QFETCH(QString, message);
    LauncherWindow& launcher = Open(settings.toStdString());
    if (removeEngine) {
      std::filesystem::remove(window_->folder / "qr7.exe");
    } else {
      FindAction(launcher, "customMaps")->trigger();
    }
    // Asked after the engine went: the tooltip is never the one of start-up.
    QCOMPARE(GoToolTip(launcher), message);

    ClickAt(launcher, kGoButtonCentre);

    QVERIFY(platform_->starter.calls.empty());
    QCOMPARE(platform_->messages.boxes.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(platform_->messages.boxes[0].text), message);
  }

  void exitAfterRun() {
    LauncherWindow& launcher = Open("ExitAfterRun=Yes\r\n");
    FindAction(launcher, "customMaps")->trigger();
    ClickAt(launcher, kGoButtonCentre);
    // A refusal leaves the window for the player to mend what it said.
    QCOMPARE(platform_->messages.boxes.size(), std::size_t{1});
    QVERIFY(launcher.isVisible());
    FindAction(launcher, "coop")->trigger();
    ClickAt(launcher, kGoButtonCentre);
    QCOMPARE(platform_->starter.calls.size(), std::size_t{1});
    QVERIFY(!launcher.isVisible());
  }

  void clipboard() {
    LauncherWindow& launcher = Open();
    const QPoint clipboardButton(2 + 143 + 2 + 11, 206 + 8 + 2 + 10);
    ClickAt(launcher, clipboardButton);
    FindAction(launcher, "customMaps")->trigger();
    ClickAt(launcher, clipboardButton);
    QCOMPARE(platform_->clipboard.texts,
             (std::vector<std::string>{
                 "Game mode: CO-OP, Campaign: Last ward, Difficulty: Normal, Chapter: Apartmens, "
                 "Slots: 14",
                 "Game mode: Custom maps, Difficulty: Normal, Chapter: -, Slots: 14"}));
  }

 private:
  // Empty settings: no settings file.
  LauncherWindow& Open(const std::string& settings = {}) {
    if (!settings.empty()) window_->folder.WriteSettings(settings);
    return window_->Show();
  }

  std::optional<GameWindow> window_;
  FakePlatform* platform_ = nullptr;
};

}  // namespace wv::test

QTEST_MAIN(wv::test::LaunchTest)
#include "launch_test.moc"
