#pragma once

#include <string>

#include "platform/image.h"

namespace yorvane {

// Writes img as an uncompressed 32-bit top-down BMP with a BITMAPV4HEADER whose
// alpha mask is 0: the fourth byte is padding, so the image's top byte can be
// anything and readers still see the picture opaque. The pixels start one
// block into the file and go out straight from the image, bypassing the page
// cache (O_DIRECT) when the file system and the image's alignment allow it.
// The file is written under a temporary name beside path and renamed to path
// once complete: path never holds a partial picture, and a symbolic link at
// path is replaced, not followed. A failed write removes the temporary file.
// On failure, returns false with errno describing the cause.
bool writeBmpFile(const Image& img, const std::string& path);

// Reads a BMP written by writeBmpFile, or any uncompressed 24/32-bit BMP.
// Returns an empty image when the file is missing or not such a BMP.
Image readBmpFile(const std::string& path);

}  // namespace yorvane
