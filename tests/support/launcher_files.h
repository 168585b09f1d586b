#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "tests/support/temp_folder.h"

namespace wv::test {

// The version the tests start the launcher with.
inline constexpr std::string_view kVersion = "1.9.0.3";
inline constexpr std::string_view kIni = "wreckvale_launcher.ini";
inline constexpr std::string_view kIniBackup = "wreckvale_launcher.ini.bak";

// A settings file of kVersion, so that nothing treats it as outdated.
inline std::string CurrentSettings(std::string_view applicationLines = "",
                                   std::string_view sections = "") {
  return "[Application]\r\nVersion=" + std::string(kVersion) + "\r\n" +
         std::string(applicationLines) + std::string(sections);
}

// Writes a settings file of kVersion into `folder`: `body` after the version.
inline void WriteCurrentSettings(const std::filesystem::path& folder, std::string_view body) {
  std::ofstream(folder / kIni, std::ios::binary) << CurrentSettings(body);
}

// Text as an editor saves it in UTF-16: the byte-order mark, then each unit.
inline std::string Utf16(std::u16string_view text, bool bigEndian = false) {
  std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
  for (const char16_t unit : text) {
    const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
    bytes += bigEndian ? std::string{high, low} : std::string{low, high};
  }
  return bytes;
}
inline std::string Utf16Le(std::string_view ascii) {
  return Utf16(std::u16string(ascii.begin(), ascii.end()));
}

// A fresh folder the launcher accepts as a game folder: it holds the engine.
class EngineFolder : public TempFolder {
 public:
  EngineFolder() { Write("qr7.exe", ""); }
};

}  // namespace wv::test
