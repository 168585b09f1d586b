#include "bench/settings_files.h"

#include "core/settings_template.h"

namespace wv::bench {

namespace {

// Turns "Visible=No" / "Versus=No" on and names every custom map.
std::string SwitchEverythingOn(std::string text) {
  for (std::string_view from : {"Visible=No", "Versus=No"}) {
    const std::string to = std::string(from.substr(0, from.size() - 2)) + "Yes";
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at)) {
      text.replace(at, from.size(), to);
    }
  }
  int n = 0;
  for (auto at = text.find("Map name=\r\nFile name=\r\n"); at != std::string::npos;
       at = text.find("Map name=\r\nFile name=\r\n", at)) {
    ++n;
    const std::string named = "Map name=Custom map " + std::to_string(n) + "\r\nFile name=cm_" +
                              std::to_string(n) + "\r\n";
    text.replace(at, 23, named);
    at += named.size();
  }
  return text;
}

}  // namespace

std::string FullSettings() {
  return SwitchEverythingOn(SettingsTemplate(kVersion, {"Foundry", "Rockfall", "Town square"}));
}

std::string PaddedSettings(std::size_t size) {
  const std::string real = FullSettings();
  std::string text;
  text.reserve(size + 256);
  for (int section = 0; text.size() + real.size() < size; ++section) {
    text += "[Filler" + std::to_string(section) + "]\r\n";
    for (int key = 0; key < 16 && text.size() + real.size() < size; ++key) {
      text += "Key" + std::to_string(key) + "=some filler value that nobody reads\r\n";
    }
  }
  return text + real;
}

std::string ManySectionsSettings(std::size_t size) {
  const std::string real = FullSettings();
  std::string text;
  text.reserve(size + 64);
  for (int section = 0; text.size() + real.size() < size; ++section) {
    text += "[F" + std::to_string(section) + "]\r\nK=1\r\n";
  }
  return text + real;
}

}  // namespace wv::bench
