#pragma once

#include <stdlib.h>

#include <filesystem>
#include <string>

namespace wv::fuzz {

// One folder per fuzzing process, reused by every input and removed at exit.
inline const std::filesystem::path& ScratchFolder() {
  static const struct Folder {
    std::filesystem::path path;
    Folder() {
      // Rewriting a file on a disk costs far more than the code under test.
      std::error_code ec;
      const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", ec)
                                             ? std::filesystem::path("/dev/shm")
                                             : std::filesystem::temp_directory_path();
      std::string pattern = (base / "wv-fuzz-XXXXXX").string();
      path = ::mkdtemp(pattern.data());
    }
    ~Folder() {
      std::error_code ec;
      std::filesystem::remove_all(path, ec);
    }
  } folder;
  return folder.path;
}

}  // namespace wv::fuzz
