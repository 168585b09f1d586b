#pragma once

namespace wv {

// Makes screen readers meet the launcher as it shows itself: the main window
// as a frame named with its title, and only windows that reach the screen
// at the top of the tree. Call it before the application object exists (the
// accessibility bridge asks for the application as soon as it connects);
// calls after the first do nothing.
void InstallAccessibility();

}  // namespace wv
