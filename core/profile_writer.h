#pragma once

#include <chrono>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>

#include "core/settings_lock.h"

namespace wv {

// `text` with `key` of `section` set to `value`, as the Windows profile
// writer sets it: the value of the first such key of the first such section
// (names in any ASCII case) is replaced where it stands; a missing key is
// added after the last line of its section, a missing section at the end of
// the text. Every other byte stays: line ends, comments, the key name as the
// file spells it, other lines' blanks. `value` is one line.
std::string WithProfileValue(std::string_view text, std::string_view section, std::string_view key,
                             std::string_view value);

struct ProfileValue {
  std::string_view section, key, value;
};

enum class ProfileWriteOutcome {
  Written,
  Failed,  // nothing changed: unreadable, saved as UTF-16, or not written
  Busy,    // another launcher kept the settings lock: nothing changed
};

// Under the settings lock of its folder, sets the values in `file` (a new
// file when there is none). The new text goes to a temporary file renamed
// into place, so readers never see half a file.
ProfileWriteOutcome WriteProfileValues(const std::filesystem::path& file,
                                       std::initializer_list<ProfileValue> values,
                                       std::chrono::milliseconds patience = kLockPatience);

}  // namespace wv
