#pragma once

#include <chrono>

#include "core/ports.h"

namespace wv {

// The system's monotonic clock, which a change of the wall clock leaves alone.
class SteadyTime : public TimeSource {
 public:
  std::chrono::steady_clock::time_point Now() override { return std::chrono::steady_clock::now(); }
};

}  // namespace wv
