#pragma once

#include <windows.h>

#include <array>

#include "core/launcher_model.h"
#include "core/view_state.h"
#include "core/window_layout.h"

namespace wv::layout {

// Still logical pixels: the scale comes later, at both corners.
constexpr RECT ToRect(const LogicalRect& area) {
  return {area.x, area.y, area.Right(), area.Bottom()};
}

struct OptionRow {
  Control box;
  bool Options::*value;
};
inline constexpr std::array<OptionRow, 4> kOptionRows = {{
    {Control::ConsoleOption, &Options::console},
    {Control::SkipIntroOption, &Options::skipIntro},
    {Control::ExitAfterRunOption, &Options::exitAfterRun},
    {Control::CustomGameOption, &Options::customGame},
}};

}  // namespace wv::layout
