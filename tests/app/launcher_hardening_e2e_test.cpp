#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <sstream>
#include <string_view>

#include "tests/support/desktop_session.h"
#include "tests/support/stand_in_game.h"

namespace wv::test {

namespace {

namespace fs = std::filesystem;

// The tab row in window coordinates: the tabs start at its left edge and the
// monitoring tab comes third, somewhere along it.
constexpr int kTabRowY = 2 + 27 + 11;
constexpr int kTabRowLastX = 330;
constexpr int kTabStep = 12;
// The first page waits for the engine to start.
constexpr int kEngineTimeoutMs = 40000;

std::string ReadAll(const fs::path& file) {
  QFile in(QString::fromStdString(file.string()));
  return in.open(QIODevice::ReadOnly) ? in.readAll().toStdString() : std::string();
}

bool Mapped(qint64 pid, std::string_view library) {
  return ReadAll("/proc/" + std::to_string(pid) + "/maps").find(library) != std::string::npos;
}

bool WebEngineMapped(qint64 pid) {
  return Mapped(pid, "libQt6WebEngine");
}

// Mesa's driver, as under Xvfb: what a shared OpenGL context loads.
bool OpenGlDriverMapped(qint64 pid) {
  return Mapped(pid, "_dri.so");
}

// The engine starts its helper processes as children of the launcher.
bool WebEngineProcessRuns(qint64 pid) {
  const std::string self = std::to_string(pid);
  std::istringstream children(ReadAll("/proc/" + self + "/task/" + self + "/children"));
  for (std::string child; children >> child;) {
    if (ReadAll("/proc/" + child + "/comm").starts_with("QtWebEngineProc")) return true;
  }
  return false;
}

// Counts the requests for the monitoring page and answers each with a page.
class PageServer : public QObject {
 public:
  PageServer() {
    connect(&server_, &QTcpServer::newConnection, this, [this] {
      while (QTcpSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
          if (!socket->readAll().startsWith("GET /status ")) return;
          ++requests_;
          const QByteArray body = "<html><body>status</body></html>";
          socket->write(
              "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nConnection: close\r\n"
              "Content-Length: " +
              QByteArray::number(body.size()) + "\r\n\r\n" + body);
          socket->disconnectFromHost();
        });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
      }
    });
  }
  bool Listen() { return server_.listen(QHostAddress::LocalHost); }
  std::string Url() const {
    return "http://127.0.0.1:" + std::to_string(server_.serverPort()) + "/status";
  }
  int Requests() const { return requests_; }

 private:
  QTcpServer server_;
  int requests_ = 0;
};

}  // namespace

class LauncherHardeningE2eTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void legacyFolderName();
  void webEngineWaitsForTheMonitoringTab();

 private:
  // Starts the launcher copied into `folder`, from inside it, and returns its
  // visible window (the main window or its message box), or empty.
  QString Start(const fs::path& folder);
  void Click(const QString& window, int x, int y);

  QString xdotool_;
  QProcess launcher_;
  fs::path previous_;
};

void LauncherHardeningE2eTest::init() {
  if (qEnvironmentVariableIsEmpty("DISPLAY")) QSKIP("needs an X display");
  xdotool_ = QStandardPaths::findExecutable("xdotool");
  if (xdotool_.isEmpty()) QSKIP("needs xdotool");
  previous_ = fs::current_path();
}

void LauncherHardeningE2eTest::cleanup() {
  if (launcher_.state() != QProcess::NotRunning) {
    launcher_.kill();
    launcher_.waitForFinished();
  }
  fs::current_path(previous_);
}

