#include "platform/image.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace yorvane {

Image::Image(int width, int height, uint32_t fill) {
  resize(width, height);
  this->fill(fill);
}

Image::Image(const Image& other)
    : width_(other.width_),
      height_(other.height_),
      own_(other.pixels_, other.pixels_ + other.count()) {
  pixels_ = own_.data();
}

Image& Image::operator=(const Image& other) {
  if (this != &other) {
    resize(other.width_, other.height_);
    std::copy_n(other.pixels_, count(), pixels_);
  }
  return *this;
}

Image::Image(Image&& other) noexcept
    : width_(std::exchange(other.width_, 0)),
      height_(std::exchange(other.height_, 0)),
      own_(std::move(other.own_)),
      external_(std::move(other.external_)),
      pixels_(std::exchange(other.pixels_, nullptr)) {
  other.own_.clear();
}

Image& Image::operator=(Image&& other) noexcept {
  if (this != &other) {
    width_ = std::exchange(other.width_, 0);
    height_ = std::exchange(other.height_, 0);
    own_ = std::move(other.own_);
    external_ = std::move(other.external_);
    pixels_ = std::exchange(other.pixels_, nullptr);
    other.own_.clear();
  }
  return *this;
}

void Image::resize(int width, int height) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  if (external_ && count() <= external_->capacity()) return;
  useOwnMemory();
}

void Image::useOwnMemory() {
  external_.reset();
  if (own_.size() < count()) own_.resize(count());
  pixels_ = own_.data();
}

void Image::useMemory(std::shared_ptr<PixelMemory> memory, int width, int height) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  if (!memory || memory->capacity() < count()) {
    useOwnMemory();
    return;
  }
  external_ = std::move(memory);
  pixels_ = external_->pixels();
  // The memory holds the pixels now; the image's own would only take up room.
  own_ = {};
}

void Image::fill(uint32_t argb) {
  std::fill_n(pixels_, count(), argb);
}

void Image::copyFrom(const Image& src, int sx, int sy, int w, int h, int dx, int dy) {
  // Clip against the source, then against the destination, moving both origins together.
  auto clip = [&](int& s, int& d, int& len, int srcLimit, int dstLimit) {
    if (s < 0) {
      d -= s;
      len += s;
      s = 0;
    }
    if (d < 0) {
      s -= d;
      len += d;
      d = 0;
    }
    len = std::min({len, srcLimit - s, dstLimit - d});
  };
  clip(sx, dx, w, src.width_, width_);
  clip(sy, dy, h, src.height_, height_);
  if (w <= 0 || h <= 0) return;
  for (int y = 0; y < h; ++y) {
    std::memcpy(row(dy + y) + dx, src.row(sy + y) + sx, static_cast<size_t>(w) * sizeof(uint32_t));
  }
}

void Image::assignHalfSizeOf(const Image& src) {
  resize(src.width_ / 2, src.height_ / 2);
  for (int y = 0; y < height_; ++y) {
    const uint32_t* a = src.row(2 * y);
    const uint32_t* b = src.row(2 * y + 1);
    uint32_t* out = row(y);
    for (int x = 0; x < width_; ++x) {
      const uint32_t p[4] = {a[2 * x], a[2 * x + 1], b[2 * x], b[2 * x + 1]};
      uint32_t result = 0xFF000000u;
      for (int shift = 0; shift < 24; shift += 8) {
        uint32_t sum = 2;  // rounds to nearest
        for (uint32_t v : p) sum += (v >> shift) & 0xFFu;
        result |= (sum / 4) << shift;
      }
      out[x] = result;
    }
  }
}

bool operator==(const Image& a, const Image& b) {
  return a.width_ == b.width_ && a.height_ == b.height_ &&
         std::equal(a.pixels_, a.pixels_ + a.count(), b.pixels_);
}

}  // namespace yorvane
