#include "ui/webview/module_loader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QStringList>
#include <QThread>
#include <mutex>

namespace wv {
namespace {

constexpr char kModuleFile[] = WV_WEBVIEW_MODULE_FILE;
constexpr char kModulePathVariable[] = "WV_WEBVIEW_MODULE_PATH";

// A folder or the module file itself; a folder holds the module under its
// usual name.
QString ModuleFileIn(const QString& place) {
  const QFileInfo info(place);
  return info.isDir() ? QDir(place).filePath(QString::fromUtf8(kModuleFile)) : place;
}

// Beside the executable, as in a game folder (and in the build folder, where
// the launcher and the test programs sit beside the module); then, in an
// installed build only, the folder it installs the module into. Never the
// build tree as such: a copied launcher would run whatever sits there. The
// variable replaces the whole list.
QStringList ModuleCandidates() {
  const QString forced = qEnvironmentVariable(kModulePathVariable);
  if (!forced.isEmpty()) return {ModuleFileIn(forced)};
  const QString file = QString::fromUtf8(kModuleFile);
  return {
      QDir(QCoreApplication::applicationDirPath()).filePath(file),
#ifdef WV_WEBVIEW_INSTALL_DIR
      QDir(QStringLiteral(WV_WEBVIEW_INSTALL_DIR)).filePath(file),
#endif
  };
}

// The engine asks for its shared OpenGL context to be set up before the
// application object. Set up then, it would load the OpenGL driver into every
// start; the module sets it up later instead, which works, so the engine's
// complaints about the order are dropped while it loads and sets up. The load
// runs on a worker thread, and several pages may load at once: the filter
// stays in place while any of them needs it.
class QuietEngineSetUp {
 public:
  QuietEngineSetUp() {
    const std::lock_guard lock(mutex_);
    if (users_++ == 0) previous_ = qInstallMessageHandler(&Filter);
  }
  ~QuietEngineSetUp() {
    const std::lock_guard lock(mutex_);
    if (--users_ == 0) qInstallMessageHandler(previous_);
  }
  QuietEngineSetUp(const QuietEngineSetUp&) = delete;
  QuietEngineSetUp& operator=(const QuietEngineSetUp&) = delete;

 private:
  static void Filter(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtWarningMsg &&
        (text.startsWith(QLatin1String("Qt WebEngine seems to be initialized from a plugin")) ||
         text.startsWith(QLatin1String("Attribute Qt::AA_ShareOpenGLContexts must be set before"))))
      return;
    previous_(type, context, text);  // Qt hands out its default handler, never null
  }

  static inline std::mutex mutex_;
  static inline int users_ = 0;
  static inline QtMessageHandler previous_ = nullptr;
};

}  // namespace

BrowserModule::~BrowserModule() {
  if (worker_ == nullptr) return;
  worker_->wait();
  delete worker_;
}

void BrowserModule::StartLoading() {
  if (started_) return;
  started_ = true;
  // Worked out on this thread: Qt caches the application's folder without a lock.
  const QStringList candidates = ModuleCandidates();
  worker_ = QThread::create([this, candidates] { Load(candidates); });
  connect(worker_, &QThread::finished, this, [this] {
    worker_->deleteLater();
    worker_ = nullptr;
    emit loaded();
  });
  worker_->start();
}

void BrowserModule::Load(const QStringList& candidates) {
  const QuietEngineSetUp quiet;
  std::optional<BrowserFailure> first;
  for (const QString& file : candidates) {
    if (!QFileInfo(file).isFile()) continue;
    QLibrary library(file);
    // The web engine cannot be torn down and started again in one process.
    library.setLoadHints(QLibrary::PreventUnloadHint);
    BrowserFailure failure{BrowserFailure::Kind::ModuleForeign, file.toStdString(), {}};
    if (!library.load()) {
      failure.reason = library.errorString().toStdString();
    } else {
      auto setUp =
          reinterpret_cast<SetUpBrowserEngineFunction>(library.resolve(kSetUpBrowserEngineSymbol));
      auto create =
          reinterpret_cast<CreateBrowserViewFunction>(library.resolve(kCreateBrowserViewSymbol));
      if (setUp != nullptr && create != nullptr) {
        setUp_ = setUp;
        create_ = create;
        return;
      }
    }
    if (!first) first = failure;
  }
  loadFailure_ =
      first.value_or(BrowserFailure{BrowserFailure::Kind::ModuleNotFound, kModuleFile, {}});
}

bool BrowserModule::SetUpEngine(BrowserFailure& failure) {
  if (setUp_ == nullptr) {
    failure = loadFailure_.value_or(BrowserFailure{BrowserFailure::Kind::ModuleNotLoaded, {}, {}});
    return false;
  }
  const QuietEngineSetUp quiet;
  QString reason;
  if (setUp_(&reason)) return true;
  failure = {BrowserFailure::Kind::EngineNotStarted, {}, reason.toStdString()};
  return false;
}

std::unique_ptr<BrowserView> BrowserModule::CreateBrowser(QWidget* parent,
                                                          BrowserFailure& failure) {
  QString reason;
  if (create_ != nullptr) {
    if (BrowserView* browser = create_(parent, &reason))
      return std::unique_ptr<BrowserView>(browser);
  }
  failure = {BrowserFailure::Kind::EngineNotStarted, {}, reason.toStdString()};
  return nullptr;
}

}  // namespace wv
