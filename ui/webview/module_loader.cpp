#include "ui/webview/module_loader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QStringList>

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

// Beside the executable first, as in a game folder; then the build folder, so
// that programs run from the build tree find it; then the installed copy.
// The variable replaces the whole list.
QStringList ModuleCandidates() {
  const QString forced = qEnvironmentVariable(kModulePathVariable);
  if (!forced.isEmpty()) return {ModuleFileIn(forced)};
  return {ModuleFileIn(QCoreApplication::applicationDirPath()),
          ModuleFileIn(QStringLiteral(WV_WEBVIEW_BUILD_DIR)),
          ModuleFileIn(QStringLiteral(WV_WEBVIEW_INSTALL_DIR))};
}

// The engine asks for its shared OpenGL context to be set up before the
// application object. Set up then, it would load the OpenGL driver into every
// start; the module sets it up on load instead, which works, so the engine's
// complaints about the order are dropped while it loads.
class QuietEngineSetUp {
 public:
  QuietEngineSetUp() { previous_ = qInstallMessageHandler(&Filter); }
  ~QuietEngineSetUp() { qInstallMessageHandler(previous_); }
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

  static inline QtMessageHandler previous_ = nullptr;
};

}  // namespace

std::unique_ptr<BrowserView> LoadBrowserModule(QWidget* parent, QString& error) {
  const QuietEngineSetUp quiet;
  QString firstError;
  for (const QString& file : ModuleCandidates()) {
    if (!QFileInfo(file).isFile()) continue;
    QLibrary library(file);
    // The web engine cannot be torn down and started again in one process.
    library.setLoadHints(QLibrary::PreventUnloadHint);
    QString failure;
    if (!library.load()) {
      failure = library.errorString();
    } else if (auto create = reinterpret_cast<CreateBrowserViewFunction>(
                   library.resolve(kCreateBrowserViewSymbol))) {
      if (BrowserView* browser = create(parent, &failure)) {
        error.clear();
        return std::unique_ptr<BrowserView>(browser);
      }
      if (failure.isEmpty()) failure = QStringLiteral("the web engine did not start");
    } else {
      failure = QStringLiteral("%1 is not a web-view module of this launcher").arg(file);
    }
    if (firstError.isEmpty()) firstError = failure;
  }
  error = firstError.isEmpty() ? QStringLiteral("%1 not found").arg(QString::fromUtf8(kModuleFile))
                               : firstError;
  return nullptr;
}

}  // namespace wv
