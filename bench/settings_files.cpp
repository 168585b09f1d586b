#include "bench/settings_files.h"

#include "core/settings_template.h"

namespace wv::bench {

namespace {

// Calls `next` for each occurrence of `from` and puts its answer in place.
template <class Next>
void ReplaceEach(std::string& text, std::string_view from, Next next) {
  for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at)) {
    const std::string to = next();
    text.replace(at, from.size(), to);
    at += to.size();
  }
}

// Turns "Visible=No" / "Versus=No" on and names every custom map.
std::string SwitchEverythingOn(std::string text) {
  ReplaceEach(text, "Visible=No", [] { return "Visible=Yes"; });
  ReplaceEach(text, "Versus=No", [] { return "Versus=Yes"; });
  int n = 0;
  ReplaceEach(text, "Map name=\r\nFile name=\r\n", [&n] {
    const std::string number = std::to_string(++n);
    return "Map name=Custom map " + number + "\r\nFile name=cm_" + number + "\r\n";
  });
  return text;
}

// Filler sections from `appendSection` until the file, with FullSettings()
// behind it, reaches `size` bytes. `appendSection` gets the text and a check
// whether there is room for more.
template <class AppendSection>
std::string BehindFiller(std::size_t size, AppendSection appendSection) {
  const std::string real = FullSettings();
  std::string text;
  text.reserve(size + 256);
  const auto room = [&] { return text.size() + real.size() < size; };
  for (int section = 0; room(); ++section) appendSection(text, section, room);
  return text + real;
}

}  // namespace

std::string FullSettings() {
  return SwitchEverythingOn(SettingsTemplate(kVersion, {"Foundry", "Rockfall", "Town square"}));
}

std::string PaddedSettings(std::size_t size) {
  return BehindFiller(size, [](std::string& text, int section, const auto& room) {
    text += "[Filler" + std::to_string(section) + "]\r\n";
    for (int key = 0; key < 16 && room(); ++key) {
      text += "Key" + std::to_string(key) + "=some filler value that nobody reads\r\n";
    }
  });
}

std::string ManySectionsSettings(std::size_t size) {
  return BehindFiller(size, [](std::string& text, int section, const auto&) {
    text += "[F" + std::to_string(section) + "]\r\nK=1\r\n";
  });
}

std::string CollidingSectionsSettings(std::size_t count) {
  std::string text;
  text.reserve(count * 24);
  for (std::size_t n = 0; n < count; ++n) {
    text += '[';
    for (std::size_t bit = 0; bit < 17; ++bit) text += (n >> bit & 1) ? '@' : '`';
    text += "]\r\nK=1\r\n";
  }
  return text + FullSettings();
}

}  // namespace wv::bench
