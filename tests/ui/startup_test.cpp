#include <QAccessible>
#include <QCheckBox>
#include <QMenu>
#include <QTabBar>
#include <QTest>
#include <QWindow>
#include <algorithm>

#include "tests/ui/window_fixture.h"

namespace wv::test {

class StartupTest : public QObject {
  Q_OBJECT

 private slots:
  void folderCheck_data() {
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("settings");    // empty: no settings file
    QTest::addColumn<QString>("messageEnd");  // empty: no message
    QTest::newRow("engine present") << QStringList{"qr7.exe"} << QString() << QString();
    QTest::newRow("neither") << QStringList{} << QString() << "wreckvale.exe";
    QTest::newRow("a folder named like the engine")
        << QStringList{"qr7.exe/"} << QString() << "wreckvale.exe";
    QTest::newRow("neither, in Russian")
        << QStringList{} << "Language=RU\r\n"
        << QString::fromUtf8("содержащей файл qr7.exe или wreckvale.exe");
  }
  void folderCheck() {
    QFETCH(QStringList, files);
    QFETCH(QString, settings);
    QFETCH(QString, messageEnd);
    GameFolder folder;
    for (const QString& file : files) Lay(folder.Path(), file.toStdString());
    if (!settings.isEmpty()) folder.WriteSettings(settings.toStdString());
    FakePlatform platform;
    // The box belongs to the folder check, which comes before the template.
    bool settingsWhileShown = false;
    platform.messages.onShow = [&] {
      settingsWhileShown = std::filesystem::exists(folder / "wreckvale_launcher.ini");
    };
    auto launcher = OpenLauncher(folder, platform);

    QCOMPARE(launcher->windowTitle(), QStringLiteral("Wreckvale Launcher"));
    if (messageEnd.isEmpty()) {
      QCOMPARE(platform.messages.boxes.size(), std::size_t{0});
      QCOMPARE(platform.quit.requests, 0);
      QVERIFY(!launcher->QuitRequested());
    } else {
      QCOMPARE(platform.messages.boxes.size(), std::size_t{1});
      QCOMPARE(platform.messages.boxes[0].title, std::string("Wreckvale Launcher"));
      QVERIFY2(QString::fromStdString(platform.messages.boxes[0].text).endsWith(messageEnd),
               platform.messages.boxes[0].text.c_str());
      QCOMPARE(platform.quit.requests, 1);
      QVERIFY(launcher->QuitRequested());
      QCOMPARE(settingsWhileShown, !settings.isEmpty());
    }
    // Refusing the folder still leaves a settings file behind.
    QVERIFY(std::filesystem::exists(folder / "wreckvale_launcher.ini"));
  }

