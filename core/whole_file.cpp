#include "core/whole_file.h"

#include <cstdio>
#include <memory>
#include <system_error>

namespace wv {
namespace {

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

std::FILE* Open(const std::filesystem::path& file, bool write) {
#ifdef _WIN32
  // Paths are wide on Windows; the narrow form would lose characters outside
  // the code page.
  return _wfopen(file.c_str(), write ? L"wb" : L"rb");
#else
  return std::fopen(file.c_str(), write ? "wb" : "rb");
#endif
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::filesystem::path& file) {
  const FileHandle in(Open(file, false));
  if (!in) return std::nullopt;
  // The size is only a hint: the file may grow or shrink while it is read.
  std::error_code ec;
  const auto hint = std::filesystem::file_size(file, ec);
  std::string content(ec ? 0 : static_cast<std::size_t>(hint), '\0');
  std::size_t have = 0;
  while (true) {
    have += std::fread(content.data() + have, 1, content.size() - have, in.get());
    if (have < content.size()) break;
    content.resize(content.size() + 65536);
  }
  if (std::ferror(in.get())) return std::nullopt;
  content.resize(have);
  return content;
}

bool WriteWholeFile(const std::filesystem::path& file, std::string_view text) {
  FileHandle out(Open(file, true));
  if (!out) return false;
  const bool written = std::fwrite(text.data(), 1, text.size(), out.get()) == text.size() &&
                       std::fflush(out.get()) == 0;
  return std::fclose(out.release()) == 0 && written;
}

}  // namespace wv
