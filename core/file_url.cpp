#include "core/file_url.h"

#include "core/text.h"

namespace wv {

namespace {

bool KeptAsIs(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '.' || c == '_' || c == '~' || c == '/' || c == ':';
}

}  // namespace

std::string FileUrl(std::string_view path, PathStyle style) {
  constexpr char kHex[] = "0123456789ABCDEF";
  const bool windows = style == PathStyle::Windows;
  std::string url = "file://";
  // A drive letter's path takes a slash of its own: file:///C:/Games.
  if (!path.starts_with('/') && !(windows && path.starts_with('\\'))) url += '/';
  for (char c : path) {
    if (windows && c == '\\') {
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

bool IsWebAddress(std::string_view address) {
  for (char c : address) {
    if (IsControl(c) || c == ' ') return false;
  }
  for (std::string_view scheme : {std::string_view("http://"), std::string_view("https://")}) {
    if (address.size() > scheme.size() &&
        EqualsIgnoringAsciiCase(address.substr(0, scheme.size()), scheme)) {
      return true;
    }
  }
  return false;
}

}  // namespace wv
