#include <QTest>

#include "core/window_layout.h"
#include "tests/ui/window_fixture.h"

namespace wv::test {

class LayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { launcher_ = &window_.emplace().Show(); }
  void cleanup() { window_.reset(); }

  void window() {
    QCOMPARE(launcher_->size(), QSize(340, 249));
    QCOMPARE(launcher_->minimumSize(), launcher_->maximumSize());
    QVERIFY(launcher_->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(launcher_->objectName(), QStringLiteral("launcherWindow"));
  }

  void controls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");  // in window coordinates
    for (const DesignedControl& control : kWindowLayout) {
      QTest::newRow(control.id.data()) << QString::fromLatin1(control.id) << control.rect;
    }
  }
  void controls() {
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    launcher_->FillPages();
    auto* widget = launcher_->findChild<QWidget*>(name);
    QVERIFY(widget != nullptr);
    QCOMPARE(QRect(widget->mapTo(launcher_, QPoint(0, 0)), widget->size()), rect);
  }

  // Every shown tab lies inside the row, whatever the language, with its
  // caption whole (no "…"), and a click on the last one ("?") reaches it.
  void tabsFitTheRow_data() {
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QStringList>("tabs");
    const QString monitoring = QStringLiteral("MonitoringURL=http://127.0.0.1:9/\r\n");
    QTest::newRow("English") << QString() << QStringList{"Create server", "Join game", "?"};
    QTest::newRow("English, every tab")
        << monitoring << QStringList{"Create server", "Join game", "Monitoring", "?"};
    QTest::newRow("Russian, every tab")
        << "Language=RU\r\n" + monitoring
        << QStringList{"Создание сервера", "Подключение к игре", "Мониторинг", "?"};
  }
  void tabsFitTheRow() {
    QFETCH(QString, settings);
    QFETCH(QStringList, tabs);
    window_.reset();
    window_.emplace().folder.WriteSettings(settings.toStdString());
    launcher_ = &window_->Show();
    QCOMPARE(VisibleTabs(*launcher_), tabs);
    QTabBar* bar = Tabs(*launcher_);
    int last = -1;
    for (int i = 0; i < bar->count(); ++i) {
      if (!bar->isTabVisible(i)) continue;
      QVERIFY2(bar->rect().contains(bar->tabRect(i)), qPrintable(bar->tabText(i)));
      const qreal caption = QFontMetricsF(bar->font()).horizontalAdvance(bar->tabText(i));
      QVERIFY2(bar->tabRect(i).width() - wv::layout::kTabFrame >= caption,
               qPrintable(bar->tabText(i) + " is cut"));
      last = i;
    }
    ClickAt(*launcher_, bar->mapTo(launcher_, bar->tabRect(last).center()));
    QCOMPARE(bar->currentIndex(), last);
  }

  void pressingFindsTheControl_data() {
    QTest::addColumn<QString>("tab");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QString>("name");
    auto row = [](const char* label, const char* tab, QPoint point, const char* name) {
      QTest::newRow(label) << tab << point << name;
    };
    row("caption text", "Create server", {80, 14}, "title");
    row("emblem", "Create server", {13, 13}, "emblem");
    row("minimise glyph", "Create server", {308, 13}, "minimizeButton");
    row("close glyph", "Create server", {330, 13}, "closeButton");
    row("mode arrow", "Create server", {151, 80}, "modeArrow");
    row("slots arrow", "Create server", {70, 176}, "slotsArrow");
    row("port arrow", "Create server", {151, 176}, "portArrow");
    row("chapter text", "Create server", {200, 130}, "mapChoice");
    row("address box", "Join game", {100, 96}, "joinAddress");
    row("port box", "Join game", {250, 96}, "joinPort");
    row("version", "?", {300, 186}, "versionLabel");
    row("character button", "Create server", {52, 226}, "characterButton");
    row("clipboard button", "Create server", {158, 226}, "clipboardButton");
    row("password arrow", "Create server", ClickPoint("passwordArrow"), "passwordArrow");
    row("action button", "?", kGoButtonCentre, "actionButton");
  }
  void pressingFindsTheControl() {
    QFETCH(QString, tab);
    QFETCH(QPoint, point);
    QFETCH(QString, name);
    ClickTab(*launcher_, tab);
    QWidget* found = launcher_->childAt(point);
    QVERIFY(found != nullptr);
    QCOMPARE(found->objectName(), name);
  }

 private:
  std::optional<GameWindow> window_;
  LauncherWindow* launcher_ = nullptr;
};

}  // namespace wv::test

QTEST_MAIN(wv::test::LayoutTest)
#include "layout_test.moc"
