#include "platform/screen_pixels.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace yorvane {

namespace {

// Far beyond any screen, and safe to convert.
constexpr double kFarthestPixel = 1e6;

int nearestPixel(double v) {
  return static_cast<int>(std::nearbyint(std::clamp(v, -kFarthestPixel, kFarthestPixel)));
}

}  // namespace

std::optional<MonitorInPicture> primaryMonitorIn(Size picture,
                                                 const std::vector<Monitor>& monitors) {
  if (picture.width <= 0 || picture.height <= 0) return std::nullopt;
  const PixelRect whole{0, 0, picture.width, picture.height};
  if (monitors.empty()) return MonitorInPicture{whole};
  int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
  for (const Monitor& m : monitors) {
    left = std::min(left, m.place.x);
    top = std::min(top, m.place.y);
    right = std::max(right, m.place.x + m.place.width);
    bottom = std::max(bottom, m.place.y + m.place.height);
  }
  if (right <= left || bottom <= top) return std::nullopt;
  const double sx = static_cast<double>(picture.width) / (right - left);
  const double sy = static_cast<double>(picture.height) / (bottom - top);
  // The desktop scaled its whole layout alike both ways, but for the logical
  // sizes' rounding: half a logical pixel either way.
  const double rounding = sx * (1.0 / (right - left) + 1.0 / (bottom - top));
  if (std::abs(sx - sy) > rounding) return std::nullopt;

  const auto primary =
      std::find_if(monitors.begin(), monitors.end(), [](const Monitor& m) { return m.primary; });
  const Monitor& m = primary == monitors.end() ? monitors.front() : *primary;
  const int x = nearestPixel((m.place.x - left) * sx);
  const int y = nearestPixel((m.place.y - top) * sy);
  const PixelRect area{x, y, nearestPixel((m.place.x + m.place.width - left) * sx) - x,
                       nearestPixel((m.place.y + m.place.height - top) * sy) - y};
  if (area.width <= 0 || area.height <= 0) return std::nullopt;
  const bool known = m.physical.width > 0 && m.physical.height > 0;
  return MonitorInPicture{area, known && Size{area.width, area.height} != m.physical};
}

PixelRect regionOnScreen(const Rect& onPicker, double scale, float aspect) {
  // The picker shows the screen at half its logical size.
  const auto onScreen = [factor = 2 * scale](float v) {
    return nearestPixel(static_cast<double>(v) * factor);
  };
  const int x = onScreen(onPicker.left);
  const int y = onScreen(onPicker.top);
  const int width = std::max(0, onScreen(onPicker.left + onPicker.width) - x);
  const int height = aspect == 0 ? std::max(0, onScreen(onPicker.top + onPicker.height) - y)
                                 : std::max(0, nearestPixel(width * static_cast<double>(aspect)));
  return {x, y, width, height};
}

}  // namespace yorvane