// QProcess would pass a folder name through QString, which cannot hold bytes
// that are not UTF-8; started from inside, the name never has to be spelled.
QString LauncherHardeningE2eTest::Start(const fs::path& folder) {
  fs::copy_file(WV_LAUNCHER_FILE, folder / "wreckvale-launcher");
  fs::current_path(folder);
  launcher_.setProcessChannelMode(QProcess::ForwardedChannels);
  launcher_.start(QStringLiteral("./wreckvale-launcher"), {});
  fs::current_path(previous_);
  if (!launcher_.waitForStarted()) return {};
  QString window;
  WaitFor(
      [&] {
        window = Run(xdotool_, {"search", "--onlyvisible", "--name", "^Wreckvale Launcher$"})
                     .section('\n', 0, 0);
        return !window.isEmpty() || launcher_.state() == QProcess::NotRunning;
      },
      20000);
  QTest::qWait(300);
  return window;
}

void LauncherHardeningE2eTest::Click(const QString& window, int x, int y) {
  Run(xdotool_, {"mousemove", "--sync", "--window", window, QString::number(x), QString::number(y),
                 "click", "1"});
}

// A game folder named in the old Windows code page: the launcher still finds
// the settings beside itself, and the game starts there, named byte for byte.
void LauncherHardeningE2eTest::legacyFolderName() {
  TempFolder base;
  const fs::path folder = base / "\xc8\xe3\xf0\xe0 \xb9\x31";
  fs::create_directory(folder);
  WriteStandIn(folder / "game.sh");
  std::ofstream(folder / "wreckvale_launcher.ini", std::ios::binary)
      << "[Application]\r\nVersion=1.9.0.3\r\n[Tavrin]\r\nCommandFile=game.sh\r\n";
  const fs::path record = base / "received";
  setenv(kRecordVariable, record.c_str(), 1);

  const QString window = Start(folder);
  QVERIFY(!window.isEmpty());
  Click(window, kGoButtonX, kGoButtonY);

  QVERIFY2(WaitFor([&] { return fs::exists(record); }, 15000),
           "the game was not started: were the settings read?");
  const std::vector<std::string> words = ReadRecord(record);
  QVERIFY(words.size() > 2);
  QCOMPARE(words[0], (folder / "game.sh").native());
  QCOMPARE(words[1], folder.native());
}

// With a monitoring address the web engine stays out of the process, and no
// engine process runs, until the monitoring tab is first shown; then the page
// loads.
void LauncherHardeningE2eTest::webEngineWaitsForTheMonitoringTab() {
  PageServer server;
  QVERIFY(server.Listen());
  TempFolder folder;
  folder.Write("qr7.exe", "");
  folder.Write("wreckvale_launcher.ini",
               "[Application]\r\nVersion=1.9.0.3\r\nMonitoringURL=" + server.Url() + "\r\n");

  const QString window = Start(folder.Path());
  QVERIFY(!window.isEmpty());
  const qint64 pid = launcher_.processId();
  QVERIFY(!WebEngineMapped(pid));
  QVERIFY(!WebEngineProcessRuns(pid));
  QVERIFY2(!OpenGlDriverMapped(pid), "an OpenGL driver was loaded at start-up");

  // Along the tab row until a tab brings the engine in: the tabs before the
  // monitoring one must not.
  int x = 8;
  for (; x <= kTabRowLastX && !WebEngineMapped(pid); x += kTabStep) {
    QCOMPARE(server.Requests(), 0);
    Click(window, x, kTabRowY);
    WaitFor([&] { return WebEngineMapped(pid); }, 300);
  }
  QVERIFY2(WebEngineMapped(pid), "no tab loaded the web engine");
  QVERIFY2(x > 8 + 2 * kTabStep, "the first tabs loaded the web engine");

  QVERIFY2(WaitFor([&] { return server.Requests() > 0; }, kEngineTimeoutMs),
           "the monitoring page was not requested");
  QVERIFY(WaitFor([&] { return WebEngineProcessRuns(pid); }, 10000));
  QVERIFY2(OpenGlDriverMapped(pid), "the page is drawn without the OpenGL driver checked above");
}

}  // namespace wv::test

QTEST_GUILESS_MAIN(wv::test::LauncherHardeningE2eTest)
#include "launcher_hardening_e2e_test.moc"
