#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTimer>
#include <QToolTip>
#include <atomic>
#include <thread>

#include "app/qt_platform.h"
#include "tests/support/stand_in_game.h"
#include "tests/ui/window_fixture.h"

namespace wv::test {

namespace fs = std::filesystem;

namespace {

// A game folder with any name below a temporary folder; the working folder
// while it lives. The window runs on the real process start, so that what it
// hands over is what a game would receive.
class OddGameFolder {
 public:
  explicit OddGameFolder(const std::string& name)
      : path_(base_ / name), previous_(fs::current_path()) {
    fs::create_directories(path_);
    fs::current_path(path_);
    RecordInto(base_.Path());
  }
  ~OddGameFolder() { fs::current_path(previous_); }

  const fs::path& Path() const { return path_; }
  fs::path Record() const { return base_ / "received"; }

 private:
  TempFolder base_;
  fs::path path_;
  fs::path previous_;
};

struct Window {
  FakePlatform fake;
  DetachedProcessStarter starter;
  std::unique_ptr<LauncherWindow> launcher;

  explicit Window(const OddGameFolder& folder) {
    Platform platform = fake.Get();
    platform.starter = &starter;
    launcher =
        std::make_unique<LauncherWindow>(platform, StartFolders{folder.Path(), folder.Path()});
    launcher->show();
    if (!QTest::qWaitForWindowExposed(launcher.get())) qFatal("window not exposed");
  }
  void PressAction() { ClickAt(*launcher, kGoButtonCentre); }
  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const auto& box : fake.messages.boxes) texts.push_back(box.text);
    return texts;
  }
};

// A FIFO that nothing else writes: whoever opens it to read blocks there for
// good. The trap keeps opening it for writing, which only succeeds while a
// reader waits; so a reader is caught, and set free at once.
class FifoTrap {
 public:
  explicit FifoTrap(fs::path path) : path_(std::move(path)) {
    if (mkfifo(path_.c_str(), 0600) != 0) qFatal("no FIFO");
    watcher_ = std::thread([this] {
      while (!stop_) {
        const int fd = open(path_.c_str(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0) {
          opened_ = true;
          close(fd);
        }
        std::this_thread::yield();
      }
    });
  }
  ~FifoTrap() {
    stop_ = true;
    watcher_.join();
  }
  bool Opened() const { return opened_; }

 private:
  fs::path path_;
  std::atomic<bool> stop_{false}, opened_{false};
  std::thread watcher_;
};

// What a label shows to the eye: its text, or what its markup renders.
QString Shown(const QLabel* label) {
  if (label == nullptr) return QStringLiteral("(no label)");
  const QString text = label->text();
  if (label->textFormat() == Qt::PlainText ||
      (label->textFormat() == Qt::AutoText && !Qt::mightBeRichText(text))) {
    return text;
  }
  // Word joiners keep a run in one piece and show nothing.
  return QTextDocumentFragment::fromHtml(text).toPlainText().remove(QChar(0x2060));
}

QLabel* ToolTipLabel() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->inherits("QTipLabel") && widget->isVisible()) return qobject_cast<QLabel*>(widget);
  }
  return nullptr;
}

// Where a text from the settings or the keyboard reaches the screen.
enum class Surface { Message, Prompt, GoToolTip, TabToolTip, AddressToolTip };

}  // namespace

class HardeningTest : public QObject {
  Q_OBJECT

 private slots:
  // Wherever the game folder is, the start-up finds its files and the game
  // starts there with exactly the default options.
  void oddFolderNames_data() {
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("blanks") << QByteArray("my games/Wreck vale ");
    QTest::newRow("quote") << QByteArray("say\"cheese\"");
    QTest::newRow("quote and blank") << QByteArray("the \"best\" game");
    QTest::newRow("apostrophe and backslash") << QByteArray("it's a\\b");
    QTest::newRow("utf-8") << QByteArray("\xd0\x98\xd0\xb3\xd1\x80\xd1\x8b/na\xc3\xafve");
    QTest::newRow("windows-1251") << QByteArray("\xc8\xe3\xf0\xfb \xe8 \xef\xe0\xef\xea\xe0");
    QTest::newRow("invalid utf-8") << QByteArray("\xff\xfe\x80 x");
  }
  void oddFolderNames() {
    QFETCH(QByteArray, name);
    OddGameFolder folder(name.toStdString());
    Lay(folder.Path(), "qr7.exe");
    WriteCurrentSettings(folder.Path(), "");
    Window window(folder);
    QCOMPARE(window.Messages(), std::vector<std::string>{});

    window.PressAction();

    QVERIFY2(WaitForFile(folder.Record()), "the stand-in game was not started");
    QCOMPARE(window.Messages(), std::vector<std::string>{});
    const std::vector<std::string> record = ReadRecord(folder.Record());
    QVERIFY(record.size() >= 2);
    QCOMPARE(fs::canonical(record[0]), fs::canonical(folder.Path() / "qr7.exe"));
    QCOMPARE(record[1], fs::canonical(folder.Path()).native());
    QCOMPARE(std::vector<std::string>(record.begin() + 2, record.end()), kDefaultArguments);
  }

