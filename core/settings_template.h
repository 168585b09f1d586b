#pragma once

#include <array>
#include <chrono>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/catalogue.h"
#include "core/settings_file.h"
#include "core/settings_lock.h"

namespace wv {

// The current captions of the extra-map entries, in catalogue order: they are
// the keys of the [CustomMaps] lines.
using ExtraMapCaptions = std::array<std::string, kExtraMapCount>;

// The 98 template lines, each ended by CR LF.
std::string SettingsTemplate(std::string_view version, const ExtraMapCaptions& captions);

enum class RefreshOutcome {
  Current,       // Version equals the launcher's: nothing done
  NoFile,        // no settings file in the working folder
  BackedUp,      // outdated file renamed to the first free backup name
  RenameFailed,  // outdated file could not be moved away; it stays in use
  Unreadable,    // a file is there but cannot be read: it is never moved
  Busy,          // another launcher kept the settings lock: nothing done
};

struct OutdatedFileRefresh {
  RefreshOutcome outcome;
  ReadFailure failure;           // Unreadable: why
  std::filesystem::path backup;  // BackedUp: where the file went
};

// Under the settings lock, reads Version from the settings file of `workDir`
// itself; when it differs from `version`, moves that file to the first free
// backup name (kSettingsBackupName, then ….1, ….2, …), so that the user's
// edits survive this refresh and every later one. Waits up to `patience`
// for another launcher's lock.
OutdatedFileRefresh RefreshOutdatedSettings(const std::filesystem::path& workDir,
                                            std::string_view version,
                                            std::chrono::milliseconds patience = kLockPatience);

// The backup name the next refresh of `workDir` would use.
std::filesystem::path FreeBackupName(const std::filesystem::path& workDir);

enum class TemplateOutcome {
  Exists,    // a settings file is there: nothing written
  Written,   // the template was written whole
  Failed,    // nothing written; no partial or temporary file left behind
  Busy,      // another launcher kept the settings lock: nothing written
  InTheWay,  // a link to nowhere holds the name: it reads as no file, yet is left as it is
};

// Under the settings lock, removes temporary files a killed launcher left and
// writes the template into `workDir` when no settings file is there. The text
// goes to a temporary file first and is renamed into place, so a failure
// never leaves a half-written settings file, nor does a file-size limit
// (the write fails instead of ending the launcher).
TemplateOutcome WriteSettingsTemplate(const std::filesystem::path& workDir,
                                      std::string_view version, const ExtraMapCaptions& captions,
                                      std::chrono::milliseconds patience = kLockPatience);

}  // namespace wv
