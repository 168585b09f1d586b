#pragma once

#include <QPoint>
#include <QRect>
#include <QtGlobal>
#include <string_view>

namespace wv::test {

// The window's controls where the design puts them, in window coordinates:
// the layout test checks the window against these, and every test that
// clicks a control by its position clicks here.
struct DesignedControl {
  std::string_view id;
  QRect rect;
};

namespace layout {
// The outer panel's border is 2 px, the pages start at (3, 50) and the bottom
// bar at (2, 206).
inline constexpr QPoint kPage{3, 50};
inline constexpr QPoint kBar{2, 206};
}  // namespace layout

inline constexpr DesignedControl kWindowLayout[] = {
    {"outerPanel", {0, 0, 340, 249}},
    {"title", {2, 2, 336, 25}},
    {"emblem", {6, 6, 16, 16}},
    {"minimizeButton", {304, 4, 18, 18}},
    {"closeButton", {318, 4, 18, 18}},
    {"pageControl", {2, 27, 336, 179}},
    {"tabBar", {2, 27, 336, 22}},
    {"createServerTab", {layout::kPage.x(), layout::kPage.y(), 334, 155}},
    {"modeBox", {layout::kPage.x() + 8, layout::kPage.y() + 8, 155, 40}},
    {"modeChoice", {layout::kPage.x() + 18, layout::kPage.y() + 26, 118, 20}},
    {"modeArrow", {layout::kPage.x() + 139, layout::kPage.y() + 21, 18, 18}},
    {"mapArrow", {layout::kPage.x() + 300, layout::kPage.y() + 69, 18, 18}},
    {"slotsChoice", {layout::kPage.x() + 18, layout::kPage.y() + 122, 31, 20}},
    {"slotsArrow", {layout::kPage.x() + 58, layout::kPage.y() + 117, 18, 18}},
    {"portChoice", {layout::kPage.x() + 99, layout::kPage.y() + 122, 38, 20}},
    {"passwordArrow", {layout::kPage.x() + 300, layout::kPage.y() + 117, 18, 18}},
    {"joinAddressFrame", {layout::kPage.x() + 13, layout::kPage.y() + 16, 305, 49}},
    {"joinAddress", {layout::kPage.x() + 37, layout::kPage.y() + 36, 169, 22}},
    {"joinPort", {layout::kPage.x() + 213, layout::kPage.y() + 36, 81, 22}},
    {"joinPassword", {layout::kPage.x() + 37, layout::kPage.y() + 100, 257, 22}},
    {"aboutPicture", {layout::kPage.x() + 1, layout::kPage.y() + 1, 332, 153}},
    {"versionLabel", {layout::kPage.x() + 224, layout::kPage.y() + 130, 97, 13}},
    {"bottomBar", {layout::kBar.x(), layout::kBar.y(), 336, 41}},
    {"characterButton", {layout::kBar.x() + 10, layout::kBar.y() + 10, 85, 21}},
    {"clipboardPanel", {layout::kBar.x() + 143, layout::kBar.y() + 8, 26, 25}},
    {"clipboardButton", {layout::kBar.x() + 145, layout::kBar.y() + 10, 22, 21}},
    {"actionButton", {layout::kBar.x() + 185, layout::kBar.y() + 10, 140, 21}},
};

inline QRect DesignedRect(std::string_view id) {
  for (const DesignedControl& control : kWindowLayout) {
    if (control.id == id) return control.rect;
  }
  qFatal("no designed control %.*s", int(id.size()), id.data());
}

// Where a test clicks a control: its middle, halves rounded down.
inline QPoint ClickPoint(std::string_view id) {
  const QRect rect = DesignedRect(id);
  return rect.topLeft() + QPoint(rect.width() / 2, rect.height() / 2);
}

}  // namespace wv::test
