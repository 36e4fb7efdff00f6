// Logical pixels against the screen's own: the primary monitor in the
// desktop's picture, and the picker's rectangle on the screen.
#include "platform/screen_pixels.h"

#include <gtest/gtest.h>

#include <cmath>

namespace yorvane {
namespace {

class AtScale : public ::testing::TestWithParam<double> {
 protected:
  double scale = GetParam();
  int logical(int physical) const { return static_cast<int>(std::lround(physical / scale)); }
};

TEST_P(AtScale, OneMonitorIsTheWholePictureAtItsOwnResolution) {
  // An odd size, whose logical one is rounded at most scales.
  const Size picture{2051, 1153};
  const auto found =
      primaryMonitorIn(picture, {{{0, 0, logical(2051), logical(1153)}, picture, true}});
  EXPECT_EQ(found, (MonitorInPicture{{0, 0, 2051, 1153}, false}));
}

TEST_P(AtScale, TheRegionCoversWhatThePickerShowed) {
  // A logical 1280x720 screen, which the picker shows in 640x360 pixels.
  const PixelRect whole = regionOnScreen({0, 0, 640, 360}, scale, 0);
  EXPECT_EQ(whole,
            (PixelRect{0, 0, static_cast<int>(1280 * scale), static_cast<int>(720 * scale)}));
  // Rectangles side by side on the picker meet on the screen, at odd places too.
  const PixelRect left = regionOnScreen({11, 7, 101, 33}, scale, 0);
  const PixelRect right = regionOnScreen({112, 7, 57, 33}, scale, 0);
  EXPECT_EQ(left.x + left.width, right.x);
  EXPECT_EQ(left.height, right.height);
  EXPECT_NEAR(left.width, 2 * scale * 101, 1);
  // 16:9 holds in the screen's pixels, for an odd drag too.
  const PixelRect wide = regionOnScreen({3, 5, 101, 0}, scale, 0.5625f);
  EXPECT_EQ(wide.height, std::lround(wide.width * 0.5625));
}

INSTANTIATE_TEST_SUITE_P(Scales, AtScale, ::testing::Values(1.0, 1.25, 1.5, 1.75, 2.0, 3.0));

// Two monitors side by side, 1280x720 at scale 1 and 2560x1440 at scale 2,
// which a desktop pictures together at scale 2: 5120x1440.
TEST(PrimaryMonitor, IsFoundBesideAnotherOfAnotherScale) {
  const Monitor one{{0, 0, 1280, 720}, {1280, 720}, false};
  const Monitor two{{1280, 0, 1280, 720}, {2560, 1440}, false};
  auto primaryFirst = one, primarySecond = two;
  primaryFirst.primary = primarySecond.primary = true;
  EXPECT_EQ(primaryMonitorIn({5120, 1440}, {primaryFirst, two}),
            (MonitorInPicture{{0, 0, 2560, 1440}, true}));
  EXPECT_EQ(primaryMonitorIn({5120, 1440}, {one, primarySecond}),
            (MonitorInPicture{{2560, 0, 2560, 1440}, false}));
  // Without a primary, the first is.
  EXPECT_EQ(primaryMonitorIn({5120, 1440}, {two, one})->area, (PixelRect{2560, 0, 2560, 1440}));
}

TEST(PrimaryMonitor, APictureOfNoLayoutIsNotCut) {
  const Monitor one{{0, 0, 1280, 720}, {1280, 720}, true};
  const Monitor two{{1280, 0, 1280, 720}, {1920, 1080}, false};
  EXPECT_FALSE(primaryMonitorIn({1280, 720}, {one, two}));  // one monitor's worth
  EXPECT_FALSE(primaryMonitorIn({3840, 1440}, {one, two}));
}

}  // namespace
}  // namespace yorvane
