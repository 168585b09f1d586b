#include "ui/monitoring_page.h"

#include <unistd.h>

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "core/file_url.h"
#include "core/join_link.h"
#include "ui/webview/browser_view.h"

namespace wv {

namespace {

// As the Windows pane lays its reason out, in logical pixels.
constexpr int kReasonInset = 8;
constexpr int kReasonGap = 6;

EngineEnvironment ThisProcess() {
  EngineEnvironment environment;
  environment.root = geteuid() == 0;
  if (qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX")) {
    environment.disableSandbox = qgetenv("QTWEBENGINE_DISABLE_SANDBOX").toStdString();
  }
  environment.chromiumFlags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS").toStdString();
  return environment;
}

}  // namespace

MonitoringPage::MonitoringPage(QWidget* parent, MonitoringTexts texts)
    : QWidget(parent), texts_(std::move(texts)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  connect(&module_, &BrowserModule::loaded, this, &MonitoringPage::EngineLoaded);
}

// Out of line: BrowserView is complete only here.
MonitoringPage::~MonitoringPage() = default;

QWidget* MonitoringPage::BrowserWidget() const {
  return browser_ ? browser_->Widget() : nullptr;
}

void MonitoringPage::Warm() {
  if (engine_ != Engine::Cold) return;
  // Asked before anything of the engine is loaded: where it would end the
  // process, it never starts, and the page says why.
  if (auto refusal = EngineRefusal(texts_, ThisProcess())) {
    engine_ = Engine::Failed;
    failure_ = {BrowserFailure::Kind::EngineNotStarted, {}, std::move(*refusal)};
    return;
  }
  engine_ = Engine::Loading;
  module_.StartLoading();
}

// The set-up blocks the GUI thread (it loads the OpenGL driver), so it runs
// as soon as the module is there: after intent, usually long before the click.
void MonitoringPage::EngineLoaded() {
  engine_ = module_.SetUpEngine(failure_) ? Engine::Ready : Engine::Failed;
  if (browserWanted_) MakeBrowser();
}

void MonitoringPage::Navigate(const QString& url) {
  url_ = url;
  if (browser_) {
    browser_->Navigate(url);
    return;
  }
  if (unavailable_ != nullptr) return;
  // A zero timer or a queued call would run before the repaint, which Qt posts
  // at low priority; the paint itself says when the tab is on screen.
  if (isVisible()) {
    awaitingPaint_ = true;
    update();
  } else {
    QMetaObject::invokeMethod(this, &MonitoringPage::Painted, Qt::QueuedConnection);
  }
}

void MonitoringPage::Reload() {
  if (browser_) browser_->Reload();
}

// The window's picture is sent to the display right after its widgets have
// painted, in the same call; the queued call runs after that.
void MonitoringPage::paintEvent(QPaintEvent*) {
  if (!awaitingPaint_) return;
  awaitingPaint_ = false;
  QMetaObject::invokeMethod(this, &MonitoringPage::Painted, Qt::QueuedConnection);
}

// A failed load replaces the page shown before with the reason, until a
// load succeeds; a load cut short by the next one says nothing.
void MonitoringPage::ShowLoadResult(bool ok, const QString& reason) {
  if (!ok && reason.isEmpty()) return;
  if (ok) {
    delete loadFailure_;
    browser_->Widget()->show();
    return;
  }
  const QString line =
      QString::fromStdString(PageLoadFailure(texts_, reason.toStdString(), url_.toStdString()));
  if (loadFailure_ == nullptr) {
    loadFailure_ = MakeReasonPanel(QStringLiteral("MonitoringLoadFailure"), line);
  } else {
    loadFailure_->findChild<QLabel*>()->setText(line);
    loadFailure_->findChild<QPushButton*>()->setVisible(IsWebAddress(url_.toStdString()));
  }
  browser_->Widget()->hide();
  loadFailure_->show();
}

void MonitoringPage::Painted() {
  if (browser_ || unavailable_ != nullptr) return;
  browserWanted_ = true;
  if (engine_ == Engine::Cold) Warm();
  // A refusal fails the engine at once.
  if (engine_ != Engine::Loading) MakeBrowser();
}

// One attempt per page: an engine that failed to load stays failed, and the
// reason stays on screen.
void MonitoringPage::MakeBrowser() {
  browserWanted_ = false;
  if (engine_ == Engine::Ready) {
    browser_ = module_.CreateBrowser(this, failure_);
    if (browser_) {
      browser_->SetLoadFinishedCallback([this](bool ok, const QString& reason) {
        ShowLoadResult(ok, reason);
        emit loadFinished(ok);
      });
      // A join link is the launcher's, never a page to load: the page stays.
      // Only the player's click hands it over; a page's script going there by
      // itself, in a loop perhaps, is dropped without a word.
      browser_->SetNavigationFilter([this](const QByteArray& url, bool linkClicked) {
        if (!HasJoinLinkScheme(std::string_view(url.constData(), url.size()))) return false;
        if (linkClicked) emit joinLinkClicked(url);
        return true;
      });
      layout()->addWidget(browser_->Widget());
      browser_->Widget()->show();
      browser_->Navigate(url_);
      return;
    }
    engine_ = Engine::Failed;
  }
  unavailable_ = MakeReasonPanel(QStringLiteral("MonitoringUnavailable"),
                                 QString::fromStdString(WithPageAddress(
                                     UnavailableLine(texts_, failure_), url_.toStdString())));
  unavailable_->show();
}

QWidget* MonitoringPage::MakeReasonPanel(const QString& labelName, const QString& text) {
  auto* panel = new QWidget(this);
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(kReasonInset, kReasonInset, kReasonInset, kReasonInset);
  column->setSpacing(kReasonGap);
  auto* label = new QLabel(text, panel);
  label->setObjectName(labelName);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  column->addWidget(label);
  // Translations are plain text: no '&' becomes a mnemonic.
  auto* open = new QPushButton(
      QString::fromStdString(texts_.openInBrowser).replace(QLatin1Char('&'), QStringLiteral("&&")),
      panel);
  open->setObjectName(QStringLiteral("MonitoringOpenInBrowser"));
  open->setVisible(IsWebAddress(url_.toStdString()));
  connect(open, &QPushButton::clicked, this, &MonitoringPage::openInBrowserRequested);
  column->addWidget(open, 0, Qt::AlignLeft);
  column->addStretch(1);
  layout()->addWidget(panel);
  return panel;
}

}  // namespace wv
