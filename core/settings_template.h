#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "core/settings_file.h"

namespace wv {

// The current captions of the three extra-map entries: they are the keys of
// the [CustomMaps] lines.
struct ExtraMapCaptions {
  std::string foundry;
  std::string rockfall;
  std::string townSquare;
};

// The 98 template lines, each ended by CR LF.
std::string SettingsTemplate(std::string_view version, const ExtraMapCaptions& captions);

enum class RefreshOutcome {
  Current,       // Version equals the launcher's: nothing done
  NoFile,        // outdated, but no file in the working folder
  BackedUp,      // outdated file renamed to the backup name
  RenameFailed,  // outdated file could not be moved away; it stays in use
};

// Reads Version through `reader`; when it differs from `version`, moves the
// settings file of `workDir` to the backup name (replacing an older backup),
// so that the user's edits survive the refresh.
RefreshOutcome RefreshOutdatedSettings(const SettingsReader& reader,
                                       const std::filesystem::path& workDir,
                                       std::string_view version);

enum class TemplateOutcome {
  Exists,   // a settings file is there: nothing written
  Written,  // the template was written whole
  Failed,   // nothing written; no partial or temporary file left behind
};

// Writes the template into `workDir` when no settings file is there. The text
// goes to a temporary file first and is renamed into place, so a failure
// never leaves a half-written settings file.
TemplateOutcome WriteSettingsTemplate(const std::filesystem::path& workDir,
                                      std::string_view version, const ExtraMapCaptions& captions);

}  // namespace wv
