#include <QApplication>
#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

#include "app/accessibility.h"
#include "app/clipboard_handoff.h"
#include "app/early_session_bus.h"
#include "app/launcher_window.h"
#include "app/qt_platform.h"
#include "core/join_link.h"
#include "ui/look.h"

int main(int argc, char** argv) {
  // The launcher reads no arguments but a join link, the toolkit's own
  // options included (-platform, -style, -reverse and the like).
  const std::vector<std::string_view> arguments(argv + std::min(argc, 1), argv + argc);
  const std::optional<std::string_view> link = wv::JoinLinkArgument(arguments);
  int qtArgc = 1;
  const wv::EarlySessionBus sessionBus;
  wv::InstallAccessibility();
  QApplication app(qtArgc, argv);
  // The window's class and the desktop entry it belongs to, whatever the
  // program file is called: docks group the window with its menu entry by them.
  QApplication::setApplicationName(QStringLiteral("wreckvale-launcher"));
  QApplication::setDesktopFileName(QStringLiteral("org.wreckvale.Launcher"));
  // The window's font for everything, the dialogs included; it also spares
  // loading the system's default face, which a line edit would otherwise
  // load while it is being built.
  QApplication::setFont(wv::look::UiFont());
  wv::QtPlatform platform;
  wv::LauncherWindow launcher(platform.Get(), wv::DefaultStartFolders(argv[0]));
  // A start-up that asked to quit leaves no window to the user.
  if (!launcher.QuitRequested()) {
    if (link) launcher.OpenJoinLink(*link);
    launcher.show();
  }
  const int status = app.exec();
  // A summary copied just before the launcher ends is what the player pastes.
  wv::KeepClipboardAfterExit();
  return status;
}
