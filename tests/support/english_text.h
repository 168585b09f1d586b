#pragma once

#include <string>

#include "core/startup.h"
#include "core/string_set.h"
#include "core/whole_file.h"
#include "i18n/string_tables.h"

namespace wv::test {

// The player's words for a read failure, in English.
inline std::string EnglishText(const ReadFailure& failure) {
  StringSet english;
  english.Fill(kEnglishStrings);
  return ReadFailureText(failure, english);
}

}  // namespace wv::test
