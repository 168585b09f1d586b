// Input: section, LF, key, LF, then the settings text. The fast reader must
// agree with the plain one, and reading the text as a file (alone or within
// an action) must give the same value.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/settings_file.h"
#include "core/whole_file.h"
#include "fuzz/check.h"
#include "fuzz/reference_profile.h"
#include "fuzz/temp_folder.h"

namespace {

std::string_view TakeLine(std::string_view& rest) {
  const auto end = rest.find('\n');
  const std::string_view line = rest.substr(0, end);
  rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
  return line;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  const std::string_view section = TakeLine(rest);
  const std::string_view key = TakeLine(rest);
  const std::string_view content = rest;

  const auto value = wv::FindProfileValue(content, section, key);
  WV_FUZZ_CHECK(value == wv::fuzz::ReferenceProfileValue(content, section, key));
  if (value) {
    WV_FUZZ_CHECK(value->size() <= wv::kMaxValueLength);
    WV_FUZZ_CHECK(value->find_first_of("\r\n") == std::string::npos);
  }

  const auto file = wv::fuzz::ScratchFolder() / "fuzz.ini";
  wv::WriteWholeFile(file, content);
  const wv::SettingsReader reader(file);
  const std::string expected = value.value_or("\x01");
  WV_FUZZ_CHECK(reader.ReadText(section, key, "\x01") == expected);
  {
    const wv::SettingsReader::ActionScope action(reader);
    WV_FUZZ_CHECK(reader.ReadText(section, key, "\x01") == expected);
    wv::WriteWholeFile(file, "");  // an edit during the action shows after it
    WV_FUZZ_CHECK(reader.ReadText(section, key, "\x01") == expected);
  }
  WV_FUZZ_CHECK(reader.ReadText(section, key, "\x01") == "\x01");
  return 0;
}
