#include <QApplication>
#include <QEnterEvent>
#include <QFontDatabase>
#include <QFontInfo>
#include <QMenu>
#include <QMouseEvent>
#include <QPalette>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>

#include "tests/ui/window_fixture.h"
#include "ui/caption_bar.h"
#include "ui/glyph_label.h"
#include "ui/look.h"
#include "ui/styled_menu.h"

namespace wv::test {

namespace {

void Send(QWidget* widget, QEvent::Type type, QPoint local, Qt::MouseButton button,
          Qt::MouseButtons buttons) {
  QMouseEvent event(type, QPointF(local), QPointF(widget->mapToGlobal(local)), button, buttons,
                    Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

}  // namespace

class ChromeTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { launcher_ = &window_.emplace().Show(); }
  void cleanup() { window_.reset(); }

  // The offscreen platform has no system move, so the bar's own drag runs.
  void captionDrag_data() {
    QTest::addColumn<QString>("pressed");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("moves");
    QTest::newRow("left on the bar") << "title" << Qt::LeftButton << true;
    QTest::newRow("right on the bar: its menu instead") << "title" << Qt::RightButton << false;
    QTest::newRow("middle on the bar") << "title" << Qt::MiddleButton << true;
    QTest::newRow("on the emblem") << "emblem" << Qt::LeftButton << false;
    QTest::newRow("on the close glyph") << "closeButton" << Qt::RightButton << false;
    QTest::newRow("on the minimise glyph") << "minimizeButton" << Qt::LeftButton << false;
  }
  void captionDrag() {
    QFETCH(QString, pressed);
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, moves);
    auto* target = launcher_->findChild<QWidget*>(pressed);
    auto* bar = launcher_->findChild<CaptionBar*>("title");
    const QPoint before = launcher_->pos();
    const QPoint centre = target->rect().center();
    const QPoint dropped = target->mapTo(bar, centre) + QPoint(30, 20);
    Send(target, QEvent::MouseButtonPress, centre, button, button);
    Send(bar, QEvent::MouseMove, dropped, Qt::NoButton, button);
    Send(bar, QEvent::MouseButtonRelease, dropped, button, Qt::NoButton);
    QCOMPARE(launcher_->pos(), moves ? before + QPoint(30, 20) : before);
    QVERIFY(launcher_->isVisible());
  }

  void glyphHover() {
    auto* close = launcher_->findChild<GlyphLabel*>("closeButton");
    auto* minimise = launcher_->findChild<GlyphLabel*>("minimizeButton");
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(close, &enter);
    QCOMPARE(close->Colour(), look::kWhite);
    QCOMPARE(minimise->Colour(), look::kSilver);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(close, &leave);
    QCOMPARE(close->Colour(), look::kSilver);
  }

  void closeGlyphCloses() {
    auto* close = launcher_->findChild<GlyphLabel*>("closeButton");
    QTest::mouseClick(close, Qt::LeftButton, {}, QPoint(9, 9));
    QVERIFY(!launcher_->isVisible());
    QVERIFY(window_->platform.messages.boxes.empty());
  }

  void captionColourFollowsActivation() {
    // A bar that has never been active keeps the system colour.
    CaptionBar bar(nullptr);
    const QColor system = QGuiApplication::palette().color(QPalette::WindowText);
    QCOMPARE(bar.TextColour(), system);
    emit qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
    QCOMPARE(bar.TextColour(), system);
    emit qGuiApp->applicationStateChanged(Qt::ApplicationActive);
    QCOMPARE(bar.TextColour(), look::kWhite);
    emit qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
    QCOMPARE(bar.TextColour(), look::kBlack);
  }

  void menuButtons_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("shown");
    const auto row = [](const char* tag, const char* menu, const char* entry,
                        Qt::MouseButton button, const char* label, const char* shown) {
      QTest::newRow(tag) << menu << entry << button << label << shown;
    };
    row("mode, left", "modeMenu", "versus", Qt::LeftButton, "modeChoice", "Versus");
    row("mode, right", "modeMenu", "versus", Qt::RightButton, "modeChoice", "CO-OP");
    row("campaign, right", "campaignMenu", "redFurrow", Qt::RightButton, "campaignChoice",
        "Last ward");
    row("difficulty, right", "difficultyMenu", "hard", Qt::RightButton, "difficultyChoice", "Hard");
    row("port, right", "portMenu", "port27020", Qt::RightButton, "portChoice", "27020");
  }
  void menuButtons() {
    QFETCH(QString, menu);
    QFETCH(QString, entry);
    QFETCH(Qt::MouseButton, button);
    QFETCH(QString, label);
    QFETCH(QString, shown);
    QMenu* popup = launcher_->Menu(menu.toStdString());
    QVERIFY(popup != nullptr);
    popup->popup(QPoint(40, 40));
    QVERIFY(QTest::qWaitForWindowExposed(popup));
    QAction* action = FindAction(*launcher_, qPrintable(entry));
    QTest::mouseClick(popup, button, {}, popup->actionGeometry(action).center());
    QCOMPARE(TextOf(*launcher_, qPrintable(label)), shown);
    popup->close();
  }

  // A separator the model shows must take its place even at either end of what
  // a menu shows at the time (the campaign menu's before the add-on campaign,
  // hidden by default); one it hides takes none.
  void separatorsShowAsTheModelSays() {
    MakeMenus(*launcher_);
    int shownSeparators = 0;
    for (QMenu* popup : launcher_->findChildren<QMenu*>()) {
      popup->popup(QPoint(40, 40));
      QVERIFY(QTest::qWaitForWindowExposed(popup));
      for (QAction* action : popup->actions()) {
        if (!action->isSeparator()) continue;
        const bool drawn = !popup->actionGeometry(action).isEmpty();
        QVERIFY2(drawn == action->isVisible(),
                 qPrintable(popup->objectName() + " " + action->objectName()));
        shownSeparators += drawn;
      }
      popup->close();
    }
    QVERIFY(shownSeparators > 0);
  }

  // The window's font names a face that is there, so that loading it needs no
  // fallback search, and the window's texts use that very face.
  void fontIsAnInstalledFace() {
    for (const bool bold : {false, true}) {
      const QFont font = look::UiFont(bold);
      const QStringList installed = QFontDatabase::families();
      const bool anyInstalled = std::ranges::any_of(
          font.families(), [&](const QString& face) { return installed.contains(face); });
      if (!anyInstalled) QSKIP("none of the window's faces is installed");
      const QFontInfo shown(font);
      QCOMPARE(shown.family(), font.family());
      QCOMPARE(shown.bold(), bold);
    }
    QCOMPARE(QFontInfo(launcher_->font()).family(), look::UiFont().family());
  }

 private:
  std::optional<GameWindow> window_;
  LauncherWindow* launcher_ = nullptr;
};

}  // namespace wv::test

QTEST_MAIN(wv::test::ChromeTest)
#include "chrome_test.moc"
