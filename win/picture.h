#pragma once

#include <windows.h>

namespace wv {

// The artwork's PNG pictures, compiled in as resources, drawn smoothly
// resized: above 96 dpi from the picture drawn at twice the size.
class Pictures {
 public:
  Pictures() = default;
  ~Pictures();
  Pictures(const Pictures&) = delete;
  Pictures& operator=(const Pictures&) = delete;

  // The picture `plain` (or `twice`, its @2x version, for `dpi` above 96)
  // into `device`.
  void Draw(HDC dc, int plain, int twice, UINT dpi, const RECT& device) const;

 private:
  // GDI+ starts at the first picture drawn.
  mutable ULONG_PTR token_ = 0;
};

}  // namespace wv
