#pragma once

#include <string>

#include "platform/image.h"

namespace yorvane {

// Writes img as an uncompressed 32-bit top-down BMP. The header and the pixel
// rows go out in one vectored write straight from the image, with no copy.
// A failed write removes the partial file. On failure, returns false with
// errno describing the cause.
bool writeBmpFile(const Image& img, const std::string& path);

// Reads a BMP written by writeBmpFile, or any uncompressed 24/32-bit BMP.
// Returns an empty image when the file is missing or not such a BMP.
Image readBmpFile(const std::string& path);

}  // namespace yorvane
