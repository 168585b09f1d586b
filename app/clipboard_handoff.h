#pragma once

namespace wv {

// Called as the launcher ends, while the application object still lives: on
// X11, text the launcher still owns on the clipboard goes to the clipboard
// keeper beside the launcher, so that it can still be pasted. A clipboard
// manager, where one runs, takes it from Qt itself as the application ends.
void KeepClipboardAfterExit();

}  // namespace wv