  // Whatever the folder holds and the settings name, the action button either
  // starts that very file or says which one it could not start.
  void launchPaths_data() {
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("settings");
    // The program the game was started by, relative to the folder; empty when
    // none may start.
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("before");  // arguments before the default ones
    // The messages, "{D}" standing for the folder.
    QTest::addColumn<QStringList>("messages");

    const auto row = [](const char* tag, const QStringList& files, const char* settings,
                        const char* program, const QStringList& before,
                        const QStringList& messages) {
      QTest::newRow(tag) << files << QString(settings) << QString(program) << before << messages;
    };
    const QString wrongFolder = "You must run this launcher from folder with qr7.exe or ";
    row("engine is a folder", {"qr7.exe/", "wreckvale.exe"}, "", "wreckvale.exe", {}, {});
    row("engine is a dangling link", {"qr7.exe@", "wreckvale.exe"}, "", "wreckvale.exe", {}, {});
    row("engine cannot run", {"qr7.exe!"}, "", "", {},
        {"Can not start the game ({D}/qr7.exe: Permission denied)"});
    row("engine is a Windows program", {"qr7.exe?"}, "", "", {},
        {"Can not start the game ({D}/qr7.exe: Exec format error)\nSet USEPrefix=Yes, "
         "RunPrefix=wine (or another program that runs it) and an empty RunPrefixParam= in "
         "wreckvale_launcher.ini."});
    row("run prefix missing", {"qr7.exe"}, "USEPrefix=Yes\r\nRunPrefix=nothere.sh\r\n", "", {},
        {"Can not start the game ({D}/nothere.sh, nothere.sh on PATH: No such file or directory)"});
    row("run prefix is a folder", {"qr7.exe", "tools/"}, "USEPrefix=Yes\r\nRunPrefix=tools\r\n", "",
        {}, {"Can not start the game ({D}/tools, tools on PATH: No such file or directory)"});
    // {D}/../bin is on PATH while the test runs.
    row("run prefix on PATH", {"qr7.exe", "../bin/wrap.sh"},
        "USEPrefix=Yes\r\nRunPrefix=wrap.sh\r\nRunPrefixParam=\r\n", "../bin/wrap.sh", {"qr7.exe"},
        {});
    row("absolute run prefix", {"qr7.exe", "../bin/wrap.sh"},
        "USEPrefix=Yes\r\nRunPrefix={D}/../bin/wrap.sh\r\nRunPrefixParam=-x\r\n", "../bin/wrap.sh",
        {"-x", "qr7.exe"}, {});
    row("run prefix present", {"qr7.exe", "run me.sh"},
        "USEPrefix=Yes\r\nRunPrefix=run me.sh\r\nRunPrefixParam=-x \"a b\"\r\n", "run me.sh",
        {"-x", "a b", "qr7.exe"}, {});
    row("game in a subfolder", {"bin/game.sh"}, "[Tavrin]\r\nCommandFile=bin/game.sh\r\n",
        "bin/game.sh", {}, {});
    row("game above the folder", {"../outside.sh"}, "[Tavrin]\r\nCommandFile=../outside.sh\r\n",
        "../outside.sh", {}, {});
    row("game named by a folder", {"bin/"}, "[Tavrin]\r\nCommandFile=bin/\r\n", "", {},
        {wrongFolder + "bin/"});
    // Joined to the folder like any other name, so the check and the start
    // agree: here on a file that is not there.
    row("absolute game path", {"../abs.sh"}, "[Tavrin]\r\nCommandFile={D}/../abs.sh\r\n", "", {},
        {wrongFolder + "{D}/../abs.sh"});
  }
  void launchPaths() {
    QFETCH(QStringList, files);
    QFETCH(QString, settings);
    QFETCH(QString, program);
    QFETCH(QStringList, before);
    QFETCH(QStringList, messages);
    OddGameFolder folder("game");
    const QString d = QString::fromStdString(folder.Path().native());
    const auto inFolder = [&](QString text) { return text.replace("{D}", d).toStdString(); };
    for (const QString& file : files) Lay(folder.Path(), file.toStdString());
    WriteCurrentSettings(folder.Path(), inFolder(settings));
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(d + "/../bin:") + path);
    const auto restorePath = qScopeGuard([&] { qputenv("PATH", path); });

