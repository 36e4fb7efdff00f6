#include "platform/bmp_file.h"

#include <fcntl.h>
#include <sys/uio.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace yorvane {
namespace {

// Direct writes need block-aligned memory, lengths and file offsets; a page
// satisfies every file system's block size.
constexpr size_t kBlock = Image::kAlignment;
constexpr size_t kFileHeaderSize = 14;
constexpr size_t kInfoHeaderSize = 108;  // BITMAPV4HEADER: room for the colour masks
constexpr uint32_t kCompressionRgb = 0;
constexpr uint32_t kRedMask = 0x00FF0000u;
constexpr uint32_t kGreenMask = 0x0000FF00u;
constexpr uint32_t kBlueMask = 0x000000FFu;
constexpr uint32_t kColourSpaceSrgb = 0x73524742u;  // 'sRGB'

void put16(uint8_t* p, uint16_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
}
void put32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}
uint32_t get32(const uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}
uint16_t get16(const uint8_t* p) {
  return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

// The headers, padded with zeros to a whole block so the pixels start aligned.
struct alignas(kBlock) HeaderBlock {
  std::array<uint8_t, kBlock> bytes{};
};

void fillHeader(HeaderBlock& block, int width, int height) {
  uint8_t* h = block.bytes.data();
  const uint32_t pixelBytes = static_cast<uint32_t>(width) * static_cast<uint32_t>(height) * 4u;
  h[0] = 'B';
  h[1] = 'M';
  put32(h + 2, static_cast<uint32_t>(kBlock) + pixelBytes);
  put32(h + 10, static_cast<uint32_t>(kBlock));
  uint8_t* info = h + kFileHeaderSize;
  put32(info, kInfoHeaderSize);
  put32(info + 4, static_cast<uint32_t>(width));
  put32(info + 8, static_cast<uint32_t>(-height));  // negative height: rows top to bottom
  put16(info + 12, 1);                              // planes
  put16(info + 14, 32);                             // bits per pixel
  put32(info + 16, kCompressionRgb);
  put32(info + 20, pixelBytes);
  put32(info + 24, 3780);  // 96 dpi in pixels per metre
  put32(info + 28, 3780);
  put32(info + 40, kRedMask);
  put32(info + 44, kGreenMask);
  put32(info + 48, kBlueMask);
  // No alpha: with this header every reader takes the fourth byte as padding,
  // as the format defines it for uncompressed 32-bit pixels.
  put32(info + 52, 0);
  put32(info + 56, kColourSpaceSrgb);
}

// Writes the parts in order, moving them past what was written; false with errno set.
bool writeParts(int fd, iovec* parts, size_t count) {
  size_t first = 0;
  while (first < count && parts[first].iov_len == 0) ++first;
  while (first < count) {
    const ssize_t n = ::writev(fd, &parts[first], static_cast<int>(count - first));
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    auto left = static_cast<size_t>(n);
    for (; first < count && left >= parts[first].iov_len; ++first) {
      left -= parts[first].iov_len;
      parts[first].iov_len = 0;
    }
    if (first < count) {
      parts[first].iov_base = static_cast<uint8_t*>(parts[first].iov_base) + left;
      parts[first].iov_len -= left;
    }
  }
  return true;
}

bool stopDirectWrites(int fd) {
  const int flags = ::fcntl(fd, F_GETFL);
  return flags >= 0 && ::fcntl(fd, F_SETFL, flags & ~O_DIRECT) == 0;
}

}  // namespace

bool writeBmpFile(const Image& img, const std::string& path) {
  static_assert(sizeof(uint32_t) == 4);
  // Pixels 0xAARRGGBB are stored little-endian as B, G, R, A: exactly BMP's order.
  HeaderBlock header;
  fillHeader(header, img.width(), img.height());
  auto* pixels = reinterpret_cast<uint8_t*>(const_cast<uint32_t*>(img.data()));
  const size_t pixelBytes = static_cast<size_t>(img.width()) * img.height() * 4;
  // The block-aligned bulk of the pixels can skip the page cache, whose fresh
  // pages cost more than the copy itself; the tail goes through it.
  const bool aligned = reinterpret_cast<uintptr_t>(pixels) % kBlock == 0;
  const size_t bulk = aligned ? pixelBytes - pixelBytes % kBlock : 0;

  constexpr int kFlags = O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC;
  int fd = bulk > 0 ? ::open(path.c_str(), kFlags | O_DIRECT, 0644) : -1;
  const bool direct = fd >= 0;
  if (!direct) fd = ::open(path.c_str(), kFlags, 0644);
  if (fd < 0) return false;

  std::array<iovec, 3> parts{iovec{header.bytes.data(), header.bytes.size()}, iovec{pixels, bulk},
                             iovec{pixels + bulk, pixelBytes - bulk}};
  bool ok = true;
  if (direct) {
    ok = writeParts(fd, parts.data(), 2);
    // A file system may refuse direct writes only when they come.
    if (!ok && errno == EINVAL) ok = stopDirectWrites(fd) && writeParts(fd, parts.data(), 2);
    ok = ok && stopDirectWrites(fd);
  }
  ok = ok && writeParts(fd, parts.data(), parts.size());
  const int savedErrno = errno;
  if (::close(fd) != 0 && ok) ok = false;
  if (!ok) {
    ::unlink(path.c_str());
    errno = savedErrno;
  }
  return ok;
}

Image readBmpFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                             std::istreambuf_iterator<char>());
  if (bytes.size() < kFileHeaderSize + 40 || bytes[0] != 'B' || bytes[1] != 'M') return {};
  const uint32_t offset = get32(&bytes[10]);
  const uint8_t* info = &bytes[kFileHeaderSize];
  const auto width = static_cast<int32_t>(get32(info + 4));
  const auto rawHeight = static_cast<int32_t>(get32(info + 8));
  const int bpp = get16(info + 14);
  if (get32(info + 16) != kCompressionRgb || (bpp != 24 && bpp != 32) || width <= 0 ||
      rawHeight == 0) {
    return {};
  }
  const int height = rawHeight < 0 ? -rawHeight : rawHeight;
  const size_t stride = ((static_cast<size_t>(width) * bpp / 8) + 3) & ~size_t{3};
  if (offset > bytes.size() || bytes.size() - offset < stride * static_cast<size_t>(height))
    return {};
  Image img(width, height);
  for (int y = 0; y < height; ++y) {
    const int fileRow = rawHeight < 0 ? y : height - 1 - y;
    const uint8_t* p = &bytes[offset + stride * static_cast<size_t>(fileRow)];
    for (int x = 0; x < width; ++x, p += bpp / 8) {
      img.setPixel(x, y, 0xFF000000u | (uint32_t{p[2]} << 16) | (uint32_t{p[1]} << 8) | p[0]);
    }
  }
  return img;
}

}  // namespace yorvane
