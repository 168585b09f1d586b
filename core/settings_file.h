#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace wv {

inline constexpr std::string_view kSettingsFileName = "wreckvale_launcher.ini";
inline constexpr std::string_view kSettingsBackupName = "wreckvale_launcher.ini.bak";
inline constexpr std::size_t kMaxValueLength = 2047;

// Looks one value up in the text of a settings file. nullopt when the section
// or the key is missing; the value is already cut to kMaxValueLength.
std::optional<std::string> FindProfileValue(std::string_view content, std::string_view section,
                                            std::string_view key);

// The yes/no rule of every switch: yes exactly when the ASCII upper case is "YES".
bool IsYes(std::string_view text);

// Reads values from one settings file, afresh at every read: the file may be
// edited while the launcher runs.
class SettingsReader {
 public:
  SettingsReader() = default;  // names no file: every read yields its default
  explicit SettingsReader(std::filesystem::path file) : file_(std::move(file)) {}

  std::string ReadText(std::string_view section, std::string_view key,
                       std::string_view fallback) const;
  bool ReadYesNo(std::string_view section, std::string_view key, std::string_view fallback) const;

  const std::filesystem::path& File() const { return file_; }

 private:
  std::filesystem::path file_;
};

}  // namespace wv
