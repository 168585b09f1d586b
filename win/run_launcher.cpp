#include "win/run_launcher.h"

#include <windows.h>

#include "win/launcher_window.h"
#include "win/win_platform.h"

namespace wv {

int RunLauncher(int show, ControlsMade controls) {
  // OLE starts where it is first needed: for a screen reader's first
  // question, or for the monitoring page's web control.
  WinPlatform platform;
  LauncherWindow launcher(platform.Get());
  launcher.Start(DefaultStartFolders(), show);
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
