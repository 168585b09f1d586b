#pragma once

#include <chrono>
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <span>
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
  Failed,    // nothing changed: unreadable, or not written
  Busy,      // another launcher kept the settings lock: nothing changed
  KeptAsIs,  // read-only for the player, or a link: left to the player
  Utf16,     // saved as UTF-16, which a rewrite as bytes would damage
};

// Why `file` would not take values, as far as the file itself tells:
// nullopt where it would (a missing file is made).
std::optional<ProfileWriteOutcome> ProfileWriteRefusal(const std::filesystem::path& file);

// Under the settings lock of its folder, sets the values in `file` (a new
// file when there is none). The new text goes to a temporary file renamed
// into place, so readers never see half a file; it takes the old file's
// permissions. A file the player may not write is left as it is, and so is
// a link, whose renamed-over name would part from its target.
ProfileWriteOutcome WriteProfileValues(const std::filesystem::path& file,
                                       std::span<const ProfileValue> values,
                                       std::chrono::milliseconds patience = kLockPatience);
ProfileWriteOutcome WriteProfileValues(const std::filesystem::path& file,
                                       std::initializer_list<ProfileValue> values,
                                       std::chrono::milliseconds patience = kLockPatience);

}  // namespace wv
