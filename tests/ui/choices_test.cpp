#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "tests/ui/window_fixture.h"

namespace wv::test {

using Texts = QList<QPair<QString, QString>>;

class ChoicesTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { window_.emplace(); }
  void cleanup() { window_.reset(); }

  // A pick reaches the boxes' labels and accessible names; what each pick
  // shows is the controller's (PicksShowInTheBoxes).
  void menuPicks_data() {
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QStringList>("picks");
    QTest::addColumn<Texts>("expected");
    const auto row = [](const char* tag, const char* settings, const QStringList& picks,
                        const Texts& expected) {
      QTest::newRow(tag) << QString::fromLatin1(settings) << picks << expected;
    };
    row("versus keeps 14 slots", "", {"versus"},
        {{"modeChoice", "Versus"},
         {"slotsChoice", "14"},
         {"characterButton", "Arno"},
         {"modeBox.Name", "Game mode: Versus"},
         {"slotsBox.Name", "Slots: 14"}});
    row("custom map named in Windows-1251",
        "[CustomMap1]\r\nMap name=\xCA\xE0\xF0\xF2\xE0\r\nFile name=m1\r\n", {"customMaps"},
        {{"mapChoice", QString::fromUtf8("Карта")}});
  }
  void menuPicks() {
    QFETCH(QString, settings);
    QFETCH(QStringList, picks);
    QFETCH(Texts, expected);
    window_->folder.WriteSettings(settings.toLatin1().toStdString());
    const LauncherWindow& launcher = window_->Open();

    for (const QString& pick : picks) FindAction(launcher, qPrintable(pick))->trigger();
    // "<control>.Name": what screen readers announce for it.
    for (const auto& [control, text] : expected) {
      const QString name = control.section('.', 0, 0);
      if (control.endsWith(".Name")) {
        QCOMPARE(launcher.findChild<QWidget*>(name)->accessibleName(), text);
      } else {
        QCOMPARE(TextOf(launcher, qPrintable(control)), text);
      }
    }
  }

  void checkMarksFollowTheModel() {
    const LauncherWindow& launcher = window_->Open();

    QVERIFY(FindAction(launcher, "port27015")->isChecked());
    for (const char* side : {"infected", "beforeInfected"})
      QVERIFY2(!FindAction(launcher, side)->isVisible(), side);
    FindAction(launcher, "port27018")->trigger();
    QVERIFY(FindAction(launcher, "port27018")->isChecked());
    QVERIFY(!FindAction(launcher, "port27015")->isChecked());
    // Picking the checked entry again must not toggle its mark off.
    FindAction(launcher, "port27018")->trigger();
    QVERIFY(FindAction(launcher, "port27018")->isChecked());
    FindAction(launcher, "versus")->trigger();
    for (const char* side : {"infected", "beforeInfected"})
      QVERIFY2(FindAction(launcher, side)->isVisible(), side);
    QVERIFY(!FindAction(launcher, "stoneBell")->isVisible());
    // Custom maps with none enabled: the map menu shows its notice, disabled.
    QAction* notice = FindAction(launcher, "noMapsEnabled");
    QVERIFY(!notice->isVisible());
    FindAction(launcher, "customMaps")->trigger();
    QVERIFY(notice->isVisible());
    QVERIFY(!notice->isEnabled());
    QCOMPARE(notice->text(), QStringLiteral("No maps enabled: see wreckvale_launcher.ini"));
  }

  // The tab switch's captions and panels, as the window shows them.
  void tabSwitch_data() {
    QTest::addColumn<QString>("tab");
    QTest::addColumn<QString>("goCaption");
    QTest::addColumn<bool>("characterUsable");
    QTest::addColumn<bool>("clipboardUsable");
    QTest::newRow("join") << "Join game"
                          << "Join game " << true << false;
    QTest::newRow("about") << "?"
                           << "Forum " << false << false;
    QTest::newRow("back to create") << "Create server"
                                    << "Create server " << true << true;
  }
  void tabSwitch() {
    QFETCH(QString, tab);
    QFETCH(QString, goCaption);
    QFETCH(bool, characterUsable);
    QFETCH(bool, clipboardUsable);
    const LauncherWindow& launcher = window_->Show();

    ClickTab(launcher, "?");
    ClickTab(launcher, tab);
    QCOMPARE(TextOf(launcher, "actionButton"), goCaption);
    QCOMPARE(launcher.findChild<QToolButton*>("characterButton")->isEnabled(), characterUsable);
    QCOMPARE(launcher.findChild<QToolButton*>("clipboardButton")->isEnabled(), clipboardUsable);
    QVERIFY(launcher.findChild<QToolButton*>("actionButton")->isEnabled());
  }

  // However the text comes into the address box, the model splits it and
  // the boxes show the split. Entries: "set" (setText), "screen reader" (the
  // box's accessible text), "paste" (Ctrl+V), "type" key by key, "type, undo"
  // (Ctrl+Z after the keys).
  void joinAddress_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("port");
    const auto row = [](const char* tag, const char* entry, const char* typed, const char* address,
                        const char* port) {
      QTest::newRow(tag) << entry << typed << address << port;
    };
    row("address and port", "set", "10.0.0.5:27016", "10.0.0.5", "27016");
    row("by a screen reader", "screen reader", "host:27016", "host", "27016");
    row("pasted", "paste", "host:27016", "host", "27016");
    // Control characters drop out; what followed a line break stays in sight.
    row("pasted with a line break", "paste", "1.2.3.4:27015\n+exec evil.cfg", "1.2.3.4",
        "27015+exec evil.cfg");
    row("typed, the colon last", "type", "host:", "host", "");
    row("typed, then undone", "type, undo", "host", "", "27015");
  }
  void joinAddress() {
    QFETCH(QString, entry);
    QFETCH(QString, typed);
    QFETCH(QString, address);
    QFETCH(QString, port);
    LauncherWindow& launcher = window_->Open();
    launcher.FillPages();
    auto* box = launcher.findChild<QLineEdit*>("joinAddress");
    std::vector<std::unique_ptr<QSignalSpy>> changes;
    for (const char* name : {"joinAddress", "joinPort", "joinPassword"}) {
      changes.push_back(std::make_unique<QSignalSpy>(launcher.findChild<QLineEdit*>(name),
                                                     &QLineEdit::textChanged));
    }

    qsizetype edits = 1;
    if (entry == "set") {
      box->setText(typed);
    } else if (entry == "screen reader") {
      QAccessible::queryAccessibleInterface(box)->editableTextInterface()->replaceText(
          0, static_cast<int>(box->text().size()), typed);
    } else if (entry == "paste") {
      QGuiApplication::clipboard()->setText(typed);
      QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    } else {
      QTest::keyClicks(box, typed);
      edits = typed.size();
      if (entry == "type, undo") {
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        ++edits;
      }
    }

    QCOMPARE(TextOf(launcher, "joinAddress"), address);
    QCOMPARE(TextOf(launcher, "joinPort"), port);
    QCOMPARE(QString::fromStdString(launcher.Model().JoinAddress()), address);
    QCOMPARE(QString::fromStdString(launcher.Model().JoinPort()), port);
    // The window's own writes to the boxes are no edits: each edit reaches
    // the model once and refreshes the window once, no refresh nested in it.
    qsizetype changed = 0;
    for (const auto& spy : changes) changed += spy->count();
    QCOMPARE(changed, edits);
  }

 private:
  std::optional<GameWindow> window_;
};

}  // namespace wv::test

QTEST_MAIN(wv::test::ChoicesTest)
#include "choices_test.moc"
