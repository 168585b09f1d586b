#include "core/settings_template.h"

#include "core/catalogue.h"
#include "core/settings_keys.h"
#include "core/settings_lock.h"
#include "core/whole_file.h"

namespace wv {

namespace {

namespace fs = std::filesystem;

// The extra-map sections deliberately differ in order from [CustomMaps]: the
// places in kExtraMaps of TownSquare, Foundry and Rockfall.
constexpr std::size_t kExtraMapSectionOrder[] = {2, 0, 1};

// A file there, even a dangling link, must not be replaced. A folder of that
// name is no settings file: it is neither moved aside nor taken for a
// written template.
bool SettingsFileThere(const fs::path& file) {
  return NameTaken(file) && KindAt(file) != EntryKind::Folder;
}

// What TempFileFor names the settings file's copies.
const std::string kTempPrefix = "." + std::string(kSettingsFileName) + ".tmp-";

}  // namespace

std::string SettingsTemplate(std::string_view version, const ExtraMapCaptions& captions) {
  std::string text;
  const auto line = [&text](std::string_view first, std::string_view second = {}) {
    text.append(first).append(second).append("\r\n");
  };
  const auto header = [&line](std::string_view section) { line("[" + std::string(section) + "]"); };
  std::string_view section;
  for (const KeyRow& row : key::kRows) {
    if (row.fresh == InFreshFile::Missing) continue;
    if (row.section != section) header(section = row.section);
    line(std::string(row.name) + "=",
         row.fresh == InFreshFile::Written ? row.written.Text() : version);
  }
  const auto mapKeys = [&line](MapFamily family) {
    for (const MapKeyRow& row : key::kMapRows) {
      if (row.In(family)) line(std::string(row.name) + "=", row.written.Text());
    }
  };
  header(section::kAddon.name);
  mapKeys(MapFamily::Addon);
  for (const AddonChapter& chapter : kAddonChapters) line(chapter.mapKey, "=");
  header(section::kCustomMaps);
  for (std::size_t i = 0; i < kExtraMaps.size(); ++i)
    line(captions[i] + "=", kExtraMaps[i].defaultId);
  for (std::size_t i : kExtraMapSectionOrder) {
    header(kExtraMaps[i].section.name);
    mapKeys(MapFamily::ExtraMap);
  }
  for (const CustomMapSection& custom : kCustomMapSections) {
    header(custom.name);
    mapKeys(MapFamily::CustomMap);
  }
  return text;
}

fs::path FreeBackupName(const fs::path& workDir) {
  fs::path name = workDir / kSettingsBackupName;
  for (int n = 1; NameTaken(name); ++n) {
    name = workDir / (std::string(kSettingsBackupName) + "." + std::to_string(n));
  }
  return name;
}

OutdatedFileRefresh RefreshOutdatedSettings(const fs::path& workDir, std::string_view version,
                                            std::chrono::milliseconds patience) {
  const SettingsLock lock(workDir, patience);
  if (lock.Busy()) return {RefreshOutcome::Busy, {}, {}};
  const fs::path file = workDir / kSettingsFileName;
  const FileRead read = ReadSettingsText(file);
  if (read.absent) return {RefreshOutcome::NoFile, {}, {}};
  if (!read.text) return {RefreshOutcome::Unreadable, read.failure, {}};
  if (FindProfileValue(*read.text, key::kVersion.section, key::kVersion.name)
          .value_or(std::string(key::kVersion.fallback)) == version) {
    return {RefreshOutcome::Current, {}, {}};
  }
  // Never over a backup, nor a link or anything else that took the name meanwhile.
  const fs::path backup = FreeBackupName(workDir);
  if (!MoveToFreeName(file, backup)) return {RefreshOutcome::RenameFailed, {}, {}};
  return {RefreshOutcome::BackedUp, {}, backup};
}

TemplateOutcome WriteSettingsTemplate(const fs::path& workDir, std::string_view version,
                                      const ExtraMapCaptions& captions,
                                      std::chrono::milliseconds patience) {
  const SettingsLock lock(workDir, patience);
  if (lock.Busy()) return TemplateOutcome::Busy;
  // Only under the lock: no other launcher is writing one of them then.
  if (lock.Held()) RemoveStartingWith(workDir, kTempPrefix);
  const fs::path target = workDir / kSettingsFileName;
  if (SettingsFileThere(target)) {
    return KindAt(target) == EntryKind::Missing ? TemplateOutcome::InTheWay
                                                : TemplateOutcome::Exists;
  }
  return ReplaceWholeFile(target, SettingsTemplate(version, captions)) ? TemplateOutcome::Written
                                                                       : TemplateOutcome::Failed;
}

}  // namespace wv
