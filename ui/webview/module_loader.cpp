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

}  // namespace

std::unique_ptr<BrowserView> LoadBrowserModule(QWidget* parent, QString& error) {
  // A web engine loaded into an application started without shared contexts
  // crashes on its first view; better not to load it at all.
  if (!QCoreApplication::testAttribute(Qt::AA_ShareOpenGLContexts)) {
    error = QStringLiteral("the launcher was started without shared OpenGL contexts");
    return nullptr;
  }
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
