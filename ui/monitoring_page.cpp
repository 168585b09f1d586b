#include "ui/monitoring_page.h"

#include <QLabel>
#include <QVBoxLayout>

#include "ui/webview/browser_view.h"
#include "ui/webview/module_loader.h"

namespace wv {

MonitoringPage::MonitoringPage(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
}

// Out of line: BrowserView is complete only here.
MonitoringPage::~MonitoringPage() = default;

QWidget* MonitoringPage::BrowserWidget() const {
  return browser_ ? browser_->Widget() : nullptr;
}

void MonitoringPage::Navigate(const QString& url) {
  if (EnsureBrowser()) browser_->Navigate(url);
}

void MonitoringPage::Reload() {
  if (browser_) browser_->Reload();
}

// One attempt per page: a module that failed to load stays failed, and the
// reason stays on screen.
bool MonitoringPage::EnsureBrowser() {
  if (browser_) return true;
  if (loadAttempted_) return false;
  loadAttempted_ = true;

  QString error;
  browser_ = LoadBrowserModule(this, error);
  if (browser_) {
    browser_->SetLoadFinishedCallback([this](bool ok) { emit loadFinished(ok); });
    layout()->addWidget(browser_->Widget());
    browser_->Widget()->show();
    return true;
  }

  auto* line = new QLabel(QStringLiteral("Monitoring page unavailable: %1").arg(error), this);
  line->setObjectName(QStringLiteral("MonitoringUnavailable"));
  line->setTextFormat(Qt::PlainText);
  line->setWordWrap(true);
  line->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  layout()->addWidget(line);
  line->show();
  return false;
}

}  // namespace wv
