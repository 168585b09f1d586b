#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace wv {

// Whole-file reads and writes through the C library: the settings file is all
// the launcher ever reads or writes, and C++ streams would cost every start
// their locale set-up.

// nullopt when the file cannot be opened or read (a folder opens but cannot
// be read).
std::optional<std::string> ReadWholeFile(const std::filesystem::path& file);

// Creates or truncates `file` and writes `text`; false when any step fails,
// the final flush and close included.
bool WriteWholeFile(const std::filesystem::path& file, std::string_view text);

}  // namespace wv
