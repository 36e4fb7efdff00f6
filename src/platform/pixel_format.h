#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/image.h"

namespace yorvane {

// How a screen stores a pixel: its size and where each colour channel lies.
struct PixelFormat {
  int bitsPerPixel = 32;
  uint32_t redMask = 0x00FF0000u;
  uint32_t greenMask = 0x0000FF00u;
  uint32_t blueMask = 0x000000FFu;

  // Pixels an image can use as they are: 8 bits a channel in 32-bit words.
  bool matchesImage() const {
    return bitsPerPixel == 32 && redMask == 0x00FF0000u && greenMask == 0x0000FF00u &&
           blueMask == 0x000000FFu;
  }
  // Whether convertPixels can read it: 16 or 32 bits a pixel, each channel a
  // run of 1 to 16 bits.
  bool convertible() const;
};

// Fills dest (already width x height) from rows of little-endian pixels in
// `format`, stride bytes apart, each channel scaled to 8 bits as picture
// tools read such screens (rounded down).
void convertPixels(const uint8_t* rows, size_t stride, const PixelFormat& format, Image& dest);

}  // namespace yorvane
