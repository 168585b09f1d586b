#pragma once

#include <filesystem>
#include <string>

namespace wv {

// Starts the command text as one new process, the way the launcher hands the
// game its command line: the text goes to the system unchanged (decoded from the ANSI
// code page for the wide call), its first word
// names the program, the window is shown normally, and nobody waits for it.
// On failure returns false and, when `error` is given, stores the system's
// reason there; GetLastError() still gives the code.
bool StartCommandText(const std::string& text, std::string* error);

// As StartCommandText, with the game's standard output and errors going to
// `outputFile` (when not empty; opened in place and emptied, only as a regular
// file and never through a link; a file that cannot be is done without),
// and the new process's handle in `*process` for the caller to close.
bool StartCommandTextWatched(const std::string& text, const std::filesystem::path& outputFile,
                             void** process, std::string* error);

// Whether the system refuses to start `program` (a command's first word, in
// the ANSI code page) for the length of its path or of the current folder,
// longer than MAX_PATH either.
bool PathTooLongToStart(const std::string& program);

}  // namespace wv
