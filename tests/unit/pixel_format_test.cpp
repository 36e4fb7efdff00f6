#include "platform/pixel_format.h"

#include <gtest/gtest.h>

#include <vector>

namespace yorvane {
namespace {

TEST(PixelFormat, ScreensOf16And30BitsBecomeEightBitsAChannel) {
  const PixelFormat rgb565{16, 0xF800u, 0x07E0u, 0x001Fu};
  ASSERT_TRUE(rgb565.convertible());
  // Little-endian 5-6-5 words: white, red 16 / green 32 / blue 1, black; rows padded to 8 bytes.
  const std::vector<uint8_t> rows16 = {0xFF, 0xFF, 0x01, 0x84, 0, 0, 0xEE, 0xEE};
  Image image(3, 1);
  convertPixels(rows16.data(), 8, rgb565, image);
  EXPECT_EQ(image.pixel(0, 0), 0xFFFFFFFFu);
  EXPECT_EQ(image.pixel(1, 0), 0xFF838108u);
  EXPECT_EQ(image.pixel(2, 0), 0xFF000000u);

  const PixelFormat rgb101010{32, 0x3FF00000u, 0x000FFC00u, 0x000003FFu};
  ASSERT_TRUE(rgb101010.convertible());
  const uint32_t mid = (1023u << 20) | (512u << 10) | 1u;
  const std::vector<uint8_t> rows30 = {static_cast<uint8_t>(mid), static_cast<uint8_t>(mid >> 8),
                                       static_cast<uint8_t>(mid >> 16),
                                       static_cast<uint8_t>(mid >> 24)};
  Image wide(1, 1);
  convertPixels(rows30.data(), 4, rgb101010, wide);
  EXPECT_EQ(wide.pixel(0, 0), 0xFFFF7F00u);

  EXPECT_TRUE(PixelFormat{}.matchesImage());
  EXPECT_FALSE((PixelFormat{8, 0, 0, 0}.convertible())) << "a palette has no colour masks";
}

}  // namespace
}  // namespace yorvane
