#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>

#include "tests/support/desktop_session.h"
#include "tests/support/launcher_files.h"
#include "tests/support/own_environment.h"
#include "tests/support/stand_in_game.h"

namespace wv::test {

namespace fs = std::filesystem;

// The launcher as a native client of a headless Wayland compositor, worked
// over AT-SPI as there is no X display to click on. The client's own protocol
// log tells how its menus are made.
class WaylandE2eTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    const QString weston = QStandardPaths::findExecutable("weston");
    QVERIFY(runtime_.isValid());
    QFile::setPermissions(runtime_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment compositorEnvironment = environment_.Get();
    compositorEnvironment.insert("XDG_RUNTIME_DIR", runtime_.path());
    compositor_.setProcessEnvironment(compositorEnvironment);
    compositor_.setStandardOutputFile(QProcess::nullDevice());
    compositor_.setStandardErrorFile(runtime_.filePath("weston.log"));
    compositor_.start(weston, {"--backend=headless-backend.so", "--use-pixman",
                               "--socket=" + QString::fromLatin1(kSocket)});
    QVERIFY(compositor_.waitForStarted());
    QVERIFY2(WaitFor([&] { return fs::exists(fs::path(runtime_.filePath(kSocket).toStdString())); },
                     20000),
             "weston made no socket");

    WriteStandIn(folder_ / "qr7.exe");
    record_ = RecordInto(folder_.Path());
    fs::copy_file(WV_LAUNCHER_FILE, folder_ / "wreckvale-launcher");
    environment_.Drop("DISPLAY");
    environment_.Set("XDG_RUNTIME_DIR", runtime_.path());
    environment_.Set("WAYLAND_DISPLAY", kSocket);
    environment_.Set("QT_QPA_PLATFORM", "wayland");
    environment_.Set("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    environment_.Set("WAYLAND_DEBUG", "client");
    launcher_.setProcessEnvironment(environment_.Get());
    launcher_.setWorkingDirectory(QString::fromStdString(folder_.Path().native()));
    launcher_.setStandardErrorFile(ProtocolLog());
    launcher_.start(QString::fromStdString((folder_ / "wreckvale-launcher").native()));
    QVERIFY(launcher_.waitForStarted());
  }
  void cleanupTestCase() {
    for (QProcess* process : {&launcher_, &compositor_}) {
      process->kill();
      process->waitForFinished();
    }
  }

  void actionButtonStartsTheEngine() {
    QVERIFY(Atspi({"press", "push button", "Create server"}));
    QVERIFY2(WaitForFile(record_, std::chrono::seconds(15)), "the stand-in engine was not started");
    const std::vector<std::string> words = ReadRecord(record_);
    QVERIFY(words.size() >= 2);
    QCOMPARE(std::vector<std::string>(words.begin() + 2, words.end()), kDefaultArguments);
  }

  // The menu's surface belongs to the window: an xdg popup on the window's
  // surface, or, where the compositor has no seat (as headless weston has
  // none, so no input serial for a grabbing popup), a top level with the
  // window as its parent. Either way the compositor shows it: it is
  // configured. A top level of its own would be a stray window.
  void choiceMenuOpensAsPopupOfTheWindow() {
    QVERIFY(Atspi({"press", "combo box", "Game mode: CO-OP"}));
    const auto first = [](const QString& log, const QString& pattern) {
      return QRegularExpression(pattern).match(log);
    };
    QString log, menu;
    const auto menuShown = [&] {
      log = ReadProtocolLog();
      const QRegularExpressionMatch window =
          first(log, R"(xdg_surface@(\d+)\.get_toplevel\(new id xdg_toplevel@(\d+)\))");
      if (!window.hasMatch()) return false;
      QRegularExpressionMatch attached =
          first(log, R"(xdg_surface@(\d+)\.get_popup\(new id xdg_popup@\d+, xdg_surface@)" +
                         window.captured(1) + "[,)]");
      if (!attached.hasMatch()) {
        const QRegularExpressionMatch child = first(
            log, R"(xdg_toplevel@(\d+)\.set_parent\(xdg_toplevel@)" + window.captured(2) + R"(\))");
        if (!child.hasMatch()) return false;
        attached = first(log, R"(xdg_surface@(\d+)\.get_toplevel\(new id xdg_toplevel@)" +
                                  child.captured(1) + R"(\))");
      }
      menu = attached.captured(1);
      return !menu.isEmpty() && log.contains("xdg_surface@" + menu + ".configure(");
    };
    QVERIFY2(WaitFor(menuShown, 15000), "no menu surface of the window was shown");
    const qsizetype topLevels = log.count(QLatin1String(".get_toplevel("));
    const qsizetype children = log.count(QLatin1String(".set_parent(xdg_toplevel@"));
    QCOMPARE(topLevels - children, 1);
  }

 private:
  static constexpr char kSocket[] = "wv-wayland-test";

  QString ProtocolLog() const { return runtime_.filePath("client-protocol.log"); }
  QString ReadProtocolLog() const {
    QFile file(ProtocolLog());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
  }

  // Runs the AT-SPI helper against the launcher; true when it succeeded.
  bool Atspi(const QStringList& arguments) const {
    QProcess helper;
    helper.setProcessChannelMode(QProcess::ForwardedChannels);
    helper.start(
        QStringLiteral("/usr/bin/python3"),
        QStringList{WV_ATSPI_TREE, arguments.front(), QString::number(launcher_.processId())} +
            arguments.mid(1));
    return helper.waitForFinished(60000) && helper.exitStatus() == QProcess::NormalExit &&
           helper.exitCode() == 0;
  }

  QTemporaryDir runtime_;
  QProcess compositor_;
  TempFolder folder_;
  fs::path record_;
  OwnEnvironment environment_;
  QProcess launcher_;
};

}  // namespace wv::test

int main(int argc, char** argv) {
  using wv::test::Need;
  if (const char* missing = wv::test::Missing({Need::Weston, Need::SessionBus, Need::Atspi})) {
    return wv::test::SkipSuite(missing);
  }
  QCoreApplication app(argc, argv);
  wv::test::WaylandE2eTest test;
  return QTest::qExec(&test, argc, argv);
}
#include "wayland_e2e_test.moc"
