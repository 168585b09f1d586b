#include "core/settings_template.h"

#include <cstdint>
#include <random>
#include <system_error>

#include "core/catalogue.h"
#include "core/whole_file.h"

namespace wv {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kApplicationLines[] = {
    "[Application]",    "Console=Yes",    "Skip Intro=Yes",    "CustomGame=Yes",
    "ExitAfterRun=No",  "RunParametres=", "USEParametres=Yes", "RunPrefix=",
    "RunPrefixParam=1", "USEPrefix=No",   "MonitoringURL=",
};

constexpr std::string_view kEditionLines[] = {
    "[Tavrin]",
    "CommandFile=wreckvale.exe",
    "[Campaign_GreyTideRising]",
    "Visible=No",
    "Versus=No",
    "Old Quay=",
    "Harbour Arcades=",
    "Cannery Market=",
    "The Lights=",
    "[CustomMaps]",
};

// The extra-map sections deliberately differ in order from [CustomMaps].
constexpr std::string_view kExtraMapSections[] = {"TownSquare", "Foundry", "Rockfall"};

// A file there, even a dangling link, must not be replaced. A folder of that
// name is no settings file: it is neither moved aside nor taken for a
// written template.
bool SettingsFileThere(const fs::path& file) {
  std::error_code ec;
  return fs::exists(fs::symlink_status(file, ec)) && !fs::is_directory(file, ec);
}

fs::path TempFileName() {
  std::random_device random;
  const std::uint64_t number = (std::uint64_t{random()} << 32) ^ random();
  return "." + std::string(kSettingsFileName) + ".tmp-" + std::to_string(number);
}

}  // namespace

std::string SettingsTemplate(std::string_view version, const ExtraMapCaptions& captions) {
  std::string text;
  const auto line = [&text](std::string_view first, std::string_view second = {}) {
    text.append(first).append(second).append("\r\n");
  };
  for (const auto entry : kApplicationLines) line(entry);
  line("Version=", version);
  for (const auto entry : kEditionLines) line(entry);
  line(captions.foundry, "=wrv_foundry");
  line(captions.rockfall, "=wrv_rockfall02");
  line(captions.townSquare, "=wrv_town_square");
  for (const auto map : kExtraMapSections) {
    line("[MAP_" + std::string(map) + "]");
    line("Visible=No");
    line("Versus=No");
  }
  for (int n = 1; n <= kCustomMapCount; ++n) {
    line("[" + CustomMapSection(n) + "]");
    line("Map name=");
    line("File name=");
    line("Versus=No");
  }
  return text;
}

RefreshOutcome RefreshOutdatedSettings(const SettingsReader& reader, const fs::path& workDir,
                                       std::string_view version) {
  if (reader.ReadText(section::kApplication, "Version", "0") == version) {
    return RefreshOutcome::Current;
  }
  const fs::path file = workDir / kSettingsFileName;
  if (!SettingsFileThere(file)) return RefreshOutcome::NoFile;
  std::error_code ec;
  fs::rename(file, workDir / kSettingsBackupName, ec);
  return ec ? RefreshOutcome::RenameFailed : RefreshOutcome::BackedUp;
}

TemplateOutcome WriteSettingsTemplate(const fs::path& workDir, std::string_view version,
                                      const ExtraMapCaptions& captions) {
  const fs::path target = workDir / kSettingsFileName;
  if (SettingsFileThere(target)) return TemplateOutcome::Exists;
  // Written aside and renamed into place, so readers never see half a file.
  const fs::path temp = workDir / TempFileName();
  std::error_code ec;
  if (WriteWholeFile(temp, SettingsTemplate(version, captions))) {
    fs::rename(temp, target, ec);
    if (!ec) return TemplateOutcome::Written;
  }
  fs::remove(temp, ec);
  return TemplateOutcome::Failed;
}

}  // namespace wv
