#pragma once

namespace wv {

// When the window makes its controls, after drawing its first frame itself.
enum class ControlsMade {
  AfterFirstFrame,  // as players get it
  // Only for the first key or click: the first frame stays, for a test to
  // compare with what the controls draw.
  OnDemand,
};

// The launcher's whole run: start-up, the window and its message loop. The
// exit status back.
int RunLauncher(int show, ControlsMade controls);

}  // namespace wv
