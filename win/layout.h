#pragma once

#include <windows.h>

#include <array>

#include "core/window_layout.h"

namespace wv::layout {

// Still logical pixels: the scale comes later, at both corners.
constexpr RECT ToRect(const LogicalRect& area) {
  return {area.x, area.y, area.Right(), area.Bottom()};
}

}  // namespace wv::layout
