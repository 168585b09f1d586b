#include "win/text.h"

#include <windows.h>

namespace wv {

namespace {

std::wstring Decode(UINT codePage, std::string_view bytes) {
  if (bytes.empty()) return {};
  const int size = static_cast<int>(bytes.size());
  const int length = MultiByteToWideChar(codePage, 0, bytes.data(), size, nullptr, 0);
  std::wstring text(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(codePage, 0, bytes.data(), size, text.data(), length);
  return text;
}

std::string Encode(UINT codePage, std::wstring_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length =
      WideCharToMultiByte(codePage, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(codePage, 0, text.data(), size, bytes.data(), length, nullptr, nullptr);
  return bytes;
}

}  // namespace

std::wstring Wide(std::string_view utf8) {
  return Decode(CP_UTF8, utf8);
}

std::string Utf8(std::wstring_view text) {
  return Encode(CP_UTF8, text);
}

std::string TypedBytes(std::wstring_view text) {
  return Encode(CP_ACP, text);
}

std::wstring TypedText(std::string_view bytes) {
  return Decode(CP_ACP, bytes);
}

std::wstring WithoutMnemonics(std::wstring text) {
  for (std::size_t at = text.find(L'&'); at != std::wstring::npos; at = text.find(L'&', at + 2)) {
    text.insert(at, 1, L'&');
  }
  return text;
}

}  // namespace wv
