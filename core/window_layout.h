#pragma once

#include <array>
#include <cstddef>

#include "core/view_state.h"

// Where the window's parts and controls sit, read by both windows, so that
// they cannot drift apart. Logical pixels (96 dpi); a rectangle is its
// top-left corner and its size, in the coordinates of its page unless its
// comment says otherwise. Each window turns them into its own rectangles.
namespace wv::layout {

struct LogicalRect {
  int x;
  int y;
  int width;
  int height;

  constexpr int Right() const { return x + width; }
  constexpr int Bottom() const { return y + height; }
};

// The area in the coordinates of a part that sits at `origin`.
constexpr LogicalRect Within(const LogicalRect& area, const LogicalRect& origin) {
  return {area.x - origin.x, area.y - origin.y, area.width, area.height};
}

// The window and its parts, in window coordinates.
inline constexpr int kWidth = 340;
inline constexpr int kHeight = 249;
inline constexpr LogicalRect kCaptionBar{2, 2, 336, 25};
inline constexpr LogicalRect kTabRow{2, 27, 336, 22};
inline constexpr LogicalRect kPageArea{3, 50, 334, 155};  // every page
inline constexpr LogicalRect kBottomBar{2, 206, 336, 41};

// A whole page, in its own coordinates.
inline constexpr LogicalRect kPageInside{0, 0, kPageArea.width, kPageArea.height};

// In the caption bar.
inline constexpr LogicalRect kEmblem{4, 4, 16, 16};
inline constexpr LogicalRect kMinimizeButton{302, 2, 18, 18};
inline constexpr LogicalRect kCloseButton{316, 2, 18, 18};
inline constexpr int kCaptionTextLeft = 22;

// A tab is as wide as its caption and its frame, until the row runs short.
inline constexpr int kTabPadding = 6;       // between the caption and the tab's edge
inline constexpr int kSqueezedPadding = 2;  // the same, for a caption too long for its tab
inline constexpr int kTabGap = 1;           // between two tabs
inline constexpr int kTabDrop = 3;          // how much lower the other tabs stand
inline constexpr int kTabFrame = 2 * kTabPadding + 2 + kTabGap;  // a tab's width beside its caption

// The bottom bar's sunken panels, in window coordinates; each button fills
// its panel inside the panel's border.
inline constexpr LogicalRect kCharacterPanel{10, 214, 89, 25};
inline constexpr LogicalRect kClipboardPanel{145, 214, 26, 25};
inline constexpr LogicalRect kActionPanel{185, 214, 144, 25};
constexpr LogicalRect ButtonArea(const LogicalRect& panel) {
  return {panel.x + 2, panel.y + 2, panel.width - 4, panel.height - 4};
}

// The pages' controls, in page coordinates.

struct ChoiceRow {
  Control box;  // its choice label and arrow come with it
  LogicalRect area;
  int labelWidth;
};

// The create tab's choice boxes, in Tab order.
inline constexpr std::array<ChoiceRow, 7> kChoiceRows = {{
    {Control::ModeBox, {8, 8, 155, 40}, 118},
    {Control::DifficultyBox, {169, 8, 155, 40}, 118},
    {Control::CampaignBox, {8, 56, 155, 40}, 118},
    {Control::MapBox, {169, 56, 155, 40}, 118},
    {Control::SlotsBox, {8, 104, 74, 40}, 31},
    {Control::PortBox, {89, 104, 74, 40}, 38},
    {Control::PasswordBox, {169, 104, 155, 40}, 118},
}};

// In a choice box: the label of its choice, and the arrow that drops its
// menu, at the box's right edge.
constexpr LogicalRect ChoiceLabelArea(int labelWidth) {
  return {10, 18, labelWidth, 20};
}
constexpr LogicalRect ChoiceArrowArea(int boxWidth) {
  return {boxWidth - 18 - 6, 13, 18, 18};
}

struct ControlArea {
  Control control;
  LogicalRect area;
};

// The join tab's.
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

// The settings tab's option boxes, one below the other, and the option each
// one shows.
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
constexpr LogicalRect OptionArea(std::size_t row) {
  return {16, 16 + 24 * static_cast<int>(row), 140, 17};
}

// The about tab's.
inline constexpr LogicalRect kAboutPicture{1, 1, 332, 153};
inline constexpr LogicalRect kProductLabel{224, 114, 97, 13};
inline constexpr LogicalRect kVersionLabel{224, 130, 97, 13};
inline constexpr LogicalRect kForumLink{10, 130, 48, 13};

}  // namespace wv::layout
