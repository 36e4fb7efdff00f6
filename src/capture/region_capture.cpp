#include "capture/region_capture.h"

namespace yorvane {

void RegionCapture::confirm(double scale, float aspect) {
  confirmed_ = true;
  scale_ = scale;
  aspect_ = aspect;
  const PixelRect onScreen = regionOnScreen(selection_, scale, aspect);
  picture_.resize(onScreen.width, onScreen.height);
}

const Image& RegionCapture::cut() {
  const PixelRect r = regionOnScreen(selection_, scale_, aspect_);
  picture_.fill(kBackground);
  picture_.copyFrom(screen_.screen(), r.x, r.y, r.width, r.height);
  return picture_;
}

}  // namespace yorvane
