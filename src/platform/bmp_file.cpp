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

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kInfoHeaderSize = 40;
constexpr size_t kHeaderSize = kFileHeaderSize + kInfoHeaderSize;

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
uint16_t get16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

std::array<uint8_t, kHeaderSize> makeHeader(int width, int height) {
  std::array<uint8_t, kHeaderSize> h{};
  const uint32_t pixelBytes = static_cast<uint32_t>(width) * static_cast<uint32_t>(height) * 4u;
  h[0] = 'B';
  h[1] = 'M';
  put32(&h[2], static_cast<uint32_t>(kHeaderSize) + pixelBytes);
  put32(&h[10], static_cast<uint32_t>(kHeaderSize));
  uint8_t* info = &h[kFileHeaderSize];
  put32(info, kInfoHeaderSize);
  put32(info + 4, static_cast<uint32_t>(width));
  put32(info + 8, static_cast<uint32_t>(-height));  // negative height: rows top to bottom
  put16(info + 12, 1);                               // planes
  put16(info + 14, 32);                              // bits per pixel
  put32(info + 16, 0);                               // BI_RGB
  put32(info + 20, pixelBytes);
  put32(info + 24, 3780);  // 96 dpi in pixels per metre
  put32(info + 28, 3780);
  return h;
}

}  // namespace

bool writeBmpFile(const Image& img, const std::string& path) {
  static_assert(sizeof(uint32_t) == 4);
  // Pixels 0xAARRGGBB are stored little-endian as B, G, R, A: exactly BMP's order.
  const auto header = makeHeader(img.width(), img.height());
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;

  const auto* pixels = reinterpret_cast<const uint8_t*>(img.data());
  const size_t pixelBytes = static_cast<size_t>(img.width()) * img.height() * 4;
  std::array<iovec, 2> parts{iovec{const_cast<uint8_t*>(header.data()), header.size()},
                             iovec{const_cast<uint8_t*>(pixels), pixelBytes}};
  size_t first = 0;
  bool ok = true;
  while (first < parts.size()) {
    const ssize_t n = ::writev(fd, &parts[first], static_cast<int>(parts.size() - first));
    if (n < 0) {
      if (errno == EINTR) continue;
      ok = false;
      break;
    }
    auto left = static_cast<size_t>(n);
    while (first < parts.size() && left >= parts[first].iov_len) left -= parts[first++].iov_len;
    if (first < parts.size()) {
      parts[first].iov_base = static_cast<uint8_t*>(parts[first].iov_base) + left;
      parts[first].iov_len -= left;
    }
  }
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
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (bytes.size() < kHeaderSize || bytes[0] != 'B' || bytes[1] != 'M') return {};
  const uint32_t offset = get32(&bytes[10]);
  const uint8_t* info = &bytes[kFileHeaderSize];
  const auto width = static_cast<int32_t>(get32(info + 4));
  const auto rawHeight = static_cast<int32_t>(get32(info + 8));
  const int bpp = get16(info + 14);
  if (get32(info + 16) != 0 || (bpp != 24 && bpp != 32) || width <= 0 || rawHeight == 0) return {};
  const int height = rawHeight < 0 ? -rawHeight : rawHeight;
  const size_t stride = ((static_cast<size_t>(width) * bpp / 8) + 3) & ~size_t{3};
  if (offset > bytes.size() || bytes.size() - offset < stride * static_cast<size_t>(height)) return {};
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
