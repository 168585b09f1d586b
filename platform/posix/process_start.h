#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace wv {

// Starts the program `words[0]` with the other words as its arguments, each
// passed as the bytes it holds, in `workDir` (empty: the launcher's own
// folder). The game is left to init in a session of its own, so that it
// outlives the launcher and never lingers as its zombie.
// Returns 0 once the program runs, else the errno of the step that failed;
// EINVAL for words exec cannot pass: none, an empty program, a NUL byte.
// With `inputFd` not negative, the program reads its standard input from it;
// with `outputFd` not negative, it writes its standard output and errors there.
int StartDetached(const std::vector<std::string>& words, const std::string& workDir,
                  int inputFd = -1, int outputFd = -1);

// The game's first seconds, as the process between the launcher and the game
// reports them: it waits that long for the game, says how the game ended
// through a pipe if it did, and ends. The game is never its child for longer.
struct EarlyWatch {
  int middle = -1;  // the process in between, reaped by EarlyEnd
  int pipe = -1;    // non-blocking, the launcher's end
};

// As StartDetached, with the game's standard output and errors on `outputFd`
// (when not negative), watched for `window` through `watch`.
int StartWatched(const std::vector<std::string>& words, const std::string& workDir, int outputFd,
                 std::chrono::milliseconds window, EarlyWatch& watch);

// What the watch has said so far, never waiting: 1 and the wait status once
// the game ended within the window; 0 once the window passed with the game
// running; -1 while it runs. The pipe is closed once it has said; the middle
// process is left to Reaped.
int EarlyEnd(EarlyWatch& watch, int* waitStatus);
// Reaps a middle process that has ended; true once it has (or is no child).
bool Reaped(int process);
// Reaps a middle process whose watch has said its piece: it is ending then,
// so this waits only for its exit to finish.
void ReapEnding(int process);

}  // namespace wv
