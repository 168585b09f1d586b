#include "ui/run_pictures.h"

#include <algorithm>

namespace wv {

QImage RunPictureImage(std::string_view name) {
  for (const RunPicture& picture : RunPictures()) {
    if (picture.name != name) continue;
    QImage image(picture.width, picture.height, QImage::Format_RGB32);
    // 32-bit rows have no padding: the pixels are one array.
    auto* pixel = reinterpret_cast<QRgb*>(image.bits());
    QRgb* const end = pixel + static_cast<qsizetype>(picture.width) * picture.height;
    const std::span<const unsigned char> runs = picture.runs;
    for (std::size_t at = 0; at + 4 <= runs.size() && pixel != end; at += 4) {
      const auto count = std::min<std::ptrdiff_t>(runs[at], end - pixel);
      pixel = std::fill_n(pixel, count, qRgb(runs[at + 1], runs[at + 2], runs[at + 3]));
    }
    std::fill(pixel, end, qRgb(0, 0, 0));
    return image;
  }
  return {};
}

}  // namespace wv
