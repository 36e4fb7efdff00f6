#pragma once

#include "capture/screen_capture.h"
#include "platform/geometry.h"
#include "platform/image.h"
#include "platform/screen_pixels.h"

namespace yorvane {

// Captures of the region picked on the half-size snapshot: whether captures
// take it, whether one has been confirmed, and the picture its cut waits in
// until the save.
class RegionCapture {
 public:
  explicit RegionCapture(ScreenCapture& screen) : screen_(screen) {}

  // True while captures take the region instead of the whole screen.
  bool partial() const { return partial_; }
  void setPartial(bool partial) { partial_ = partial; }

  // The rectangle drawn on the picker's snapshot, in its logical pixels, as
  // it is now: a drag that is not confirmed moves the cut, not its size.
  void select(const Rect& onPicker) { selection_ = onPicker; }
  // Sizes the region picture to the selection on the screen, whose pixels per
  // logical pixel were `scale` as the picker showed it; `aspect` as in regionOnScreen.
  void confirm(double scale, float aspect);
  // A confirmed region that yields a picture of at least one pixel.
  bool usable() const { return confirmed_ && !picture_.empty(); }

  // Cuts the selection from the last screen copy into the region picture,
  // the background where the selection reaches past the screen.
  const Image& cut();

 private:
  // What the cut leaves where the selection reaches past the screen.
  static constexpr uint32_t kBackground = 0xFFF0F0F0u;

  ScreenCapture& screen_;
  Rect selection_;
  Image picture_;
  double scale_ = 1;
  float aspect_ = 0;
  bool partial_ = false;
  bool confirmed_ = false;
};

}  // namespace yorvane
