#include <QFile>
#include <QScopeGuard>
#include <QTest>

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
  std::unique_ptr<TMainForm> form;

  explicit Window(const OddGameFolder& folder) {
    Platform platform = fake.Get();
    platform.starter = &starter;
    form = std::make_unique<TMainForm>(platform, FormFolders{folder.Path(), folder.Path()});
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get())) qFatal("window not exposed");
  }
  void PressAction() { ClickAt(*form, kGoButtonCentre); }
  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const auto& box : fake.messages.boxes) texts.push_back(box.text);
    return texts;
  }
};

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
        {"Can not start the game ({D}/qr7.exe: Exec format error)\nSet RunPrefix in "
         "wreckvale_launcher.ini to a program that can run it, for example wine."});
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
    if (!window.form->QuitRequested()) window.PressAction();

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
};

}  // namespace wv::test

QTEST_MAIN(wv::test::HardeningTest)
#include "hardening_test.moc"
