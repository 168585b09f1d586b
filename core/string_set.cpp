#include "core/string_set.h"

namespace wv {

namespace {

// Keeps at most `limit` UTF-8 characters, never splitting one.
std::string CutToChars(std::string text, std::size_t limit) {
  std::size_t chars = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if ((byte & 0xC0) == 0x80) continue;
    if (chars == limit) {
      text.resize(i);
      break;
    }
    ++chars;
  }
  return text;
}

}  // namespace

void StringSet::Fill(const StringTable& table) {
  for (std::size_t i = 0; i < kStrCount; ++i) entries_[i] = std::string(table[i]);
}

void StringSet::Override(Str id, std::string_view text) {
  entries_[static_cast<std::size_t>(id)] = CutToChars(std::string(text), kMaxEntryChars);
}

std::string StringSet::JoinPieces(std::initializer_list<Str> pieces) const {
  std::string joined;
  for (Str piece : pieces) joined += (*this)[piece];
  return CutToChars(std::move(joined), pieces.size() * kMaxEntryChars);
}

}  // namespace wv