  // In the language the settings choose: the captions, the action button and
  // the clipboard summary.
  void firstStart_data() {
    QTest::addColumn<QString>("settings");  // empty: no settings file
    QTest::addColumn<QString>("tab");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("summary");
    QTest::newRow("English") << QString() << "Create server"
                             << "Create server "
                             << "Game mode: CO-OP, Campaign: Last ward, Difficulty: Normal, "
                                "Chapter: Apartmens, Slots: 14";
    QTest::newRow("Russian, a text of the player's")
        << QString::fromUtf8("Language=ru\r\n[Language_RU]\r\nModeCoop=Кооп\r\n")
        << QString::fromUtf8("Создание сервера") << QString::fromUtf8("Создать сервер ")
        << QString::fromUtf8(
               "Режим игры: Кооп, Кампания: Последняя палата, Сложность: "
               "Нормально, Глава: Апартаменты, Слотов: 14");
  }
  void firstStart() {
    QFETCH(QString, settings);
    QFETCH(QString, tab);
    QFETCH(QString, action);
    QFETCH(QString, summary);
    GameWindow window;
    if (!settings.isEmpty()) window.folder.WriteSettings(settings.toStdString());
    LauncherWindow& launcher = window.Show();
    // The shown window carries its icon at every size drawn, given to the
    // window system once the window is mapped.
    QList<int> iconSides;
    for (const QSize& size : launcher.windowHandle()->icon().availableSizes()) {
      iconSides << size.width();
    }
    std::sort(iconSides.begin(), iconSides.end());
    QCOMPARE(iconSides, (QList<int>{16, 32, 48, 64, 128, 256}));
    // Menus are made when first dropped: the first one made costs the
    // start-up memory. Only an accessibility bridge that is on (as in these
    // tests) has the character button's made, for its show-menu action.
    QStringList made;
    for (const QMenu* menu : launcher.findChildren<QMenu*>()) made << menu->objectName();
    QCOMPARE(made, QAccessible::isActive() ? QStringList{"characterMenu"} : QStringList{});
    // So are the pages behind the first, when first shown; a screen reader
    // finds them all at once.
    for (const char* part : {"joinAddress", "consoleOption", "versionLabel"}) {
      QCOMPARE(launcher.findChild<QWidget*>(part) != nullptr, QAccessible::isActive());
    }

    if (settings.isEmpty()) {
      QVERIFY(window.folder.Read("wreckvale_launcher.ini").find("Version=1.9.0.3") !=
              std::string::npos);
    }
    launcher.FillPages();
    const std::pair<const char*, bool> boxes[] = {{"consoleOption", true},
                                                  {"skipIntroOption", true},
                                                  {"exitAfterRunOption", false},
                                                  {"customGameOption", true}};
    for (const auto& [name, checked] : boxes) {
      auto* check = launcher.findChild<QCheckBox*>(name);
      QVERIFY(check != nullptr);
      QCOMPARE(check->isChecked(), checked);
    }
    // Every control of the view state has its widget, by its object name.
    for (std::size_t i = 0; i < kControlCount; ++i) {
      const std::string_view name = ObjectName(static_cast<Control>(i));
      const QWidget* shown = launcher.Widget(static_cast<Control>(i));
      QVERIFY2(shown != nullptr, name.data());
      QCOMPARE(shown->objectName().toStdString(), name);
    }
    QCOMPARE(TextOf(launcher, "versionLabel"), QStringLiteral("1.9.0.3"));
    QCOMPARE(Tabs(launcher)->tabText(Tabs(launcher)->currentIndex()), tab);
    QCOMPARE(launcher.Model().ActionMode(), ActionMode::CreateServer);
    QCOMPARE(TextOf(launcher, "actionButton"), action);
    ClickAt(launcher, ClickPoint("clipboardButton"));
    QCOMPARE(window.platform.clipboard.texts, std::vector<std::string>{summary.toStdString()});
  }

  void tabsAndAddon_data() {
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QStringList>("tabs");
    QTest::addColumn<bool>("addonOffered");
    const QStringList plain{"Create server", "Join game", "?"};
    const QStringList monitored{"Create server", "Join game", "Monitoring", "?"};
    QTest::newRow("defaults") << QString() << plain << false;
    QTest::newRow("monitoring configured") << "MonitoringURL=http://127.0.0.1:9/status\r\n"
                                           << monitored << false;
    QTest::newRow("monitoring empty") << "MonitoringURL=\r\n" << plain << false;
    QTest::newRow("add-on visible") << "[Campaign_GreyTideRising]\r\nVisible=Yes\r\n"
                                    << plain << true;
    QTest::newRow("add-on hidden") << "[Campaign_GreyTideRising]\r\nVisible=No\r\n"
                                   << plain << false;
  }
  void tabsAndAddon() {
    QFETCH(QString, settings);
    QFETCH(QStringList, tabs);
    QFETCH(bool, addonOffered);
    GameWindow window;
    window.folder.WriteSettings(settings.toStdString());
    const LauncherWindow& launcher = window.Open();

    QCOMPARE(VisibleTabs(launcher), tabs);
    QCOMPARE(FindAction(launcher, "greyTideRising")->isVisible(), addonOffered);
    QCOMPARE(launcher.Monitoring() != nullptr, tabs.contains("Monitoring"));
  }

  // A screen reader that comes on after start-up finds what one there from
  // the start finds: every page filled, the tabs named, the character
  // button's menu made.
  void screenReaderComingOnLater() {
    const bool wasActive = QAccessible::isActive();
    QAccessible::setActive(false);
    GameWindow window;
    LauncherWindow& launcher = window.Show();
    const QTabBar* tabs = Tabs(launcher);
    const int about = VisibleTabs(launcher).indexOf("?");
    QCOMPARE(tabs->accessibleTabName(about), QString());
    QCOMPARE(launcher.findChild<QWidget*>("joinAddress"), nullptr);
    QAccessible::setActive(true);
    QCOMPARE(tabs->accessibleTabName(about), QStringLiteral("About"));
    QVERIFY(launcher.findChild<QWidget*>("joinAddress") != nullptr);
    QVERIFY(launcher.findChild<QMenu*>("characterMenu") != nullptr);
    QAccessible::setActive(wasActive);
  }
};

}  // namespace wv::test

QTEST_MAIN(wv::test::StartupTest)
#include "startup_test.moc"
