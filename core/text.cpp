#include "core/text.h"

#include <array>
#include <cstddef>
#include <utility>

namespace wv {

namespace {

// Windows-1251 from 0x80 to 0xBF; 0xC0 to 0xFF run straight through
// U+0410 … U+044F. 0x98 is unassigned.
constexpr std::array<char16_t, 64> kCp1251High = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  //
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0xFFFD, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  //
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  //
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  //
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  //
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  //
};

char UpperAscii(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
}  // namespace

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (UpperAscii(a[i]) != UpperAscii(b[i])) return false;
  }
  return true;
}

std::string WithPlainLineBreaks(std::string text) {
  if (!IsValidUtf8(text)) return text;
  std::string plain;
  plain.reserve(text.size());
  // Valid UTF-8 starts a character only at a byte below 0x80 or from 0xC2,
  // never at one that continues a character, so byte patterns find whole ones.
  const auto at = [&text](std::size_t i, std::string_view bytes) {
    return text.compare(i, bytes.size(), bytes) == 0;
  };
  for (std::size_t i = 0; i < text.size();) {
    const auto third = i + 2 < text.size() ? static_cast<unsigned char>(text[i + 2]) : 0;
    if (at(i, "\xC2\x85")) {
      plain += '\n';
      i += 2;
    } else if (at(i, "\xE2\x80\xA8") || at(i, "\xE2\x80\xA9")) {
      plain += '\n';
      i += 3;
    } else if ((at(i, "\xE2\x80") &&
                (third == 0x8E || third == 0x8F || (third >= 0xAA && third <= 0xAE))) ||
               (at(i, "\xE2\x81") && third >= 0xA6 && third <= 0xA9) || at(i, "\xEF\xBB\xBF")) {
      i += 3;
    } else {
      plain += text[i++];
    }
  }
  return plain;
}

std::string WithoutControls(std::string text) {
  text = WithPlainLineBreaks(std::move(text));
  std::erase_if(text, IsControl);
  return text;
}

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

void AppendUtf8(std::string& text, char32_t c) {
  if (c < 0x80) {
    text.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    text.push_back(static_cast<char>(0xC0 | c >> 6));
    text.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    text.push_back(static_cast<char>(0xE0 | c >> 12));
    text.push_back(static_cast<char>(0x80 | (c >> 6 & 0x3F)));
    text.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    text.push_back(static_cast<char>(0xF0 | c >> 18));
    text.push_back(static_cast<char>(0x80 | (c >> 12 & 0x3F)));
    text.push_back(static_cast<char>(0x80 | (c >> 6 & 0x3F)));
    text.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

// Overlong forms, surrogates and code points past U+10FFFF are not valid.
bool IsValidUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
      ++i;
      continue;
    }
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    if (lead < 0xC2 || lead > 0xF4 || i + length > text.size()) return false;
    char32_t c = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      c = c << 6 | (next & 0x3F);
    }
    if ((length == 3 && (c < 0x800 || (c >= 0xD800 && c < 0xE000))) ||
        (length == 4 && (c < 0x10000 || c > 0x10FFFF))) {
      return false;
    }
    i += length;
  }
  return true;
}

std::string Utf8FromCp1251(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size() * 2);
  for (const char byte : bytes) {
    const auto b = static_cast<unsigned char>(byte);
    if (b < 0x80) {
      text.push_back(byte);
      continue;
    }
    AppendUtf8(text, b < 0xC0 ? kCp1251High[b - 0x80] : static_cast<char16_t>(0x0410 + b - 0xC0));
  }
  return text;
}

std::string DisplayUtf8(std::string_view bytes) {
  return IsValidUtf8(bytes) ? std::string(bytes) : Utf8FromCp1251(bytes);
}

std::string CutToChars(std::string_view text, std::size_t chars) {
  constexpr std::string_view kEllipsis = "\u2026";
  if (chars == 0) return {};
  const auto startsCharacter = [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  };
  std::size_t seen = 0;
  std::size_t keep = 0;  // where the last character that fits beside "…" ends
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!startsCharacter(text[i])) continue;
    if (seen == chars - 1) keep = i;
    if (++seen > chars) return std::string(text.substr(0, keep)) + std::string(kEllipsis);
  }
  return std::string(text);
}

std::string QuotedLine(std::string_view bytes) {
  std::string line = DisplayUtf8(bytes);
  for (char& c : line) {
    if (IsControl(c)) c = ' ';
  }
  line.erase(line.find_last_not_of(' ') + 1);
  return CutToChars(line, kShownLineChars);
}

std::string BoundedText(std::string_view text, std::size_t lineChars, std::size_t lines) {
  std::string bounded;
  std::size_t count = 0;
  for (std::size_t at = 0; at <= text.size();) {
    if (count == lines) {
      bounded += "\n\u2026";
      break;
    }
    std::size_t end = text.find_first_of("\r\n", at);
    if (end == std::string_view::npos) end = text.size();
    if (count++ > 0) bounded += '\n';
    bounded += CutToChars(text.substr(at, end - at), lineChars);
    if (end == text.size()) break;
    at = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  return bounded;
}

}  // namespace wv
