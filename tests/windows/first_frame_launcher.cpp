// The launcher as players get it, but for its controls: made only for a key
// or click, so that the first frame the window draws itself stays on the
// screen for the scenarios to compare.
#include <windows.h>

#include "win/run_launcher.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
  return wv::RunLauncher(show, wv::ControlsMade::OnDemand);
}
