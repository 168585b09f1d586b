// The only code that touches the web engine; built as a module so that the
// launcher pays for the engine only when the player goes to the monitoring tab.

#include <QApplication>
#include <QPointer>
#include <QUrl>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <functional>
#include <type_traits>
#include <utility>

#include "ui/webview/browser_view.h"

// The engine's own set-up of its shared OpenGL context. Exported by the engine
// library but declared in no public header; where it is missing, loading this
// module fails and the monitoring page says so.
namespace QtWebEngineCore {
Q_DECL_IMPORT void initialize();
}

namespace {

// A page may not stop the launcher with dialogs: a modal box per alert() lets
// a page in a loop lock the window. Each dialog, the one asking to leave the
// page included, is answered as cancelled at once; only the first is logged,
// so that a loop does not flood the log either.
class DialogFreePage final : public QWebEnginePage {
 public:
  using QWebEnginePage::QWebEnginePage;

  void SetNavigationFilter(std::function<bool(const QByteArray&, bool)> takes) {
    takes_ = std::move(takes);
  }

 protected:
  bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool mainFrame) override {
    if (takes_ && takes_(url.toEncoded(), type == NavigationTypeLinkClicked)) return false;
    return QWebEnginePage::acceptNavigationRequest(url, type, mainFrame);
  }
  void javaScriptAlert(const QUrl&, const QString&) override { Refuse(); }
  bool javaScriptConfirm(const QUrl&, const QString&) override { return Refuse(); }
  bool javaScriptPrompt(const QUrl&, const QString&, const QString&, QString*) override {
    return Refuse();
  }

 private:
  bool Refuse() {
    if (!logged_) {
      logged_ = true;
      qInfo(
          "Monitoring page: its JavaScript dialogs are not shown but answered as cancelled "
          "(logged once)");
    }
    return false;
  }

  bool logged_ = false;
  std::function<bool(const QByteArray&, bool)> takes_;
};

bool InWidgetApplication(QString* error) {
  if (qobject_cast<QApplication*>(QCoreApplication::instance())) return true;
  if (error) *error = QStringLiteral("no widget application is running");
  return false;
}

class WebEngineBrowser final : public wv::BrowserView {
 public:
  explicit WebEngineBrowser(QWidget* parent)
      : view_(new QWebEngineView(parent)), page_(new DialogFreePage(view_)) {
    view_->setPage(page_);
    // The load's end with its reason. The error page shown for a failed load
    // is no load of its own.
    QObject::connect(
        view_->page(), &QWebEnginePage::loadingChanged, view_,
        [this](const QWebEngineLoadingInfo& info) {
          if (!callback_ || info.status() == QWebEngineLoadingInfo::LoadStartedStatus) return;
          if (info.isErrorPage() && info.status() == QWebEngineLoadingInfo::LoadSucceededStatus)
            return;
          // Only a failure has a reason: a load cut short by the
          // next one has none.
          QString reason;
          if (info.status() == QWebEngineLoadingInfo::LoadFailedStatus) {
            reason = info.errorString().isEmpty() ? QString::number(info.errorCode())
                                                  : info.errorString();
          }
          callback_(info.status() == QWebEngineLoadingInfo::LoadSucceededStatus, reason);
        });
  }
  ~WebEngineBrowser() override { delete view_.data(); }

  QWidget* Widget() const override { return view_; }

  // fromUserInput leaves a full address as it is and still accepts a bare
  // host name typed into the settings file.
  void Navigate(const QString& url) override {
    if (view_) view_->load(QUrl::fromUserInput(url));
  }

  void Reload() override {
    if (view_) view_->reload();
  }

  void SetLoadFinishedCallback(
      std::function<void(bool ok, const QString& reason)> callback) override {
    callback_ = std::move(callback);
  }

  void SetNavigationFilter(
      std::function<bool(const QByteArray& url, bool linkClicked)> takes) override {
    if (page_) page_->SetNavigationFilter(std::move(takes));
  }

 private:
  QPointer<QWebEngineView> view_;
  QPointer<DialogFreePage> page_;
  std::function<void(bool, const QString&)> callback_;
};

}  // namespace

static_assert(
    std::is_same_v<decltype(&wv_set_up_browser_engine_v4), wv::SetUpBrowserEngineFunction>);
static_assert(std::is_same_v<decltype(&wv_create_browser_view_v4), wv::CreateBrowserViewFunction>);

extern "C" Q_DECL_EXPORT bool wv_set_up_browser_engine_v4(QString* error) {
  if (!InWidgetApplication(error)) return false;
  // Normally run before the application object exists; run here, the OpenGL
  // driver is loaded only by launchers that go near the monitoring tab. A
  // second call does nothing.
  QtWebEngineCore::initialize();
  return true;
}

extern "C" Q_DECL_EXPORT wv::BrowserView* wv_create_browser_view_v4(QWidget* parent,
                                                                    QString* error) {
  if (!wv_set_up_browser_engine_v4(error)) return nullptr;
  return new WebEngineBrowser(parent);
}
