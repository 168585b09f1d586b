#pragma once

#include <QImage>
#include <span>
#include <string_view>

namespace wv {

// A picture compiled in as runs of one colour: four bytes each, how many
// pixels and then red, green and blue, row after row.
struct RunPicture {
  std::string_view name;  // the PNG file it was made from
  int width, height;
  std::span<const unsigned char> runs;
};

// The pictures the window shows as it starts (ui/artwork/make_runs.py writes
// them at build time): read without an image decoder, start-up maps no PNG
// library and reads no file.
std::span<const RunPicture> RunPictures();

// The picture made from the PNG file `name`, as that file reads (32-bit RGB);
// null when it is not compiled in.
QImage RunPictureImage(std::string_view name);

}  // namespace wv
