#include "app/accessibility.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QGuiApplication>
#include <QWindow>

#include "app/launcher_window.h"

namespace wv {

namespace {

// The windows the application shows. The web engine of the monitoring page
// renders into a window of its own that never gets onto the screen (no
// platform window); left in, it would stand beside the launcher as a stray
// top-level window.
QObjectList ShownWindows() {
  QObjectList list;
  for (QWindow* window : QGuiApplication::topLevelWindows()) {
    if (window->type() == Qt::Popup || window->type() == Qt::Desktop) continue;
    if (window->handle() == nullptr) continue;
    if (QAccessibleInterface* root = window->accessibleRoot(); root && root->object()) {
      list.append(root->object());
    }
  }
  return list;
}

// The application at the root of the tree, as the toolkit's own, but with
// ShownWindows as its children.
class LauncherApplication : public QAccessibleObject {
 public:
  LauncherApplication() : QAccessibleObject(qApp) {}

  QWindow* window() const override { return nullptr; }
  int childCount() const override { return static_cast<int>(ShownWindows().size()); }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child != nullptr ? static_cast<int>(ShownWindows().indexOf(child->object())) : -1;
  }
  QAccessibleInterface* parent() const override { return nullptr; }
  QAccessibleInterface* child(int index) const override {
    const QObjectList windows = ShownWindows();
    if (index < 0 || index >= windows.size()) return nullptr;
    return QAccessible::queryAccessibleInterface(windows.at(index));
  }
  QAccessibleInterface* focusChild() const override {
    QWindow* focused = QGuiApplication::focusWindow();
    return focused != nullptr ? focused->accessibleRoot() : nullptr;
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return QGuiApplication::applicationName();
    if (t == QAccessible::Description) return QGuiApplication::applicationFilePath();
    return {};
  }
  QAccessible::Role role() const override { return QAccessible::Application; }
  QAccessible::State state() const override { return {}; }
};

// A frameless QWidget would be a plain "filler"; the launcher's window is a
// frame, named with the window title.
QAccessibleInterface* Factory(const QString& className, QObject* object) {
  if (object == qApp) return new LauncherApplication;
  if (className == QLatin1String(LauncherWindow::staticMetaObject.className())) {
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
  }
  return nullptr;
}

}  // namespace

void InstallAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(Factory);
    return true;
  }();
  (void)installed;
}

}  // namespace wv
