#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace wv::bench {

inline constexpr std::string_view kVersion = WV_VERSION_TEXT;

// The template with every optional map switched on: each read the rules make
// finds a real value.
std::string FullSettings();

// FullSettings() with filler sections ahead of it, `size` bytes in all. The
// filler comes first so that every lookup has to walk past it.
std::string PaddedSettings(std::size_t size);

// The same, but the filler is one tiny section per line pair: the most
// headers a file of that size can hold.
std::string ManySectionsSettings(std::size_t size);

// `count` sections whose names differ only in the case bit of '@' and '`',
// then FullSettings(): a hash that folds that bit puts them all in one bucket.
std::string CollidingSectionsSettings(std::size_t count);

}  // namespace wv::bench
