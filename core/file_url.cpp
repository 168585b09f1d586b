#include "core/file_url.h"

namespace wv {

namespace {

bool KeptAsIs(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '.' || c == '_' || c == '~' || c == '/' || c == ':';
}

}  // namespace

std::string FileUrl(std::string_view path) {
  constexpr char kHex[] = "0123456789ABCDEF";
  std::string url = "file://";
  // A drive letter's path takes a slash of its own: file:///C:/Games.
  if (!path.starts_with('/') && !path.starts_with('\\')) url += '/';
  for (char c : path) {
    if (c == '\\') {
      url += '/';
    } else if (KeptAsIs(c)) {
      url += c;
    } else {
      const auto byte = static_cast<unsigned char>(c);
      url += '%';
      url += kHex[byte >> 4];
      url += kHex[byte & 0xF];
    }
  }
  return url;
}

}  // namespace wv
