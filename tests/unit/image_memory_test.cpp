// An image living in memory it was given (as the screen copy's shared segment):
// it keeps that memory while it fits, and copies never share it.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "fake_platform.h"
#include "platform/image.h"

namespace yorvane::testing {
namespace {

class GivenMemory : public PixelMemory {
 public:
  explicit GivenMemory(size_t pixels) : words_(pixels, 0x00ABCDEFu) {}
  uint32_t* pixels() override { return words_.data(); }
  size_t capacity() const override { return words_.size(); }

 private:
  std::vector<uint32_t> words_;
};

TEST(ImageMemory, LivesInGivenMemoryWithItsContentWhileItFits) {
  auto memory = std::make_shared<GivenMemory>(12);
  Image img(2, 2);
  img.useMemory(memory, 4, 3);
  EXPECT_TRUE(img.usesMemory(*memory));
  EXPECT_EQ(img.data(), memory->pixels());
  EXPECT_EQ(img.pixel(3, 2), 0x00ABCDEFu);

  img.resize(2, 5);  // 10 pixels still fit
  EXPECT_EQ(img.data(), memory->pixels());
  img.resize(4, 4);  // 16 do not
  EXPECT_FALSE(img.usesMemory(*memory));
  img.fill(0xFF010203u);
  EXPECT_EQ(memory->pixels()[0], 0x00ABCDEFu);
}

TEST(ImageMemory, MemoryTooSmallLeavesTheImageOnItsOwn) {
  auto memory = std::make_shared<GivenMemory>(5);
  Image img;
  img.useMemory(memory, 3, 2);
  EXPECT_FALSE(img.usesMemory(*memory));
  EXPECT_EQ(img.size(), (Size{3, 2}));
  img.fill(1);
  EXPECT_EQ(img.pixel(2, 1), 1u);
}

TEST(ImageMemory, CopiesOwnTheirPixelsAndMovesTakeTheMemoryAlong) {
  auto memory = std::make_shared<GivenMemory>(6);
  Image shared;
  shared.useMemory(memory, 3, 2);

  const Image copy = shared;
  EXPECT_EQ(copy, shared);
  EXPECT_NE(copy.data(), memory->pixels());
  Image assigned = patternImage(7, 7);
  assigned = shared;
  EXPECT_EQ(assigned, shared);
  shared.setPixel(0, 0, 42);
  EXPECT_EQ(copy.pixel(0, 0), 0x00ABCDEFu);
  EXPECT_EQ(assigned.pixel(0, 0), 0x00ABCDEFu);

  Image moved = std::move(shared);
  EXPECT_TRUE(moved.usesMemory(*memory));
  EXPECT_EQ(moved.pixel(0, 0), 42u);
  Image target = patternImage(2, 2);
  target = std::move(moved);
  EXPECT_TRUE(target.usesMemory(*memory));
}

TEST(ImageMemory, OwnPixelsStartOnAPage) {
  for (const Size s : {Size{1, 1}, Size{33, 7}, Size{1920, 1080}}) {
    const Image img(s.width, s.height);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(img.data()) % Image::kAlignment, 0u);
    const Image copy = img;
    EXPECT_EQ(reinterpret_cast<uintptr_t>(copy.data()) % Image::kAlignment, 0u);
  }
}

}  // namespace
}  // namespace yorvane::testing
