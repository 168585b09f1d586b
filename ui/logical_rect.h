#pragma once

#include <QRect>

#include "core/window_layout.h"

namespace wv {

constexpr QRect ToQRect(const layout::LogicalRect& area) {
  return {area.x, area.y, area.width, area.height};
}

}  // namespace wv
