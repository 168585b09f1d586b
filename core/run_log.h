#pragma once

#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/string_set.h"

namespace wv {

// The game's output and errors go to this file in the game folder; the one
// of the run before is kept beside it with ".1" appended.
inline constexpr std::string_view kRunLogName = "wreckvale_last_run.log";
// A game that ends within this long after its start is taken to have failed
// to start, when it ends with a failure status or by a signal.
inline constexpr std::chrono::milliseconds kEarlyEndWindow{5000};
// The log's last lines that a message about such an end shows, read from
// its last bytes only: a game may write megabytes without a line end.
inline constexpr std::size_t kRunLogLinesShown = 6;
inline constexpr std::size_t kRunLogTailBytes = 64 * 1024;

// What became of a started game within the window.
struct GameOutcome {
  enum class Kind {
    Pending,    // still running, the window not over yet
    Outlasted,  // still running when the window ended, or nothing is known
    Exited,     // number: its exit status
    Signalled,  // number: the signal
  };
  Kind kind = Kind::Outlasted;
  int number = 0;
  bool Failed() const { return kind == Kind::Signalled || (kind == Kind::Exited && number != 0); }
};

// What became of the log files before a start.
struct RunLogStart {
  bool made = false;  // the log is there, new, empty, readable by the player alone
  // Names held by a link, folder, FIFO or device: left as they are.
  std::vector<std::filesystem::path> inTheWay;
};

// Keeps the last run's log as ".1" and makes the new log through a temporary
// file renamed into place. A ".1" that is not a regular file is left alone
// and the log before is simply replaced, as is one that cannot be moved; a
// log name that is not a regular file leaves the game without a log.
RunLogStart KeepPreviousRunLog(const std::filesystem::path& log);

// The last `count` lines of the text that hold more than blanks, without
// their line ends, joined by "\n": display UTF-8, each cut to
// kShownLineChars. A CR ends a line too, as it does on a terminal, so
// progress lines count one each.
std::string LastLines(std::string_view text, std::size_t count);

// "The game ended at once (code 1)", the log's last lines, and the log by name.
std::string EarlyEndMessage(const StringSet& strings, const GameOutcome& outcome,
                            std::string_view logTail, std::string_view logPath);

}  // namespace wv
