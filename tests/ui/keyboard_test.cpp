#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include "tests/ui/window_fixture.h"

namespace wv::test {

namespace {

// Which popup is up at the next turn of the event loop, where, and the text
// of the entry it highlights ("-" for none); it is closed at once. A menu
// that runs its own loop is met inside it.
struct PopupSeen {
  QString name;
  QPoint at;
  QString highlighted;
  bool seen = false;
};
void WatchForPopup(PopupSeen& seen) {
  QTimer::singleShot(0, [&seen] {
    if (QWidget* popup = QApplication::activePopupWidget()) {
      const auto* menu = qobject_cast<QMenu*>(popup);
      const QAction* active = menu != nullptr ? menu->activeAction() : nullptr;
      seen = {popup->objectName(), popup->pos(), active != nullptr ? active->text() : "-", true};
      popup->close();
    }
  });
}

}  // namespace

class KeyboardTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    // One server joined before, for the address box's drop-down.
    window_.emplace().folder.Write("wreckvale_launcher.recent", "server 10.0.0.5:27017\n");
    launcher_ = &window_->Show();
    QApplication::setActiveWindow(launcher_);
    QVERIFY(QTest::qWaitForWindowActive(launcher_));
  }
  void cleanup() { window_.reset(); }

  // Tab walks the page's controls and the bottom bar round to the tab bar;
  // Shift+Tab walks back. Disabled and hidden controls are skipped.
  void focusOrder_data() {
    QTest::addColumn<QString>("tab");
    QTest::addColumn<QStringList>("order");  // from the control that has the focus first
    QTest::newRow("create") << "Create server"
                            << QStringList{"modeBox",      "difficultyBox",   "campaignBox",
                                           "mapBox",       "slotsBox",        "portBox",
                                           "passwordBox",  "characterButton", "clipboardButton",
                                           "actionButton", "tabBar"};
    QTest::newRow("join") << "Join game"
                          << QStringList{"joinAddress",     "joinPort",     "joinPassword",
                                         "characterButton", "actionButton", "tabBar"};
    QTest::newRow("about") << "?" << QStringList{"actionButton", "tabBar"};
  }
  void focusOrder() {
    QFETCH(QString, tab);
    QFETCH(QStringList, order);
    ClickTab(*launcher_, tab);
    if (tab == "?") Control("actionButton")->setFocus();
    QCOMPARE(Focused(), order.front());
    for (qsizetype i = 1; i <= order.size(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(Focused(), order[i % order.size()]);
    }
    for (qsizetype i = order.size() - 1; i >= 0; --i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
      QCOMPARE(Focused(), order[i]);
    }
  }

  // What a key does to the focused control, or a click (key 0) on the
  // control, at "NAME@X,Y" in it or else its middle. Effects:
  // "menu|NAME|BELOW|ENTRY" (the menu drops with its top left corner at
  // BELOW's bottom left, ENTRY highlighted: the keyboard opens a choice at the
  // current one, a click at none), "start" (the
  // focus stays through the button's rest),
  // "ask" (a message instead of a start), "clipboard", "tab|CAPTION|FOCUS"
  // (the current tab and the focus after).
  void keys_data() {
    QTest::addColumn<QString>("tab");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("effect");
    const auto row = [](const char* tag, const char* tab, const char* focus, int key,
                        Qt::KeyboardModifiers modifiers, const char* effect) {
      QTest::newRow(tag) << tab << focus << key << modifiers << effect;
    };
    const Qt::KeyboardModifiers none, ctrl(Qt::ControlModifier),
        ctrlShift(Qt::ControlModifier | Qt::ShiftModifier);
    const char* create = "Create server";
    row("space on the mode box", create, "modeBox", Qt::Key_Space, none,
        "menu|modeMenu|modeBox|CO-OP");
    row("return on the chapter box", create, "mapBox", Qt::Key_Return, none,
        "menu|mapMenu|mapBox|Apartmens");
    row("alt+down on the password box", create, "passwordBox", Qt::Key_Down, Qt::AltModifier,
        "menu|passwordMenu|passwordBox|-");
    row("f4 on the difficulty box", create, "difficultyBox", Qt::Key_F4, none,
        "menu|difficultyMenu|difficultyBox|Normal");
    // The whole box answers a click, and the menu drops below it as for the keys.
    row("click on the mode label", create, "modeChoice", 0, none, "menu|modeMenu|modeBox|-");
    row("click on the difficulty caption", create, "difficultyBox@12,4", 0, none,
        "menu|difficultyMenu|difficultyBox|-");
    row("click on the chapter frame's empty part", create, "mapBox@140,34", 0, none,
        "menu|mapMenu|mapBox|-");
    row("click on the password arrow", create, "passwordArrow", 0, none,
        "menu|passwordMenu|passwordBox|-");
    row("click on the mode arrow", create, "modeArrow", 0, none, "menu|modeMenu|modeBox|-");
    row("return on the character button", create, "characterButton", Qt::Key_Return, none,
        "menu|characterMenu|characterButton|Arno");
    row("space on the character button", "Join game", "characterButton", Qt::Key_Space, none,
        "menu|characterMenu|characterButton|Arno");
    row("f4 on the character button", create, "characterButton", Qt::Key_F4, none,
        "menu|characterMenu|characterButton|Arno");
    row("click on the character button", create, "characterButton", 0, none,
        "menu|characterMenu|characterButton|-");
    row("alt+down in the address box", "Join game", "joinAddress", Qt::Key_Down, Qt::AltModifier,
        "menu|recentServersMenu|joinAddress|-");
    row("ctrl+comma on the mode box", create, "modeBox", Qt::Key_Comma, ctrl,
        "menu|captionMenu|title|Open settings file");
    row("ctrl+comma in the port box", "Join game", "joinPort", Qt::Key_Comma, ctrl,
        "menu|captionMenu|title|Open settings file");
    row("return on the action button", create, "actionButton", Qt::Key_Return, none, "start");
    row("space on the action button", create, "actionButton", Qt::Key_Space, none, "start");
    row("return on the clipboard button", create, "clipboardButton", Qt::Key_Return, none,
        "clipboard");
    // The join boxes are empty: the press asks for the address.
    row("return in the address box", "Join game", "joinAddress", Qt::Key_Return, none, "ask");
    row("enter in the password box", "Join game", "joinPassword", Qt::Key_Enter, none, "ask");
    row("ctrl+tab", create, "difficultyBox", Qt::Key_Tab, ctrl, "tab|Join game|joinAddress");
    row("ctrl+page down", create, "clipboardButton", Qt::Key_PageDown, ctrl,
        "tab|Join game|joinAddress");
    row("ctrl+shift+tab round the start", create, "modeBox", Qt::Key_Backtab, ctrlShift,
        "tab|?|aboutTab");
    row("ctrl+page up", "Join game", "joinPort", Qt::Key_PageUp, ctrl, "tab|Create server|modeBox");
    row("ctrl+tab round the end", "?", "actionButton", Qt::Key_Tab, ctrl,
        "tab|Create server|actionButton");
    // The arrows walk along the tabs: the join tab does not take the focus
    // into its address box, as Ctrl+Tab and a click make it do.
    row("right on the tab bar", create, "tabBar", Qt::Key_Right, none, "tab|Join game|tabBar");
    row("right on the tab bar past the join tab", "Join game", "tabBar", Qt::Key_Right, none,
        "tab|?|tabBar");
    row("left on the tab bar", "?", "tabBar", Qt::Key_Left, none, "tab|Join game|tabBar");
    row("ctrl+tab on the tab bar", create, "tabBar", Qt::Key_Tab, ctrl,
        "tab|Join game|joinAddress");
  }
  void keys() {
    QFETCH(QString, tab);
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, effect);
    ClickTab(*launcher_, tab);
    const QString name = focus.section('@', 0, 0);
    QWidget* target = Control(name);
    if (key != 0) {
      target->setFocus(Qt::TabFocusReason);
      QCOMPARE(Focused(), focus);
    }
    PopupSeen popup;
    WatchForPopup(popup);

    if (key == 0) {
      const QStringList at = focus.section('@', 1).split(',');
      const QPoint inside =
          at.size() == 2 ? QPoint(at[0].toInt(), at[1].toInt()) : target->rect().center();
      // Whatever the window shows there takes the click, as a user's would.
      ClickAt(*launcher_, target->mapTo(launcher_, inside));
    } else {
      QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    }

    const QStringList words = effect.split('|');
    const FakePlatform& platform = window_->platform;
    if (words[0] == "menu") {
      QTRY_VERIFY(popup.seen);
      QCOMPARE(popup.name, words[1]);
      const QWidget* below = Control(words[2]);
      QCOMPARE(popup.at, below->mapToGlobal(QPoint(0, below->height())));
      QCOMPARE(popup.highlighted, words[3]);
      return;
    }
    QCOMPARE(platform.starter.calls.size(), std::size_t{words[0] == "start"});
    QCOMPARE(platform.messages.boxes.size(), std::size_t{words[0] == "ask"});
    QCOMPARE(platform.clipboard.texts.size(), std::size_t{words[0] == "clipboard"});
    if (words[0] == "start") QCOMPARE(Focused(), focus);
    if (words[0] == "tab") {
      QCOMPARE(Tabs(*launcher_)->tabText(Tabs(*launcher_)->currentIndex()), words[1]);
      QCOMPARE(Focused(), words[2]);
    }
  }

  // A menu dropped by the keyboard is worked by the keyboard as ever from
  // the current choice: the arrows move, Return picks, Escape leaves it with
  // nothing picked.
  void menuByKeys_data() {
    QTest::addColumn<QList<int>>("keys");  // in the menu
    QTest::addColumn<QString>("choice");   // after
    QTest::newRow("return keeps the choice") << QList<int>{Qt::Key_Return} << "CO-OP";
    QTest::newRow("down, return: the next") << QList<int>{Qt::Key_Down, Qt::Key_Return} << "Versus";
    QTest::newRow("down, escape") << QList<int>{Qt::Key_Down, Qt::Key_Escape} << "CO-OP";
    QTest::newRow("up, return: round to the last")
        << QList<int>{Qt::Key_Up, Qt::Key_Return} << "Custom maps";
  }
  void menuByKeys() {
    QFETCH(QList<int>, keys);
    QFETCH(QString, choice);
    QWidget* mode = Control("modeBox");
    QTest::keyClick(mode, Qt::Key_Space);
    QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
    QWidget* menu = QApplication::activePopupWidget();
    for (int key : keys) QTest::keyClick(menu, static_cast<Qt::Key>(key));
    QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);
    QCOMPARE(TextOf(*launcher_, "modeChoice"), choice);
    QCOMPARE(Focused(), QStringLiteral("modeBox"));
  }

 private:
  QString Focused() const {
    QWidget* focused = QApplication::focusWidget();
    return focused != nullptr ? focused->objectName() : QString();
  }
  QWidget* Control(const QString& name) const { return launcher_->findChild<QWidget*>(name); }

  std::optional<GameWindow> window_;
  LauncherWindow* launcher_ = nullptr;
};

}  // namespace wv::test

QTEST_MAIN(wv::test::KeyboardTest)
#include "keyboard_test.moc"
