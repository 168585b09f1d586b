#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>

#include "core/launcher_model.h"
#include "core/startup.h"
#include "tests/support/temp_folder.h"

namespace wv::test {

inline constexpr std::string_view kVersion = "1.9.0.3";

// A launcher started in a fresh game folder holding qr7.exe; the settings
// file is the template until a test writes its own.
class ModelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir.Write("qr7.exe", "");
    startup = RunStartup(model, dir.Path(), dir.Path(), kVersion);
  }

  // Replaces the settings file; its [Application] section keeps the current
  // version so that nothing treats it as outdated.
  void WriteSettings(std::string_view sections, std::string_view applicationLines = "") const {
    dir.Write("wreckvale_launcher.ini", "[Application]\r\nVersion=1.9.0.3\r\n" +
                                            std::string(applicationLines) + std::string(sections));
  }

  void Choose(std::initializer_list<std::string_view> ids) {
    for (std::string_view id : ids) model.ChooseEntry(id);
  }

  const std::string& Caption(std::string_view id) const { return model.Entry(id).caption; }
  bool Visible(std::string_view id) const { return model.Entry(id).visible; }
  bool Checked(std::string_view id) const { return model.Entry(id).checked; }
  const std::string& Shown(std::string_view control) const { return model.Text(control); }

  TempFolder dir;
  LauncherModel model;
  StartupResult startup;
};

}  // namespace wv::test
