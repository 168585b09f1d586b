#pragma once

#include <stdlib.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "tests/support/temp_folder.h"

namespace wv::test {

// A stand-in game records how it was started into the file that
// WV_TEST_RECORD names: words, each ended by a NUL. The record is renamed into
// place whole, so a reader never sees half of it.
inline constexpr char kRecordVariable[] = "WV_TEST_RECORD";

// The shell stand-in's words: the program name it was started by, its working
// folder, then each argument.
inline constexpr std::string_view kStandInGame =
    "#!/bin/sh\n"
    "printf '%s\\0' \"$0\" \"$(pwd -P)\" \"$@\" > \"$WV_TEST_RECORD.part\"\n"
    "mv \"$WV_TEST_RECORD.part\" \"$WV_TEST_RECORD\"\n";

// A stand-in that cannot run: it says why on its errors and exits 1.
inline constexpr std::string_view kFailingStandIn =
    "#!/bin/sh\n"
    "echo 'stand-in: cannot open display' >&2\n"
    "exit 1\n";

inline std::filesystem::path WriteStandIn(const std::filesystem::path& file,
                                          std::string_view script = kStandInGame) {
  std::ofstream(file, std::ios::binary) << script;
  std::filesystem::permissions(file, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add);
  return file;
}

// The words a launcher started with the template's defaults hands the game
// after its program name.
inline const std::vector<std::string> kDefaultArguments = {
    "-game",         "wreckvale",    "-console",    "-novid",
    "+z_difficulty", "normal",       "+maxplayers", "14",
    "+port",         "27015",        "+map",        "wrv_hospital01_apartment",
    "+team_desired", "Survivor Arno"};

#ifndef _WIN32
// Points the stand-ins this process starts at `folder`/received; returns it.
inline std::filesystem::path RecordInto(const std::filesystem::path& folder) {
  std::filesystem::path record = folder / "received";
  ::setenv(kRecordVariable, record.c_str(), 1);
  return record;
}
#endif

// Lays `entry`, a path relative to `folder`; its last character says what to
// put there: '/' a folder, '!' a file that cannot run, '@' a link to nothing,
// '?' an executable file of a format the system does not run (a Windows
// program here), anything else the stand-in game.
inline void Lay(const std::filesystem::path& folder, const std::string& entry) {
  namespace fs = std::filesystem;
  const char kind = entry.back();
  const bool marked = kind == '/' || kind == '!' || kind == '@' || kind == '?';
  const fs::path target = folder / (marked ? entry.substr(0, entry.size() - 1) : entry);
  fs::create_directories(target.parent_path());
  if (kind == '/') {
    fs::create_directory(target);
  } else if (kind == '@') {
    fs::create_symlink(folder / "gone", target);
  } else if (kind == '?') {
    std::ofstream(target, std::ios::binary) << "MZ\x90";
    fs::permissions(target, fs::perms::owner_all, fs::perm_options::add);
  } else {
    WriteStandIn(target);
    if (kind == '!') {
      fs::permissions(target,
                      fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec,
                      fs::perm_options::remove);
    }
  }
}

// Waits until `file` exists and opens for reading. On Windows the writer's
// rename still holds the file for a moment after it appears, and an open in
// that moment fails as a sharing violation, which would read as empty.
inline bool WaitForFile(const std::filesystem::path& file,
                        std::chrono::milliseconds limit = std::chrono::seconds(10)) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!std::filesystem::exists(file) || !std::ifstream(file, std::ios::binary).is_open()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

// The NUL-ended words of a record.
inline std::vector<std::string> ReadRecord(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::vector<std::string> words;
  // A word that reaches the end of the file without its NUL is not one.
  for (std::string word; std::getline(in, word, '\0') && !in.eof();) words.push_back(word);
  return words;
}

}  // namespace wv::test
