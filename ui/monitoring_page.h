#pragma once

#include <QString>
#include <QWidget>
#include <memory>

class QLabel;

namespace wv {

class BrowserView;

// The monitoring tab's content. The web engine is loaded from its module on
// the first Navigate, so a launcher whose monitoring tab is never opened never
// starts it. Where it cannot be loaded, the page shows one line saying why.
class MonitoringPage : public QWidget {
  Q_OBJECT

 public:
  explicit MonitoringPage(QWidget* parent = nullptr);
  ~MonitoringPage() override;

  // Starts a fresh navigation on every call; the first call loads the browser.
  void Navigate(const QString& url);
  // Reloads whatever page the browser shows now; nothing before the first
  // successful Navigate.
  void Reload();

  bool BrowserLoaded() const { return browser_ != nullptr; }
  // nullptr until the browser is loaded.
  QWidget* BrowserWidget() const;

 signals:
  void loadFinished(bool ok);

 private:
  bool EnsureBrowser();

  std::unique_ptr<BrowserView> browser_;
  bool loadAttempted_ = false;
};

}  // namespace wv
