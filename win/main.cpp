#include <windows.h>

#include "win/launcher_window.h"
#include "win/win_platform.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
  // The launcher reads no arguments.
  // OLE starts where it is first needed: for a screen reader's first
  // question, or for the monitoring page's web control.
  int status = 0;
  {
    wv::WinPlatform platform;
    wv::LauncherWindow launcher(platform.Get());
    launcher.Start(wv::DefaultStartFolders(), show);
    // Start-up's messages stand alone, as the window is not shown yet; later
    // ones belong to it.
    platform.SetOwner(launcher.Window());
    // A start-up that asked to quit leaves no window to the user.
    if (!launcher.QuitRequested()) {
      MSG message;
      while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        launcher.RouteEarlyInput(message);
        if (launcher.TakeKey(message)) continue;
        if (IsWindow(launcher.Window()) && IsDialogMessageW(launcher.Window(), &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
      }
      status = static_cast<int>(message.wParam);
    }
  }
  return status;
}
