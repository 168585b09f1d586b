#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QToolButton>
#include <cmath>

#include "tests/ui/window_fixture.h"
#include "ui/look.h"

namespace wv::test {

namespace {

// One straight line of pixels one pixel wide, in window pixels, both ends
// included, and the colour every device pixel along it must have.
struct Line {
  const char* side;
  QPoint from, to;
  QColor colour;
};

}  // namespace

// The real window on an X display at the scale the test is started with
// (QT_SCALE_FACTOR or Xft.dpi; WV_EXPECTED_SCALE says which it should come
// to), read back from the screen.
class ScaleTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    if (qEnvironmentVariableIsEmpty("DISPLAY")) QSKIP("needs an X display");
    launcher_ = &window_.Show();
    // A long Russian chapter name, as the chapter box shows it in Russian.
    launcher_->findChild<QLabel*>("mapChoice")->setText(QString::fromUtf8("Каменный колокол"));
    launcher_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(launcher_));
    scale_ = launcher_->devicePixelRatioF();
    QCOMPARE(scale_, qEnvironmentVariable("WV_EXPECTED_SCALE", "1").toDouble());
    // Drawn now with the focus and the long name, and on the display before
    // the grab asks for it over the same connection.
    launcher_->repaint();
    shot_ = launcher_->screen()->grabWindow(launcher_->winId()).toImage();
    QCOMPARE(shot_.size(), (QSizeF(launcher_->size()) * scale_).toSize());
  }

  // Both lines of each sunken edge run all the way round, the last row and
  // column included: grey and white outside, dark shadow and light inside.
  // The caption bar's one line runs along its bottom.
  void bevels_data() {
    QTest::addColumn<QString>("panel");
    for (const char* panel :
         {"outerPanel", "title", "characterPanel", "actionPanel", "clipboardPanel"}) {
      QTest::newRow(panel) << panel;
    }
  }
  void bevels() {
    QFETCH(QString, panel);
    const QWidget* widget = launcher_->findChild<QWidget*>(panel);
    const QRect r(widget->mapTo(launcher_, QPoint(0, 0)), widget->size());
    const int left = r.left(), top = r.top(), right = r.right(), bottom = r.bottom();
    const std::vector<Line> lines =
        panel == "title"
            ? std::vector<Line>{{"bottom line", {left, bottom}, {right, bottom}, look::kDarkShadow}}
            : std::vector<Line>{
                  {"outer top", {left, top}, {right - 1, top}, look::kGrey},
                  {"outer left", {left, top}, {left, bottom - 1}, look::kGrey},
                  {"outer bottom", {left, bottom}, {right, bottom}, look::kWhite},
                  {"outer right", {right, top}, {right, bottom}, look::kWhite},
                  {"inner top", {left + 1, top + 1}, {right - 2, top + 1}, look::kDarkShadow},
                  {"inner left", {left + 1, top + 1}, {left + 1, bottom - 2}, look::kDarkShadow},
                  {"inner bottom", {left + 1, bottom - 1}, {right - 1, bottom - 1}, look::kLight},
                  {"inner right", {right - 1, top + 1}, {right - 1, bottom - 1}, look::kLight},
              };
    for (const Line& line : lines) {
      const QString odd = OddPixel(line);
      QVERIFY2(odd.isEmpty(), qPrintable(QStringLiteral("%1: %2").arg(line.side, odd)));
    }
  }

  // No text reaches the last column of its control: what does not fit is
  // narrowed or ends in "…", never cut off. Ink is darker than the ground of
  // a label and lighter than the ground of a button.
  void textIsNotCut_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QColor>("ground");
    QTest::addColumn<int>("inkSide");  // -1 darker, 1 lighter
    for (const char* label : {"modeChoice", "campaignChoice", "difficultyChoice", "mapChoice",
                              "slotsChoice", "portChoice", "passwordChoice"}) {
      QTest::newRow(label) << label << look::kSilver << -1;
    }
    QTest::newRow("character button") << "characterButton" << look::kGrey << 1;
    QTest::newRow("action button") << "actionButton" << look::kGrey << 1;
  }
  void textIsNotCut() {
    QFETCH(QString, control);
    QFETCH(QColor, ground);
    QFETCH(int, inkSide);
    const QWidget* widget = launcher_->findChild<QWidget*>(control);
    const QRect r(widget->mapTo(launcher_, QPoint(0, 0)), widget->size());
    const int x = Device(r.right());
    for (int y = Device(r.top()); y <= Device(r.bottom()); ++y) {
      const int ink = (qGray(shot_.pixel(x, y)) - qGray(ground.rgb())) * inkSide;
      QVERIFY2(ink <= 0, qPrintable(QStringLiteral("ink at device pixel %1,%2").arg(x).arg(y)));
    }
  }

  // The focused box shows a dotted white frame; the others none.
  void focusFrame() {
    for (const char* box : {"modeBox", "difficultyBox"}) {
      const QWidget* widget = launcher_->findChild<QWidget*>(box);
      const QPoint origin = widget->mapTo(launcher_, QPoint(0, 0));
      const int y = Device(origin.y() + widget->fontMetrics().height() + 1);
      int white = 0, all = 0;
      for (int x = Device(origin.x() + 3); x <= Device(origin.x() + widget->width() - 4); ++x) {
        white += shot_.pixelColor(x, y) == look::kWhite;
        ++all;
      }
      const bool focused = widget->hasFocus();
      QCOMPARE(focused, box == QStringLiteral("modeBox"));
      QVERIFY2(focused ? white > all / 4 && white < all * 3 / 4 : white == 0,
               qPrintable(QStringLiteral("%1: %2 of %3 white").arg(box).arg(white).arg(all)));
    }
  }

  // The choice boxes draw their arrows themselves while the style would draw
  // nothing else; they must be the style's to the pixel, or an arrow would
  // change as the pointer comes onto it.
  void arrowsAreTheStyles_data() {
    QTest::addColumn<QString>("arrow");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("mode") << "modeArrow" << true;
    QTest::newRow("slots, disabled") << "slotsArrow" << false;
  }
  void arrowsAreTheStyles() {
    QFETCH(QString, arrow);
    QFETCH(bool, enabled);
    auto* shown = launcher_->findChild<QToolButton*>(arrow);
    QVERIFY(shown != nullptr);
    QToolButton styled(shown->parentWidget());
    styled.setArrowType(Qt::DownArrow);
    styled.setAutoRaise(true);
    styled.setGeometry(shown->geometry());
    shown->setEnabled(enabled);
    styled.setEnabled(enabled);
    const QImage drawn = shown->grab().toImage();
    shown->setEnabled(true);
    QCOMPARE(drawn, styled.grab().toImage());
  }

  // At whole scales the artwork is the picture drawn for that scale, pixel
  // for pixel: the emblem, and the about picture from the first time its tab
  // shows, above its labels (the tab runs last: it leaves the window there).
  void artworkIsSharp_data() {
    QTest::addColumn<QString>("tab");  // empty: the first tab
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QRect>("part");  // in window pixels, from the picture's corner
    QTest::newRow("emblem") << QString() << "emblem"
                            << "emblem" << QRect(0, 0, 16, 16);
    QTest::newRow("about picture") << "?"
                                   << "aboutPicture"
                                   << "about" << QRect(0, 0, 332, 100);
  }
  void artworkIsSharp() {
    QFETCH(QString, tab);
    QFETCH(QString, widget);
    QFETCH(QString, picture);
    QFETCH(QRect, part);
    if (scale_ != 1 && scale_ != 2) QSKIP("the artwork is resized at this scale");
    QImage shot = shot_;
    if (!tab.isEmpty()) {
      ClickTab(*launcher_, tab);
      launcher_->repaint();
      shot = launcher_->screen()->grabWindow(launcher_->winId()).toImage();
    }
    const QImage artwork =
        QImage(QStringLiteral(":/artwork/%1%2.png")
                   .arg(picture, scale_ == 1 ? QString() : QStringLiteral("@2x")))
            .copy(QRect(part.topLeft() * scale_, part.size() * scale_));
    const QWidget* shown = launcher_->findChild<QWidget*>(widget);
    QVERIFY(shown != nullptr);
    const QPoint origin = (shown->mapTo(launcher_, QPoint(0, 0)) + part.topLeft()) * scale_;
    QCOMPARE(shot.copy(QRect(origin, artwork.size())).convertToFormat(artwork.format()), artwork);
  }

 private:
  // The device pixel at the middle of window pixel `x`.
  int Device(int x) const { return static_cast<int>(std::floor((x + 0.5) * scale_)); }

  // The first device pixel along the line that has another colour, or empty.
  QString OddPixel(const Line& line) const {
    const QPoint from(Device(line.from.x()), Device(line.from.y()));
    const QPoint to(Device(line.to.x()), Device(line.to.y()));
    for (int y = from.y(); y <= to.y(); ++y) {
      for (int x = from.x(); x <= to.x(); ++x) {
        const QColor seen = shot_.pixelColor(x, y);
        if (seen.rgb() != line.colour.rgb()) {
          return QStringLiteral("device pixel %1,%2 is %3, not %4")
              .arg(x)
              .arg(y)
              .arg(seen.name(), line.colour.name());
        }
      }
    }
    return {};
  }

  GameWindow window_;
  LauncherWindow* launcher_ = nullptr;
  qreal scale_ = 1;
  QImage shot_;
};

}  // namespace wv::test

QTEST_MAIN(wv::test::ScaleTest)
#include "scale_test.moc"
