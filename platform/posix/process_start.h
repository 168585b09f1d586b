#pragma once

#include <string>
#include <vector>

namespace wv {

// Starts the program `words[0]` with the other words as its arguments, each
// passed as the bytes it holds, in `workDir` (empty: the launcher's own
// folder). The game is left to init in a session of its own, so that it
// outlives the launcher and never lingers as its zombie.
// Returns 0 once the program runs, else the errno of the step that failed;
// EINVAL for words exec cannot pass: none, an empty program, a NUL byte.
int StartDetached(const std::vector<std::string>& words, const std::string& workDir);

}  // namespace wv
