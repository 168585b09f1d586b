#include "ui/monitoring_page.h"

#include <unistd.h>

#include <QApplication>
#include <QCursor>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

#include "tests/ui/monitoring_fixture.h"
#include "tests/ui/window_fixture.h"
#include "ui/look.h"

namespace {

using wv::test::GameWindow;
using wv::test::PageServer;
using wv::test::WebEngineMapped;

// The first page waits for the engine to start; later ones only for loopback.
constexpr int kEngineTimeoutMs = 60000;
constexpr int kPageTimeoutMs = 15000;
constexpr char kModulePathVariable[] = "WV_WEBVIEW_MODULE_PATH";

void ShowAsTab(QWidget& page) {
  page.resize(334, 155);
  page.show();
}

// The launcher window on screen, its monitoring tab pointed at `url`. The
// pointer is moved away first: a window shown under it gets the pointer where
// it was left, on one of its tabs.
wv::LauncherWindow& ShowWindow(GameWindow& window, const QString& url) {
  window.folder.WriteSettings("MonitoringURL=" + url.toStdString() + "\r\n");
  QCursor::setPos(0, 0);
  wv::LauncherWindow& launcher = window.Show();
  if (launcher.Monitoring() == nullptr) qFatal("no monitoring tab");
  return launcher;
}

QPoint TabCentre(const wv::LauncherWindow& launcher, const QString& caption) {
  QTabBar* tabs = wv::test::Tabs(launcher);
  for (int i = 0; i < tabs->count(); ++i) {
    if (tabs->tabText(i) == caption) return tabs->tabRect(i).center();
  }
  qFatal("no tab %s", qPrintable(caption));
}

// Records, at each paint of a page, whether its browser was there yet.
class PaintLog : public QObject {
 public:
  explicit PaintLog(wv::MonitoringPage* page) : page_(page) { page->installEventFilter(this); }
  QList<bool> browserAtPaint;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) browserAtPaint << page_->BrowserLoaded();
    return false;
  }

 private:
  const wv::MonitoringPage* page_;
};

// Counts the log lines about a page's dialogs while it lives.
class DialogLog {
 public:
  DialogLog() {
    lines_ = 0;
    previous_ = qInstallMessageHandler(&Count);
  }
  ~DialogLog() { qInstallMessageHandler(previous_); }
  static int Lines() { return lines_; }

 private:
  static void Count(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.contains(QLatin1String("JavaScript dialogs"))) ++lines_;
    previous_(type, context, text);
  }
  static inline int lines_ = 0;
  static inline QtMessageHandler previous_ = nullptr;
};

}  // namespace

class MonitoringPageTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QVERIFY(server_.Listen()); }
  void init() {
    qunsetenv(kModulePathVariable);
    server_.ResetHits();
  }

  // Runs before anything loads the engine, so it also checks that a failed
  // load leaves the engine out of the process.
  void showsOneLineWithoutModule_data() {
    QTest::addColumn<QString>("moduleContent");  // null: no file at all
    QTest::addColumn<bool>("pointAtFile");
    QTest::addColumn<bool>("russian");
    // Run as root with the engine's sandbox on; the real module beside.
    QTest::addColumn<bool>("rootWithSandbox");
    // The whole line, or how it starts where it ends in "…": the system says
    // why a file is no library.
    QTest::addColumn<QString>("line");
    const QString notFound = QStringLiteral("%1 " WV_WEBVIEW_MODULE_FILE " %2");
    QTest::newRow("empty folder") << QString() << false << false << false
                                  << notFound.arg("Monitoring page unavailable:", "not found");
    QTest::newRow("missing file") << QString() << true << false << false
                                  << notFound.arg("Monitoring page unavailable:", "not found");
    QTest::newRow("not a library") << QStringLiteral("junk") << false << false << false
                                   << QStringLiteral("Monitoring page unavailable: …");
    QTest::newRow("empty folder, in Russian")
        << QString() << false << true << false
        << notFound.arg("Страница мониторинга недоступна:", "не найден");
    QTest::newRow("not a library, in Russian")
        << QStringLiteral("junk") << false << true << false
        << QStringLiteral("Страница мониторинга недоступна: …");
    // The engine would end the whole process, the test's too.
    QTest::newRow("root with the sandbox on")
        << QString() << false << false << true
        << QStringLiteral(
               "Monitoring page unavailable: run as root, the engine needs "
               "QTWEBENGINE_DISABLE_SANDBOX=1");
  }
  void showsOneLineWithoutModule() {
    QFETCH(QString, moduleContent);
    QFETCH(bool, pointAtFile);
    QFETCH(bool, russian);
    QFETCH(bool, rootWithSandbox);
    QFETCH(QString, line);
    if (rootWithSandbox && geteuid() != 0) QSKIP("not run as root");
    const bool switchSet = qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX");
    const QByteArray sandboxSwitch = qgetenv("QTWEBENGINE_DISABLE_SANDBOX");
    const auto restoreSwitch = qScopeGuard([&] {
      if (switchSet) qputenv("QTWEBENGINE_DISABLE_SANDBOX", sandboxSwitch);
    });
    if (rootWithSandbox) qunsetenv("QTWEBENGINE_DISABLE_SANDBOX");
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral(WV_WEBVIEW_MODULE_FILE));
    if (!moduleContent.isNull()) {
      QFile junk(file);
      QVERIFY(junk.open(QIODevice::WriteOnly));
      junk.write(moduleContent.toUtf8());
    }
    if (!rootWithSandbox)
      qputenv(kModulePathVariable, (pointAtFile ? file : folder.path()).toUtf8());

    wv::StringSet strings;
    strings.Fill(wv::kRussianStrings);
    wv::MonitoringPage page(
        nullptr, russian ? wv::MonitoringTextsOf(strings) : wv::EnglishMonitoringTexts());
    ShowAsTab(page);
    QSignalSpy finished(&page, &wv::MonitoringPage::loadFinished);
    page.Navigate(server_.Url("/status"));
    page.Navigate(server_.Url("/status"));
    page.Reload();

    const auto unavailable = [&] {
      return page.findChildren<QLabel*>(QStringLiteral("MonitoringUnavailable"));
    };
    QTRY_VERIFY(!unavailable().isEmpty());
    page.Navigate(server_.Url("/status"));
    const auto lines = unavailable();
    QCOMPARE(lines.size(), 1);
    QVERIFY(lines[0]->isVisible());
    // The reason, then the address on a line of its own.
    if (line.endsWith(QChar(0x2026))) {
      QVERIFY2(lines[0]->text().startsWith(line.chopped(1)), qPrintable(lines[0]->text()));
    } else {
      QCOMPARE(lines[0]->text(), line + QLatin1Char('\n') + server_.Url("/status"));
    }
    QVERIFY(lines[0]->mapTo(&page, QPoint(0, 0)).x() > 0);
    auto* open = page.findChild<QPushButton*>(QStringLiteral("MonitoringOpenInBrowser"));
    QVERIFY(open != nullptr && open->isVisible());
    QSignalSpy openAsked(&page, &wv::MonitoringPage::openInBrowserRequested);
    open->click();
    QCOMPARE(openAsked.count(), 1);
    QVERIFY(!page.BrowserLoaded());
    QCOMPARE(page.BrowserWidget(), nullptr);
    // What the calls posted has run by now, and none of it loaded a page.
    QVERIFY(wv::test::HandlePostedEvents());
    QCOMPARE(finished.count(), 0);
    QCOMPARE(server_.Hits(QStringLiteral("/status")), 0);
    QVERIFY(!WebEngineMapped());
  }

  // The application object was made without shared OpenGL contexts, as the
  // launcher's is; the module sets them up itself, and the engine's warnings
  // about that order stay out of the output.
  void loadsEngineOnFirstNavigate() {
    QTest::failOnWarning(QRegularExpression("AA_ShareOpenGLContexts|initialized from a plugin"));
    const bool haveMaps = QFile::exists(QStringLiteral("/proc/self/maps"));
    wv::MonitoringPage page;
    ShowAsTab(page);
    QSignalSpy finished(&page, &wv::MonitoringPage::loadFinished);
    if (haveMaps) QVERIFY2(!WebEngineMapped(), "the web engine is mapped before any Navigate");
    QVERIFY(!page.BrowserLoaded());

    page.Navigate(server_.Url("/status"));
    QTRY_VERIFY_WITH_TIMEOUT(page.BrowserLoaded(), kEngineTimeoutMs);
    QVERIFY(page.BrowserWidget() && page.BrowserWidget()->parentWidget() == &page);
    QVERIFY(page.findChild<QLabel*>(QStringLiteral("MonitoringUnavailable")) == nullptr);
    if (haveMaps) QVERIFY2(WebEngineMapped(), "Navigate did not load the web engine");

    // The load may have ended while the browser was awaited.
    QTRY_VERIFY_WITH_TIMEOUT(!finished.isEmpty(), kEngineTimeoutMs);
    QCOMPARE(finished.first().at(0).toBool(), true);
    QCOMPARE(server_.Hits(QStringLiteral("/status")), 1);
  }

  // Pointing at the monitoring tab, or bringing keyboard focus to the tab row,
  // loads and sets up the engine before any click, and no more: no browser,
  // no page. Nothing else the pointer passes over starts it.
  void warmsOnIntent_data() {
    QTest::addColumn<QString>("pointedTab");
    QTest::addColumn<QPoint>("pointedAt");  // in the tab row, when no tab is named
    QTest::addColumn<int>("focusReason");   // when the pointer stays away
    QTest::addColumn<bool>("warms");
    const int none = -1;
    QTest::newRow("pointer on another tab") << "Join game" << QPoint() << none << false;
    QTest::newRow("pointer past the last tab") << QString() << QPoint(330, 11) << none << false;
    QTest::newRow("pointer on the monitoring tab") << "Monitoring" << QPoint() << none << true;
    QTest::newRow("focus to the tab row by key")
        << QString() << QPoint() << int(Qt::TabFocusReason) << true;
    QTest::newRow("focus to the tab row as the window activates")
        << QString() << QPoint() << int(Qt::ActiveWindowFocusReason) << false;
  }
  void warmsOnIntent() {
    QFETCH(QString, pointedTab);
    QFETCH(QPoint, pointedAt);
    QFETCH(int, focusReason);
    QFETCH(bool, warms);
    QTest::failOnWarning(QRegularExpression("AA_ShareOpenGLContexts|initialized from a plugin"));
    GameWindow window;
    wv::LauncherWindow& launcher = ShowWindow(window, server_.Url("/status"));
    wv::MonitoringPage& page = *launcher.Monitoring();
    QTabBar* tabs = wv::test::Tabs(launcher);
    QVERIFY(!page.EngineStarted());

    if (!pointedTab.isEmpty()) {
      QTest::mouseMove(tabs, TabCentre(launcher, pointedTab));
    } else if (!pointedAt.isNull()) {
      QTest::mouseMove(tabs, pointedAt);
    } else {
      launcher.activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(&launcher));
      tabs->setFocus(static_cast<Qt::FocusReason>(focusReason));
      QVERIFY(tabs->hasFocus());
    }

    QCOMPARE(page.EngineStarted(), warms);
    if (warms) {
      QTRY_VERIFY_WITH_TIMEOUT(page.EngineReady(), kEngineTimeoutMs);
      QVERIFY(WebEngineMapped());
    }
    QVERIFY(!page.BrowserLoaded());
    QCOMPARE(tabs->tabText(tabs->currentIndex()), QStringLiteral("Create server"));
    QCOMPARE(server_.Hits(QStringLiteral("/status")), 0);
  }

  // A click on the tab selects it at once; the browser is made only after the
  // page has been painted, whether the engine is still cold or was warmed by
  // the pointer resting on the tab. Later visits load the page again.
  void loadsAfterTheTabIsPainted_data() {
    QTest::addColumn<bool>("pointerRestsFirst");
    QTest::newRow("cold") << false;
    QTest::newRow("after the pointer rested on the tab") << true;
  }
  void loadsAfterTheTabIsPainted() {
    QFETCH(bool, pointerRestsFirst);
    GameWindow window;
    wv::LauncherWindow& launcher = ShowWindow(window, server_.Url("/status"));
    wv::MonitoringPage& page = *launcher.Monitoring();
    QTabBar* tabs = wv::test::Tabs(launcher);
    PaintLog paints(&page);
    QSignalSpy finished(&page, &wv::MonitoringPage::loadFinished);
    if (pointerRestsFirst) {
      QTest::mouseMove(tabs, TabCentre(launcher, "Monitoring"));
      QTRY_VERIFY_WITH_TIMEOUT(page.EngineReady(), kEngineTimeoutMs);
    }

    wv::test::ClickTab(launcher, "Monitoring");
    QCOMPARE(tabs->tabText(tabs->currentIndex()), QStringLiteral("Monitoring"));
    QVERIFY(!page.BrowserLoaded());
    QTRY_VERIFY_WITH_TIMEOUT(page.BrowserLoaded(), kEngineTimeoutMs);
    QVERIFY2(!paints.browserAtPaint.isEmpty() && !paints.browserAtPaint.first(),
             "the browser was made before the tab was painted");
    QTRY_VERIFY_WITH_TIMEOUT(!finished.isEmpty(), kEngineTimeoutMs);
    QCOMPARE(finished.first().at(0).toBool(), true);
    QCOMPARE(server_.Hits(QStringLiteral("/status")), 1);

    wv::test::ClickTab(launcher, "Create server");
    wv::test::ClickTab(launcher, "Monitoring");
    QTRY_COMPARE_WITH_TIMEOUT(server_.Hits(QStringLiteral("/status")), 2, kPageTimeoutMs);
  }

  // Dialogs are answered as cancelled at once and logged once per page; the
  // window answers the player meanwhile, even while a page keeps opening them.
  void answersScriptDialogsAtOnce_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("answered");  // where the page goes with the answer
    QTest::addColumn<bool>("endless");
    QTest::newRow("alert in an endless loop") << "/alerts"
                                              << "/progress" << true;
    QTest::newRow("confirm") << "/confirm"
                             << "/answered?false" << false;
    QTest::newRow("prompt") << "/prompt"
                            << "/answered?null" << false;
  }
  void answersScriptDialogsAtOnce() {
    QFETCH(QString, path);
    QFETCH(QString, answered);
    QFETCH(bool, endless);
    const DialogLog log;
    GameWindow window;
    wv::LauncherWindow& launcher = ShowWindow(window, server_.Url(qPrintable(path)));
    QTabBar* tabs = wv::test::Tabs(launcher);

    wv::test::ClickTab(launcher, "Monitoring");
    QTRY_VERIFY_WITH_TIMEOUT(server_.Hits(answered) > 0, kEngineTimeoutMs);
    wv::test::ClickTab(launcher, "Join game");
    QCOMPARE(tabs->tabText(tabs->currentIndex()), QStringLiteral("Join game"));
    // The loop has gone on through hundreds of dialogs since.
    if (endless) {
      const int progress = server_.Hits(QStringLiteral("/progress"));
      QTRY_VERIFY_WITH_TIMEOUT(server_.Hits(QStringLiteral("/progress")) > progress + 2,
                               kPageTimeoutMs);
    }
    QCOMPARE(DialogLog::Lines(), 1);
  }

  // A join link clicked in the page is the launcher's: the join tab shows its
  // host and port with the focus in the password box, or a link of no use
  // says so; the page stays where it was, no game starts. A page's script
  // going to one by itself changes nothing.
  void joinLinkFillsTheJoinTab_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("address");  // empty: refused
    QTest::addColumn<QString>("port");
    QTest::newRow("server list") << "/servers"
                                 << "[::1]"
                                 << "27019";
    QTest::newRow("port zero") << "/bad-link" << QString() << QString();
    QTest::newRow("by the page's script") << "/script-link" << QString() << QString();
  }
  void joinLinkFillsTheJoinTab() {
    QFETCH(QString, path);
    QFETCH(QString, address);
    QFETCH(QString, port);
    GameWindow window;
    wv::LauncherWindow& launcher = ShowWindow(window, server_.Url(qPrintable(path)));
    QTabBar* tabs = wv::test::Tabs(launcher);
    const auto shownTab = [tabs] { return tabs->tabText(tabs->currentIndex()); };
    const std::vector<wv::test::RecordingMessages::Box>& boxes = window.platform.messages.boxes;
    QSignalSpy clicked(launcher.Monitoring(), &wv::MonitoringPage::joinLinkClicked);
    QSignalSpy loaded(launcher.Monitoring(), &wv::MonitoringPage::loadFinished);
    wv::test::ClickTab(launcher, "Monitoring");
    QTRY_VERIFY_WITH_TIMEOUT(loaded.count() == 1, kEngineTimeoutMs);

    if (path == QStringLiteral("/script-link")) {
      QTRY_VERIFY_WITH_TIMEOUT(server_.Hits(QStringLiteral("/after")) == 1, kPageTimeoutMs);
      QCOMPARE(clicked.count(), 0);
      QVERIFY(boxes.empty());
      QCOMPARE(shownTab(), QStringLiteral("Monitoring"));
    } else {
      // The player's click: the engine hands no link over without one.
      QWidget* browser = launcher.Monitoring()->BrowserWidget();
      QWidget* input = browser->focusProxy() != nullptr ? browser->focusProxy() : browser;
      QTest::mouseClick(input, Qt::LeftButton, {}, input->rect().center());
      QTRY_VERIFY_WITH_TIMEOUT(clicked.count() == 1, kPageTimeoutMs);
    }
    if (path == QStringLiteral("/bad-link")) {
      QTRY_COMPARE_WITH_TIMEOUT(boxes.size(), std::size_t{1}, kPageTimeoutMs);
      QCOMPARE(boxes[0].text, std::string("The link is not a join link this launcher can use"));
      QCOMPARE(shownTab(), QStringLiteral("Monitoring"));
    } else if (!address.isEmpty()) {
      QTRY_COMPARE_WITH_TIMEOUT(shownTab(), QStringLiteral("Join game"), kPageTimeoutMs);
      QCOMPARE(wv::test::TextOf(launcher, "joinAddress"), address);
      QCOMPARE(wv::test::TextOf(launcher, "joinPort"), port);
      QCOMPARE(wv::test::TextOf(launcher, "joinPassword"), QString());
      QCOMPARE(QApplication::focusWidget(), launcher.Widget(wv::Control::JoinPassword));
      // The page's script goes on: it was never left.
      QTRY_VERIFY_WITH_TIMEOUT(server_.Hits(QStringLiteral("/after")) == 1, kPageTimeoutMs);
      QVERIFY(boxes.empty());
    }
    QCOMPARE(server_.Hits(path), 1);
    QVERIFY(window.platform.starter.calls.empty());
  }

  // Each step acts, then waits for the request counts to match and for the
  // load that answers the last request to finish. A load that fails puts the
  // reason in place of the page until one loads again.
  void navigatesAndReloadsWhatIsShown() {
    enum Action { kNavigate, kReload };
    struct Step {
      const char* name;
      Action action;
      const char* path;  // for kNavigate
      QHash<QString, int> hits;
      bool serverDown = false;
    };
    const Step steps[] = {
        {"follow a link", kNavigate, "/hop", {{"/hop", 1}, {"/target", 1}}},
        {"reload the page reached", kReload, nullptr, {{"/hop", 1}, {"/target", 2}}},
        {"back to the configured page", kNavigate, "/status", {{"/status", 1}, {"/target", 2}}},
        {"same address again", kNavigate, "/status", {{"/status", 2}}},
        {"reload it", kReload, nullptr, {{"/status", 3}, {"/hop", 1}}},
        {"reload with the server down", kReload, nullptr, {{"/status", 3}}, true},
        {"reload with it back", kReload, nullptr, {{"/status", 4}}},
        {"a link with the server down", kNavigate, "/hop", {{"/hop", 1}}, true},
        {"the link with it back", kNavigate, "/hop", {{"/hop", 2}, {"/target", 3}}},
    };

    wv::MonitoringPage page;
    ShowAsTab(page);
    QSignalSpy finished(&page, &wv::MonitoringPage::loadFinished);
    qsizetype finishedAtLastRequest = 0;
    server_.onPageRequest = [&] { finishedAtLastRequest = finished.count(); };

    const auto failure = [&] {
      return page.findChild<QLabel*>(QStringLiteral("MonitoringLoadFailure"));
    };
    QString navigated;  // the address of the latest navigation
    for (const Step& step : steps) {
      if (!step.serverDown) QVERIFY(server_.Up());
      const QString url = step.action == kNavigate ? server_.Url(step.path) : QString();
      if (step.serverDown) {
        server_.Down();
        finishedAtLastRequest = finished.count();
      }
      if (step.action == kNavigate) {
        page.Navigate(url);
      } else {
        page.Reload();
      }
      const auto reached = [&] {
        for (const auto& [path, count] : step.hits.asKeyValueRange()) {
          if (server_.Hits(path) < count) return false;
        }
        return finished.count() > finishedAtLastRequest &&
               finished.last().at(0).toBool() != step.serverDown;
      };
      QTRY_VERIFY2_WITH_TIMEOUT(reached(), step.name, kPageTimeoutMs);
      QCOMPARE(failure() != nullptr && failure()->isVisible(), step.serverDown);
      QCOMPARE(page.BrowserWidget()->isVisible(), !step.serverDown);
      if (step.action == kNavigate) navigated = url;
      if (step.serverDown) {
        // Inset as the other pages, the address named, the browser offered.
        const QString line = failure()->text();
        QVERIFY2(line.startsWith(QStringLiteral("The monitoring page did not load: ")) &&
                     line.endsWith(QLatin1Char('\n') + navigated) && line.size() > 34,
                 qPrintable(line));
        QVERIFY(failure()->mapTo(&page, QPoint(0, 0)).x() > 0);
        const auto* open = page.findChild<QPushButton*>(QStringLiteral("MonitoringOpenInBrowser"));
        QVERIFY(open != nullptr && open->isVisible());
      }
      for (const auto& [path, count] : step.hits.asKeyValueRange()) {
        const QString requested = QStringLiteral("%1: %2 requested %3 times").arg(step.name, path);
        QVERIFY2(server_.Hits(path) == count, qPrintable(requested.arg(server_.Hits(path))));
      }
    }
    server_.onPageRequest = nullptr;
  }

  // The artwork lives in a static library; this catches it being dropped by
  // the linker as well as a wrong size or ground colour.
  void artworkIsBuiltIn_data() {
    QTest::addColumn<QString>("alias");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("groundAt");
    QTest::addColumn<QColor>("ground");
    const QColor grey(128, 128, 128), silver(192, 192, 192);
    QTest::newRow("emblem") << "emblem.png" << QSize(16, 16) << QPoint(0, 0) << grey;
    QTest::newRow("emblem, twice") << "emblem@2x.png" << QSize(32, 32) << QPoint(0, 0) << grey;
    for (int side : {16, 32, 48, 64, 128, 256}) {
      QTest::addRow("icon %d", side) << QStringLiteral("icon-%1.png").arg(side) << QSize(side, side)
                                     << QPoint(side / 16, side / 16) << grey;
    }
    QTest::newRow("about") << "about.png" << QSize(332, 153) << QPoint(300, 140) << silver;
    QTest::newRow("about, twice") << "about@2x.png" << QSize(664, 306) << QPoint(600, 280)
                                  << silver;
  }
  void artworkIsBuiltIn() {
    QFETCH(QString, alias);
    QFETCH(QSize, size);
    QFETCH(QPoint, groundAt);
    QFETCH(QColor, ground);
    const QImage image(QStringLiteral(":/artwork/") + alias);
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), size);
    QCOMPARE(image.pixelColor(groundAt), ground);
    // The window icon gives each size as drawn, asked twice (read ahead once,
    // then from the file); a size between two is the larger one made smaller,
    // and none is made larger than drawn.
    if (alias.startsWith(QLatin1String("icon-"))) {
      const QIcon icon = wv::look::WindowIcon();
      QVERIFY(icon.availableSizes().contains(size));
      for (int ask = 0; ask < 2; ++ask) {
        QCOMPARE(icon.pixmap(size, 1.0).toImage().convertToFormat(QImage::Format_RGB32),
                 image.convertToFormat(QImage::Format_RGB32));
      }
      const QSize between = size - QSize(1, 1);
      QCOMPARE(icon.pixmap(between, 1.0).size(), between);
      QCOMPARE(icon.actualSize(size * 2), size.width() == 256 ? size : size * 2);
    }
  }

 private:
  PageServer server_;
};

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  MonitoringPageTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "monitoring_page_test.moc"
