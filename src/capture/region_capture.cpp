#include "capture/region_capture.h"

namespace yorvane {

RegionCapture::RegionCapture(ScreenCapture& screen, const Control& selection,
                             Control& regionPicture)
    : screen_(screen), selection_(selection), regionPicture_(regionPicture) {}

void RegionCapture::confirm(double scale, float aspect) {
  confirmed_ = true;
  scale_ = scale;
  aspect_ = aspect;
  const PixelRect onScreen = regionOnScreen(selection_.geometry(), scale, aspect);
  regionPicture_.setGeometry(
      {0, 0, static_cast<float>(onScreen.width), static_cast<float>(onScreen.height)});
  regionPicture_.picture().resize(onScreen.width, onScreen.height);
  regionPicture_.clearPicture();
}

bool RegionCapture::usable() const {
  return confirmed_ && !regionPicture_.picture().empty();
}

const Image& RegionCapture::cut() {
  const PixelRect r = regionOnScreen(selection_.geometry(), scale_, aspect_);
  regionPicture_.picture().copyFrom(screen_.screen(), r.x, r.y, r.width, r.height);
  return regionPicture_.picture();
}

}  // namespace yorvane
