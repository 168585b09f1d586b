#include "win/picture.h"

// GDI+ reads PNG and resizes smoothly; it comes with every system since XP.
// It needs the COM declarations first.
#include <objidl.h>
// clang-format off
#include <gdiplus.h>
// clang-format on
#include <shlwapi.h>

namespace wv {

namespace {

Gdiplus::Bitmap* LoadPng(int id) {
  HMODULE self = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(self, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10));  // RT_RCDATA
  if (found == nullptr) return nullptr;
  HGLOBAL data = LoadResource(self, found);
  const auto* bytes = static_cast<const BYTE*>(LockResource(data));
  IStream* stream = SHCreateMemStream(bytes, SizeofResource(self, found));
  if (stream == nullptr) return nullptr;
  Gdiplus::Bitmap* bitmap = Gdiplus::Bitmap::FromStream(stream);
  stream->Release();
  return bitmap;
}

}  // namespace

Pictures::~Pictures() {
  if (token_ != 0) Gdiplus::GdiplusShutdown(token_);
}

void Pictures::Draw(HDC dc, int plain, int twice, UINT dpi, const RECT& device) const {
  if (token_ == 0) {
    Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&token_, &input, nullptr) != Gdiplus::Ok) return;
  }
  Gdiplus::Bitmap* bitmap = LoadPng(dpi > USER_DEFAULT_SCREEN_DPI ? twice : plain);
  if (bitmap == nullptr) return;
  {
    Gdiplus::Graphics graphics(dc);
    graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
    graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
    graphics.DrawImage(bitmap, Gdiplus::Rect(device.left, device.top, device.right - device.left,
                                             device.bottom - device.top));
  }
  delete bitmap;
}

}  // namespace wv
