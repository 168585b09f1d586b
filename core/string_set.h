#pragma once

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>

#include "i18n/string_tables.h"

namespace wv {

// The active string set: empty until a language fills it.
class StringSet {
 public:
  const std::string& operator[](Str id) const { return entries_[static_cast<std::size_t>(id)]; }
  void Fill(const StringTable& table);
  // One entry's text from a translation, UTF-8, cut to the entry's 32 characters.
  void Override(Str id, std::string_view text);

  // Pieces joined in order with nothing between them, at most 32 characters
  // for each.
  template <typename... More>
  std::string Join(Str first, More... more) const {
    return JoinPieces({first, more...});
  }

 private:
  std::string JoinPieces(std::initializer_list<Str> pieces) const;

  std::array<std::string, kStrCount> entries_{};
};

}  // namespace wv
