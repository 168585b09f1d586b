#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/whole_file.h"

namespace wv {

inline constexpr std::string_view kSettingsFileName = "wreckvale_launcher.ini";
inline constexpr std::string_view kSettingsBackupName = "wreckvale_launcher.ini.bak";
inline constexpr std::size_t kMaxValueLength = 2047;

// Looks one value up in the text of a settings file. nullopt when the section
// or the key is missing; the value is already cut to kMaxValueLength.
std::optional<std::string> FindProfileValue(std::string_view content, std::string_view section,
                                            std::string_view key);

// Reads a settings file whole as the reads see it: a file saved as UTF-16
// with its byte-order mark comes back in the narrow text the system's own
// profile reader would give (the ANSI code page on Windows, UTF-8 elsewhere).
FileRead ReadSettingsText(const std::filesystem::path& file);

// The hash of a section name, equal for names that differ only in ASCII case.
std::size_t SectionNameHash(std::string_view name);

// The yes/no rule of every switch: yes exactly when the ASCII upper case is "YES".
bool IsYes(std::string_view text);

// Reads values from one settings file, afresh at every read, or once for all
// the reads of one user action: the file may be edited while the launcher runs.
class SettingsReader {
 public:
  SettingsReader() = default;  // names no file: every read yields its default
  explicit SettingsReader(std::filesystem::path file) : file_(std::move(file)) {}

  // nullopt when the file, the section or the key is missing.
  std::optional<std::string> Find(std::string_view section, std::string_view key) const;
  std::string ReadText(std::string_view section, std::string_view key,
                       std::string_view fallback) const;
  bool ReadYesNo(std::string_view section, std::string_view key, std::string_view fallback) const;

  const std::filesystem::path& File() const { return file_; }
  // Why the file is there but cannot be read (every read then yields its
  // default); none when it reads, or when there is none.
  ReadFailure ReadProblem() const;

  // While one is open, the reads of one user action share one reading of the
  // file, taken at the first read: a choice that makes forty reads reads a
  // large file once and sees it in one state. Scopes nest; the outermost ends
  // the sharing.
  class ActionScope {
   public:
    explicit ActionScope(const SettingsReader& reader);
    ~ActionScope();
    ActionScope(const ActionScope&) = delete;
    ActionScope& operator=(const ActionScope&) = delete;

   private:
    const SettingsReader& reader_;
    bool outermost_;
  };

 private:
  struct Reading;  // the file's text as the action's first read found it
  const Reading& ActionReading() const;

  // A copied or moved reader starts outside any action, so no reader can keep
  // an old reading.
  struct Action {
    bool open = false;
    std::shared_ptr<const Reading> reading;
    Action() = default;
    Action(const Action&) {}
    Action& operator=(const Action&) {
      open = false;
      reading.reset();
      return *this;
    }
  };

  std::filesystem::path file_;
  mutable Action action_;
};

}  // namespace wv
