#pragma once

#include <array>
#include <cstddef>

#include "core/view_state.h"

// Where the window's controls sit, read by both windows, so that they cannot
// drift apart. Logical pixels (96 dpi); a rectangle is its top-left corner
// and its size, in the coordinates of its page unless its name says
// otherwise. Each window turns them into its own rectangles.
namespace wv::layout {

struct LogicalRect {
  int x;
  int y;
  int width;
  int height;

  constexpr int Right() const { return x + width; }
  constexpr int Bottom() const { return y + height; }
};

// The whole window, in window coordinates.
inline constexpr int kWidth = 340;
inline constexpr int kHeight = 249;

struct ChoiceRow {
  Control box;  // its choice label and arrow come with it
  LogicalRect area;
  int labelWidth;
};

// In Tab order.
inline constexpr std::array<ChoiceRow, 7> kChoiceRows = {{
    {Control::ModeBox, {8, 8, 155, 40}, 118},
    {Control::DifficultyBox, {169, 8, 155, 40}, 118},
    {Control::CampaignBox, {8, 56, 155, 40}, 118},
    {Control::MapBox, {169, 56, 155, 40}, 118},
    {Control::SlotsBox, {8, 104, 74, 40}, 31},
    {Control::PortBox, {89, 104, 74, 40}, 38},
    {Control::PasswordBox, {169, 104, 155, 40}, 118},
}};

struct ControlArea {
  Control control;
  LogicalRect area;
};

inline constexpr std::array<ControlArea, 2> kJoinFrames = {{
    {Control::JoinAddressFrame, {13, 16, 305, 49}},
    {Control::JoinPasswordFrame, {13, 80, 305, 49}},
}};

// The sunken ground of each join box, inside its frame.
inline constexpr std::array<ControlArea, 3> kJoinBoxes = {{
    {Control::JoinAddress, {37, 36, 169, 22}},
    {Control::JoinPort, {213, 36, 81, 22}},
    {Control::JoinPassword, {37, 100, 257, 22}},
}};

template <std::size_t N>
constexpr LogicalRect AreaOf(const std::array<ControlArea, N>& table, Control control) {
  for (const ControlArea& row : table) {
    if (row.control == control) return row.area;
  }
  return {};
}

// The settings tab's option boxes, one below the other.
constexpr LogicalRect OptionArea(std::size_t row) {
  return {16, 16 + 24 * static_cast<int>(row), 140, 17};
}

inline constexpr LogicalRect kAboutPicture{1, 1, 332, 153};
inline constexpr LogicalRect kProductLabel{224, 114, 97, 13};
inline constexpr LogicalRect kVersionLabel{224, 130, 97, 13};
inline constexpr LogicalRect kForumLink{10, 130, 48, 13};

}  // namespace wv::layout
