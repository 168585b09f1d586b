#include "win/run_launcher.h"

#include <stdlib.h>
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "core/join_link.h"
#include "win/launcher_window.h"
#include "win/text.h"
#include "win/win_platform.h"

namespace wv {

namespace {

// The launcher reads no arguments but a join link. The C runtime's split of
// the command line, so that shell32 stays unloaded at start-up: loaded that
// early, the caption menu was seen not to open in a folder named outside
// the ANSI code page under Wine.
std::string JoinLinkOfCommandLine() {
  std::vector<std::string> arguments;
  for (int i = 1; i < __argc && __wargv != nullptr; ++i) arguments.push_back(Utf8(__wargv[i]));
  const std::vector<std::string_view> views(arguments.begin(), arguments.end());
  return std::string(JoinLinkArgument(views).value_or(""));
}

}  // namespace

int RunLauncher(int show, ControlsMade controls) {
  // OLE starts where it is first needed: for a screen reader's first
  // question, or for the monitoring page's web control.
  WinPlatform platform;
  LauncherWindow launcher(platform.Get());
  const std::string link = JoinLinkOfCommandLine();
  launcher.Start(DefaultStartFolders(), show, link);
  if (controls == ControlsMade::AfterFirstFrame) launcher.MakeControlsAfterFirstFrame();
  // Start-up's messages stand alone, as the window is not shown yet; later
  // ones belong to it.
  platform.SetOwner(launcher.Window());
  // A start-up that asked to quit leaves no window to the user.
  if (launcher.QuitRequested()) return 0;
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    launcher.RouteEarlyInput(message);
    if (launcher.TakeKey(message)) continue;
    if (IsWindow(launcher.Window()) && IsDialogMessageW(launcher.Window(), &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace wv
