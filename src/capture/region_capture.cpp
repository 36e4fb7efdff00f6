#include "capture/region_capture.h"

#include <algorithm>
#include <cmath>

namespace yorvane {

namespace {
// Doubles a snapshot coordinate into screen pixels, halves rounded to even.
int doubled(float v) {
  const double d = static_cast<double>(v) + static_cast<double>(v);
  return static_cast<int>(std::nearbyint(std::clamp(d, -1e9, 1e9)));
}

// Far beyond any screen, and safe to convert.
constexpr float kLargestPicture = 100000;
int pixelCount(float v) {
  return static_cast<int>(std::nearbyint(std::clamp(v, 0.0f, kLargestPicture)));
}
}  // namespace

RegionCapture::RegionCapture(ScreenCapture& screen, const Control& selection,
                             Control& regionPicture)
    : screen_(screen), selection_(selection), regionPicture_(regionPicture) {}

void RegionCapture::confirm(const Rect& selection) {
  confirmed_ = true;
  const float w = selection.width + selection.width;
  const float h = selection.height + selection.height;
  regionPicture_.setGeometry({0, 0, w, h});
  regionPicture_.picture().resize(pixelCount(w), pixelCount(h));
  regionPicture_.clearPicture();
}

bool RegionCapture::usable() const {
  return confirmed_ && !regionPicture_.picture().empty();
}

void RegionCapture::clearUnlessWaiting() {
  if (!cutWaiting_) regionPicture_.clearPicture();
}

const Image& RegionCapture::cut() {
  const Rect r = selection_.geometry();
  regionPicture_.picture().copyFrom(screen_.screen(), doubled(r.left), doubled(r.top),
                                    doubled(r.width), doubled(r.height));
  return regionPicture_.picture();
}

}  // namespace yorvane
