#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <memory>

#include "core/monitoring_texts.h"
#include "ui/webview/module_loader.h"

class QLabel;
class QPushButton;

namespace wv {

class BrowserView;

// The monitoring tab's content. The web engine comes from its module, loaded
// when the player shows intent to open the tab (Warm) or else at the first
// Navigate, so a launcher whose monitoring tab is never approached never
// starts it. The browser is made only after the page has been painted, so the
// tab shows at once and the engine's set-up follows. Where the engine cannot be
// loaded, or would end the process, the page shows one line saying why; a page
// that fails to load is replaced by a line saying why until one loads. Either
// names the address and offers to open a web address in the browser.
class MonitoringPage : public QWidget {
  Q_OBJECT

 public:
  // Says why the page is unavailable with `texts`.
  explicit MonitoringPage(QWidget* parent = nullptr,
                          MonitoringTexts texts = EnglishMonitoringTexts());
  ~MonitoringPage() override;

  // Loads the module and sets the engine up, without making the browser or
  // loading a page; only the first call does anything.
  void Warm();
  // Starts a fresh navigation on every call. The first call makes the browser,
  // on the turn of the event loop after this page is next painted (or at the
  // next turn while the page is hidden).
  void Navigate(const QString& url);
  // Reloads whatever page the browser shows now; nothing before the browser is
  // made.
  void Reload();

  // Whether loading the engine has begun, by Warm or by Navigate.
  bool EngineStarted() const { return engine_ != Engine::Cold; }
  // Whether the engine is set up and a browser can be made at once.
  bool EngineReady() const { return engine_ == Engine::Ready; }
  bool BrowserLoaded() const { return browser_ != nullptr; }
  // nullptr until the browser is loaded.
  QWidget* BrowserWidget() const;

 signals:
  void loadFinished(bool ok);
  // "Open in the browser" was pressed for the page navigated to last.
  void openInBrowserRequested();
  // The page went for a join link, which it was kept from; its encoded bytes.
  void joinLinkClicked(const QByteArray& link);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  enum class Engine { Cold, Loading, Ready, Failed };

  void EngineLoaded();
  void Painted();
  void MakeBrowser();
  void ShowLoadResult(bool ok, const QString& reason);
  // An inset panel holding the label `labelName`, above the button that
  // opens the page elsewhere; the button shows for a web address only.
  QWidget* MakeReasonPanel(const QString& labelName, const QString& text);

  MonitoringTexts texts_;
  BrowserModule module_;
  Engine engine_ = Engine::Cold;
  BrowserFailure failure_;
  std::unique_ptr<BrowserView> browser_;
  QWidget* unavailable_ = nullptr;
  QPointer<QWidget> loadFailure_;  // while the latest load has failed
  QString url_;
  bool awaitingPaint_ = false;
  bool browserWanted_ = false;
};

}  // namespace wv
