#include <windows.h>

#include "win/run_launcher.h"

// The launcher reads no arguments.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
  return wv::RunLauncher(show, wv::ControlsMade::AfterFirstFrame);
}
