#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

#include "core/monitoring_texts.h"
#include "ui/webview/browser_view.h"

class QThread;
class QWidget;

namespace wv {

// The web-view module as one page sees it. Finding and loading the module (the
// engine's libraries: tens of milliseconds) runs on a worker thread, so that
// the window keeps answering meanwhile; setting the engine up and making
// browsers must run on the GUI thread and come after loaded().
class BrowserModule : public QObject {
  Q_OBJECT

 public:
  BrowserModule() = default;
  // Waits for a load under way: the worker writes into this object.
  ~BrowserModule() override;

  // Starts the load; once only, later calls do nothing.
  void StartLoading();
  // After loaded(): sets up the engine. False, and why, when the module was
  // not loaded or the engine cannot run.
  bool SetUpEngine(BrowserFailure& failure);
  // After a successful SetUpEngine: a browser under `parent`, or nullptr and
  // why.
  std::unique_ptr<BrowserView> CreateBrowser(QWidget* parent, BrowserFailure& failure);

 signals:
  // The load has ended, well or not; emitted on the GUI thread.
  void loaded();

 private:
  void Load(const QStringList& candidates);

  QThread* worker_ = nullptr;
  bool started_ = false;
  // Written by the worker, read on the GUI thread only after loaded().
  SetUpBrowserEngineFunction setUp_ = nullptr;
  CreateBrowserViewFunction create_ = nullptr;
  std::optional<BrowserFailure> loadFailure_;
};

}  // namespace wv
