#include <windows.h>

#include "win/run_launcher.h"

// The launcher reads no arguments but a join link, which RunLauncher takes.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
  return wv::RunLauncher(show, wv::ControlsMade::AfterFirstFrame);
}