    Window window(folder);
    if (!window.launcher->QuitRequested()) window.PressAction();

    std::vector<std::string> expectedMessages;
    for (const QString& message : messages) expectedMessages.push_back(inFolder(message));
    QCOMPARE(window.Messages(), expectedMessages);
    if (program.isEmpty()) {
      QVERIFY(!fs::exists(folder.Record()));
      return;
    }
    QVERIFY2(WaitForFile(folder.Record()), "the stand-in game was not started");
    const std::vector<std::string> record = ReadRecord(folder.Record());
    QVERIFY(record.size() >= 2);
    QCOMPARE(record[0], (d + "/" + program).toStdString());
    std::vector<std::string> expected;
    for (const QString& argument : before) expected.push_back(argument.toStdString());
    expected.insert(expected.end(), kDefaultArguments.begin(), kDefaultArguments.end());
    QCOMPARE(std::vector<std::string>(record.begin() + 2, record.end()), expected);
  }

  // Markup from the settings file, a translation or the keyboard shows as
  // the very text, in every message, prompt and tooltip; an image named in it
  // is never opened and the window answers at once.
  void markupShowsLiterally_data() {
    QTest::addColumn<QString>("settings");  // {M}: the markup
    QTest::addColumn<QStringList>("picks");
    QTest::addColumn<QString>("typed");  // into the address box on the join tab
    QTest::addColumn<int>("surface");
    QTest::addColumn<QString>("shown");  // {M} as well
    QTest::addColumn<QString>("markup");

    const char* kMarkups[][2] = {{"image", "<img src=fifo>"},
                                 {"link", "<a href=file:///etc>x</a>"},
                                 {"heading", "<h1><font color=red>x</font>"}};
    const QString custom = "Language=**\r\n[Language_Custom]\r\n";
    for (const auto& [kind, markup] : kMarkups) {
      // A typed address holds no blank, or the press is refused, and a colon
      // would start the port: its markup separates with slashes, which the
      // markup's reader takes as blanks, and names no scheme.
      const QString typedMarkup = QString(markup).replace(' ', '/').remove(':');
      const auto row = [&](const char* where, const QString& settings, const QStringList& picks,
                           const QString& typed, Surface surface, const QString& shown) {
        const QString& used = typed.isEmpty() ? QString(markup) : typedMarkup;
        QTest::addRow("%s: %s", where, kind)
            << QString(settings).replace("{M}", used) << picks
            << QString(typed).replace("{M}", used) << static_cast<int>(surface)
            << QString(shown).replace("{M}", used) << used;
      };
      row("translated message", custom + "EnterAddress={M}\r\n", {}, "", Surface::Message, "{M}");
      // {T}: the command as the button holds it, the markup inside.
      row("typed address in the preview", "", {}, "{M}", Surface::GoToolTip, "{T}");
      row("custom map in the preview", "[CustomMap1]\r\nMap name=mine\r\nFile name={M}\r\n",
          {"customMaps", "customMap1"}, "", Surface::GoToolTip, "{T}");
      row("run parameters in the preview", "USERunParametres=Yes\r\nRunParametres=+exec {M}\r\n",
          {}, "", Surface::GoToolTip, "{T}");
      row("translated tab tooltip", custom + "HintTab2={M}\r\n", {}, "", Surface::TabToolTip,
          "{M}");
      row("translated box tooltip", custom + "HintAddress={M}\r\n", {}, "", Surface::AddressToolTip,
          "{M}");
      row("translated prompt",
          custom +
              "PasswordDialogPrompt={M}\r\nPasswordDialogOk=Gut\r\n"
              "PasswordDialogCancel=Abbrechen\r\n",
          {"setPassword"}, "", Surface::Prompt, "{M}");
    }
  }
  void markupShowsLiterally() {
    QFETCH(QString, settings);
    QFETCH(QStringList, picks);
    QFETCH(QString, typed);
    QFETCH(int, surface);
    QFETCH(QString, shown);
    QFETCH(QString, markup);
    GameWindow window;
    const FifoTrap fifo(window.folder / "fifo");
    window.folder.WriteSettings(settings.toStdString());
    MessageBoxSink messages;
    InputDialogInput input;
    window.platform.messages.onShow = [&] {
      messages.Show(window.platform.messages.boxes.back().title,
                    window.platform.messages.boxes.back().text);
    };
    Platform platform = window.platform.Get();
    platform.input = &input;
    window.launcher = std::make_unique<LauncherWindow>(
        platform, StartFolders{window.folder.Path(), window.folder.Path()});
    LauncherWindow& launcher = *window.launcher;
    launcher.show();
    QVERIFY(QTest::qWaitForWindowExposed(&launcher));
    shown.replace("{D}", QString::fromStdString(GameFolder::Folder()));

    // A dialog is read and closed from inside its own loop.
    QString dialogShows;
    int textIndent = -1;  // how far the message stands right of the box's margin
    QStringList buttons;
    QTimer closer;
    connect(&closer, &QTimer::timeout, &closer, [&] {
      QWidget* dialog = QApplication::activeModalWidget();
      if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
        const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        dialogShows = Shown(label);
        textIndent = label->x() - box->layout()->contentsMargins().left();
        box->reject();
      } else if (auto* ask = qobject_cast<QInputDialog*>(dialog)) {
        dialogShows = Shown(ask->findChild<QLabel*>());
        for (const QPushButton* button : ask->findChildren<QPushButton*>()) {
          buttons << button->text();
        }
        ask->reject();
      }
    });
    closer.start(10);

    QElapsedTimer answer;
    answer.start();
    for (const QString& pick : picks) FindAction(launcher, qPrintable(pick))->trigger();
    if (!typed.isEmpty() || static_cast<Surface>(surface) == Surface::Message) {
      ClickTab(launcher, "Join game");
      launcher.findChild<QLineEdit*>(QStringLiteral("joinAddress"))->setText(typed);
    }
    const auto hover = [](QWidget* widget, QPoint at) {
      QHelpEvent event(QEvent::ToolTip, at, widget->mapToGlobal(at));
      QApplication::sendEvent(widget, &event);
      return Shown(ToolTipLabel());
    };
    QString seen;
    switch (static_cast<Surface>(surface)) {
      case Surface::Message:
        ClickAt(launcher, kGoButtonCentre);
        seen = dialogShows;
        QCOMPARE(textIndent, 0);  // no gap where an icon would stand
        break;
      case Surface::Prompt:
        seen = dialogShows;
        buttons.sort();
        QCOMPARE(buttons, QStringList({"Abbrechen", "Gut"}));
        break;
      case Surface::GoToolTip: {
        QWidget* go = launcher.findChild<QWidget*>(QStringLiteral("actionButton"));
        seen = hover(go, go->rect().center());
        shown.replace("{T}", go->toolTip());
        break;
      }
      case Surface::TabToolTip:
        seen = hover(Tabs(launcher), Tabs(launcher)->tabRect(1).center());
        break;
      case Surface::AddressToolTip: {
        ClickTab(launcher, "Join game");
        QWidget* edit = launcher.findChild<QWidget*>(QStringLiteral("joinAddress"));
        seen = hover(edit, edit->rect().center());
        break;
      }
    }
    QToolTip::hideText();
    QVERIFY2(!fifo.Opened(), "the window opened the image named in the text");
    QCOMPARE(seen, shown);
    QVERIFY2(seen.contains(markup), qPrintable(seen));
    QVERIFY2(answer.elapsed() < 1000, qPrintable(QString::number(answer.elapsed()) + " ms"));
  }
};

}  // namespace wv::test

QTEST_MAIN(wv::test::HardeningTest)
#include "hardening_test.moc"
