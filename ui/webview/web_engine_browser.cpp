// The only code that touches the web engine; built as a module so that the
// launcher pays for the engine only when the monitoring tab is first shown.

#include <QApplication>
#include <QPointer>
#include <QUrl>
#include <QWebEngineView>
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

class WebEngineBrowser final : public wv::BrowserView {
 public:
  explicit WebEngineBrowser(QWidget* parent) : view_(new QWebEngineView(parent)) {
    QObject::connect(view_, &QWebEngineView::loadFinished, view_, [this](bool ok) {
      if (callback_) callback_(ok);
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

  void SetLoadFinishedCallback(std::function<void(bool ok)> callback) override {
    callback_ = std::move(callback);
  }

 private:
  QPointer<QWebEngineView> view_;
  std::function<void(bool)> callback_;
};

}  // namespace

static_assert(std::is_same_v<decltype(&wv_create_browser_view_v1), wv::CreateBrowserViewFunction>);

extern "C" Q_DECL_EXPORT wv::BrowserView* wv_create_browser_view_v1(QWidget* parent,
                                                                    QString* error) {
  if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
    if (error) *error = QStringLiteral("no widget application is running");
    return nullptr;
  }
  // Normally run before the application object exists; run here, the OpenGL
  // driver is loaded only by launchers that show the monitoring page. A second
  // call does nothing.
  QtWebEngineCore::initialize();
  return new WebEngineBrowser(parent);
}
