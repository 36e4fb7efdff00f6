#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <vector>

#include "platform/geometry.h"

namespace yorvane {

// Allocates whole pages, so files can be written straight from the pixels
// without a copy through the page cache.
template <typename T>
struct PageAlignedAllocator {
  using value_type = T;
  static constexpr std::align_val_t kAlignment{4096};

  PageAlignedAllocator() = default;
  template <typename U>
  explicit PageAlignedAllocator(const PageAlignedAllocator<U>&) {}

  T* allocate(size_t n) { return static_cast<T*>(::operator new(n * sizeof(T), kAlignment)); }
  void deallocate(T* p, size_t) { ::operator delete(p, kAlignment); }
  friend bool operator==(const PageAlignedAllocator&, const PageAlignedAllocator&) { return true; }
};

// Page-aligned memory that an image can live in instead of an allocation of its
// own: a screen copy lands in it directly, e.g. a segment shared with the X server.
class PixelMemory {
 public:
  virtual ~PixelMemory() = default;
  virtual uint32_t* pixels() = 0;
  virtual size_t capacity() const = 0;  // in pixels
};

// A persistent picture: 32-bit pixels 0xAARRGGBB, rows top to bottom, no padding.
// The top byte is not part of the colour (a screen copy leaves it undefined);
// the BMP save and the halving ignore it.
// Resizing keeps the memory when it is large enough, so a capture loop never
// reallocates its big buffers. The pixels start on a page boundary.
// Copies of an image own their pixels; only the image given a PixelMemory uses it.
class Image {
 public:
  static constexpr size_t kAlignment =
      static_cast<size_t>(PageAlignedAllocator<uint32_t>::kAlignment);

  Image() = default;
  Image(int width, int height, uint32_t fill = 0xFF000000u);
  Image(const Image& other);
  Image& operator=(const Image& other);
  Image(Image&& other) noexcept;
  Image& operator=(Image&& other) noexcept;
  ~Image() = default;

  int width() const { return width_; }
  int height() const { return height_; }
  Size size() const { return {width_, height_}; }
  bool empty() const { return width_ <= 0 || height_ <= 0; }

  uint32_t* row(int y) { return pixels_ + static_cast<size_t>(y) * width_; }
  const uint32_t* row(int y) const { return pixels_ + static_cast<size_t>(y) * width_; }
  uint32_t pixel(int x, int y) const { return row(y)[x]; }
  void setPixel(int x, int y, uint32_t argb) { row(y)[x] = argb; }
  uint32_t* data() { return pixels_; }
  const uint32_t* data() const { return pixels_; }

  // New size; the content is undefined afterwards.
  void resize(int width, int height);
  // Makes memory (large enough for width x height) the image's pixels, with
  // whatever it holds. The image keeps it until it needs more.
  void useMemory(std::shared_ptr<PixelMemory> memory, int width, int height);
  bool usesMemory(const PixelMemory& memory) const { return external_.get() == &memory; }
  void fill(uint32_t argb);

  // Copies the w x h rectangle at (sx, sy) of src to (dx, dy) of this image.
  // Parts that fall outside either image are skipped; uncovered pixels stay.
  void copyFrom(const Image& src, int sx, int sy, int w, int h, int dx = 0, int dy = 0);

  // Fills this image with src reduced to half its size, each pixel the mean of a
  // 2 x 2 block, so thin lines and text stay visible in the reduced picture.
  void assignHalfSizeOf(const Image& src);

  friend bool operator==(const Image& a, const Image& b);

 private:
  int width_ = 0;
  int height_ = 0;
  size_t count() const { return static_cast<size_t>(width_) * static_cast<size_t>(height_); }
  void useOwnMemory();

  std::vector<uint32_t, PageAlignedAllocator<uint32_t>> own_;
  std::shared_ptr<PixelMemory> external_;
  uint32_t* pixels_ = nullptr;
};

}  // namespace yorvane
