#pragma once

#include <windows.h>

#include <array>

#include "core/launcher_model.h"
#include "core/view_state.h"

// Where the controls sit, in logical pixels (96 dpi) of their page, as the
// Linux window has them.
namespace wv::layout {

inline constexpr int kWidth = 340;
inline constexpr int kHeight = 249;

struct ChoiceRow {
  Control box;
  RECT area;
  int labelWidth;
};

// In Tab order.
inline constexpr std::array<ChoiceRow, 7> kChoiceRows = {{
    {Control::ModeBox, {8, 8, 163, 48}, 118},
    {Control::DifficultyBox, {169, 8, 324, 48}, 118},
    {Control::CampaignBox, {8, 56, 163, 96}, 118},
    {Control::MapBox, {169, 56, 324, 96}, 118},
    {Control::SlotsBox, {8, 104, 82, 144}, 31},
    {Control::PortBox, {89, 104, 163, 144}, 38},
    {Control::PasswordBox, {169, 104, 324, 144}, 118},
}};

struct FrameRow {
  Control frame;
  RECT area;
};
inline constexpr std::array<FrameRow, 2> kJoinFrames = {{
    {Control::JoinAddressFrame, {13, 16, 318, 65}},
    {Control::JoinPasswordFrame, {13, 80, 318, 129}},
}};

// The sunken ground of each join box; the box sits inside it.
struct EditRow {
  Control edit;
  RECT ground;
};
inline constexpr std::array<EditRow, 3> kJoinBoxes = {{
    {Control::JoinAddress, {37, 36, 206, 58}},
    {Control::JoinPort, {213, 36, 294, 58}},
    {Control::JoinPassword, {37, 100, 294, 122}},
}};

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
inline constexpr RECT OptionArea(std::size_t row) {
  const int top = 16 + 24 * static_cast<int>(row);
  return {16, top, 156, top + 17};
}

inline constexpr RECT kAboutPicture{1, 1, 333, 154};
inline constexpr RECT kProductLabel{224, 114, 321, 127};
inline constexpr RECT kVersionLabel{224, 130, 321, 143};
inline constexpr RECT kForumLink{10, 130, 58, 143};

}  // namespace wv::layout
