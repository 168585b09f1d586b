#include <QTest>

#include "tests/ui/window_fixture.h"

namespace wv::test {

namespace {

// Window coordinates: the outer panel's border is 2 px, the pages start at
// (3, 50) and the bottom bar at (2, 206).
constexpr QPoint kPage{3, 50};
constexpr QPoint kBar{2, 206};

}  // namespace

class LayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { form_ = &window_.emplace().Show(); }
  void cleanup() { window_.reset(); }

  void window() {
    QCOMPARE(form_->size(), QSize(340, 249));
    QCOMPARE(form_->minimumSize(), form_->maximumSize());
    QVERIFY(form_->windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(form_->objectName(), QStringLiteral("MainForm"));
  }

  void controls_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("rect");  // in window coordinates
    auto row = [](const char* name, QRect rect) { QTest::newRow(name) << name << rect; };
    row("RzPanel1", {0, 0, 340, 249});
    row("RzPanel2", {2, 2, 336, 25});
    row("RzAnimator1", {6, 6, 16, 16});
    row("RzLabel2", {304, 4, 18, 18});
    row("RzLabel1", {318, 4, 18, 18});
    row("RzPageControl1", {2, 27, 336, 179});
    row("TabSheet1", {kPage.x(), kPage.y(), 334, 155});
    row("RzGroupBox1", {kPage.x() + 8, kPage.y() + 8, 155, 40});
    row("Label1", {kPage.x() + 18, kPage.y() + 26, 118, 20});
    row("RzRapidFireButton1", {kPage.x() + 139, kPage.y() + 21, 18, 18});
    row("RzRapidFireButton4", {kPage.x() + 300, kPage.y() + 69, 18, 18});
    row("Label5", {kPage.x() + 18, kPage.y() + 122, 31, 20});
    row("RzRapidFireButton5", {kPage.x() + 58, kPage.y() + 117, 18, 18});
    row("Label6", {kPage.x() + 99, kPage.y() + 122, 38, 20});
    row("RzRapidFireButton7", {kPage.x() + 300, kPage.y() + 117, 18, 18});
    row("RzGroupBox7", {kPage.x() + 13, kPage.y() + 16, 305, 49});
    row("RzEdit1", {kPage.x() + 37, kPage.y() + 36, 169, 22});
    row("RzEdit2", {kPage.x() + 213, kPage.y() + 36, 81, 22});
    row("RzEdit3", {kPage.x() + 37, kPage.y() + 100, 257, 22});
    row("Image1", {kPage.x() + 1, kPage.y() + 1, 332, 153});
    row("RzLabel5", {kPage.x() + 224, kPage.y() + 130, 97, 13});
    row("RzPanel3", {kBar.x(), kBar.y(), 336, 41});
    row("RzToolButton1", {kBar.x() + 10, kBar.y() + 10, 85, 21});
    row("RzPanel6", {kBar.x() + 143, kBar.y() + 8, 26, 25});
    row("RzToolButton2", {kBar.x() + 145, kBar.y() + 10, 22, 21});
    row("RzGoButton", {kBar.x() + 185, kBar.y() + 10, 140, 21});
  }
  void controls() {
    QFETCH(QString, name);
    QFETCH(QRect, rect);
    auto* widget = form_->findChild<QWidget*>(name);
    QVERIFY(widget != nullptr);
    QCOMPARE(QRect(widget->mapTo(form_, QPoint(0, 0)), widget->size()), rect);
  }

  void pressingFindsTheControl_data() {
    QTest::addColumn<QString>("tab");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QString>("name");
    auto row = [](const char* label, const char* tab, QPoint point, const char* name) {
      QTest::newRow(label) << tab << point << name;
    };
    row("caption text", "Create server", {80, 14}, "RzPanel2");
    row("emblem", "Create server", {13, 13}, "RzAnimator1");
    row("minimise glyph", "Create server", {308, 13}, "RzLabel2");
    row("close glyph", "Create server", {330, 13}, "RzLabel1");
    row("mode arrow", "Create server", {151, 80}, "RzRapidFireButton1");
    row("slots arrow", "Create server", {70, 176}, "RzRapidFireButton5");
    row("port arrow", "Create server", {151, 176}, "RzRapidFireButton6");
    row("chapter text", "Create server", {200, 130}, "Label4");
    row("address box", "Join game", {100, 96}, "RzEdit1");
    row("port box", "Join game", {250, 96}, "RzEdit2");
    row("version", "?", {300, 186}, "RzLabel5");
    row("character button", "Create server", {52, 226}, "RzToolButton1");
    row("clipboard button", "Create server", {158, 226}, "RzToolButton2");
    row("action button", "?", kGoButtonCentre, "RzGoButton");
  }
  void pressingFindsTheControl() {
    QFETCH(QString, tab);
    QFETCH(QPoint, point);
    QFETCH(QString, name);
    ClickTab(*form_, tab);
    QWidget* found = form_->childAt(point);
    QVERIFY(found != nullptr);
    QCOMPARE(found->objectName(), name);
  }

 private:
  std::optional<GameWindow> window_;
  TMainForm* form_ = nullptr;
};

}  // namespace wv::test

QTEST_MAIN(wv::test::LayoutTest)
#include "layout_test.moc"
