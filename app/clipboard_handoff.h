#pragma once

namespace wv {

// Called as the launcher ends, while the application object still lives: on
// X11, text the launcher still owns on the clipboard goes to the clipboard
// keeper beside the launcher, which takes the clipboard over (and hands it on
// to a clipboard manager where one runs). The launcher ends once the keeper
// owns it, or after a second at most, so that no paste meets an empty
// clipboard in between.
void KeepClipboardAfterExit();

}  // namespace wv
