#include "ui/monitoring_page.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "tests/ui/monitoring_fixture.h"

namespace {

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
    QTest::newRow("empty folder") << QString() << false;
    QTest::newRow("missing file") << QString() << true;
    QTest::newRow("not a library") << QStringLiteral("junk") << false;
  }
  void showsOneLineWithoutModule() {
    QFETCH(QString, moduleContent);
    QFETCH(bool, pointAtFile);
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral(WV_WEBVIEW_MODULE_FILE));
    if (!moduleContent.isNull()) {
      QFile junk(file);
      QVERIFY(junk.open(QIODevice::WriteOnly));
      junk.write(moduleContent.toUtf8());
    }
    qputenv(kModulePathVariable, (pointAtFile ? file : folder.path()).toUtf8());

    wv::MonitoringPage page;
    ShowAsTab(page);
    QSignalSpy finished(&page, &wv::MonitoringPage::loadFinished);
    page.Navigate(server_.Url("/status"));
    page.Navigate(server_.Url("/status"));
    page.Reload();

    const auto lines = page.findChildren<QLabel*>(QStringLiteral("MonitoringUnavailable"));
    QCOMPARE(lines.size(), 1);
    QVERIFY(lines[0]->isVisible());
    QVERIFY2(lines[0]->text().startsWith(QStringLiteral("Monitoring page unavailable: ")),
             qPrintable(lines[0]->text()));
    QVERIFY(!page.BrowserLoaded());
    QCOMPARE(page.BrowserWidget(), nullptr);
    QTest::qWait(100);
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
    QVERIFY(page.BrowserLoaded());
    QVERIFY(page.BrowserWidget() && page.BrowserWidget()->parentWidget() == &page);
    QVERIFY(page.findChild<QLabel*>(QStringLiteral("MonitoringUnavailable")) == nullptr);
    if (haveMaps) QVERIFY2(WebEngineMapped(), "Navigate did not load the web engine");

    QVERIFY(finished.wait(kEngineTimeoutMs));
    QCOMPARE(finished.first().at(0).toBool(), true);
    QCOMPARE(server_.Hits(QStringLiteral("/status")), 1);
  }

  // Each step acts, then waits for the request counts to match and for the
  // load that answers the last request to finish.
  void navigatesAndReloadsWhatIsShown() {
    enum Action { kNavigate, kReload };
    struct Step {
      const char* name;
      Action action;
      const char* path;  // for kNavigate
      QHash<QString, int> hits;
    };
    const Step steps[] = {
        {"follow a link", kNavigate, "/hop", {{"/hop", 1}, {"/target", 1}}},
        {"reload the page reached", kReload, nullptr, {{"/hop", 1}, {"/target", 2}}},
        {"back to the configured page", kNavigate, "/status", {{"/status", 1}, {"/target", 2}}},
        {"same address again", kNavigate, "/status", {{"/status", 2}}},
        {"reload it", kReload, nullptr, {{"/status", 3}, {"/hop", 1}}},
    };

    wv::MonitoringPage page;
    ShowAsTab(page);
    QSignalSpy finished(&page, &wv::MonitoringPage::loadFinished);
    qsizetype finishedAtLastRequest = 0;
    server_.onPageRequest = [&] { finishedAtLastRequest = finished.count(); };

    for (const Step& step : steps) {
      if (step.action == kNavigate) {
        page.Navigate(server_.Url(step.path));
      } else {
        page.Reload();
      }
      const auto reached = [&] {
        for (const auto& [path, count] : step.hits.asKeyValueRange()) {
          if (server_.Hits(path) < count) return false;
        }
        return finished.count() > finishedAtLastRequest && finished.last().at(0).toBool();
      };
      QTRY_VERIFY2_WITH_TIMEOUT(reached(), step.name, kPageTimeoutMs);
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
