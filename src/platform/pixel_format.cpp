#include "platform/pixel_format.h"

#include <bit>

namespace yorvane {

namespace {

// A channel's place in the pixel: shift to its lowest bit, and its largest value.
struct Channel {
  int shift = 0;
  uint32_t max = 0;
  explicit Channel(uint32_t mask)
      : shift(mask ? std::countr_zero(mask) : 0), max(mask ? mask >> shift : 0) {}
  bool usable() const { return max != 0 && std::has_single_bit(max + 1) && max <= 0xFFFFu; }
  // Widened to 16 bits and narrowed to 8, both times rounded down, as X
  // picture readers such as ImageMagick's import read a screen.
  uint32_t to8Bits(uint32_t pixel) const { return 65535u * ((pixel >> shift) & max) / max / 257u; }
};

}  // namespace

bool PixelFormat::convertible() const {
  return (bitsPerPixel == 16 || bitsPerPixel == 32) && Channel(redMask).usable() &&
         Channel(greenMask).usable() && Channel(blueMask).usable();
}

void convertPixels(const uint8_t* rows, size_t stride, const PixelFormat& format, Image& dest) {
  const Channel red(format.redMask), green(format.greenMask), blue(format.blueMask);
  const int bytes = format.bitsPerPixel / 8;
  for (int y = 0; y < dest.height(); ++y) {
    const uint8_t* p = rows + stride * static_cast<size_t>(y);
    uint32_t* out = dest.row(y);
    for (int x = 0; x < dest.width(); ++x, p += bytes) {
      uint32_t pixel = 0;
      for (int i = bytes - 1; i >= 0; --i) pixel = (pixel << 8) | p[i];
      out[x] = 0xFF000000u | (red.to8Bits(pixel) << 16) | (green.to8Bits(pixel) << 8) |
               blue.to8Bits(pixel);
    }
  }
}

}  // namespace yorvane
