#pragma once

#include "capture/screen_capture.h"
#include "platform/screen_pixels.h"
#include "ui_model/control.h"

namespace yorvane {

// Captures of the region picked on the half-size snapshot: whether captures
// take it, whether one has been confirmed, and the picture box its cut waits
// in until the save.
class RegionCapture {
 public:
  // selection is the rectangle drawn on the picker's snapshot, in its logical pixels.
  RegionCapture(ScreenCapture& screen, const Control& selection, Control& regionPicture);

  // True while captures take the region instead of the whole screen.
  bool partial() const { return partial_; }
  void setPartial(bool partial) { partial_ = partial; }

  // Sizes the region picture to the selection on the screen, whose pixels per
  // logical pixel were `scale` as the picker showed it; `aspect` as in regionOnScreen.
  void confirm(double scale, float aspect);
  // A confirmed region that yields a picture of at least one pixel.
  bool usable() const;

  // Erases the region picture before a capture starts.
  void clearPicture() { regionPicture_.clearPicture(); }
  // Cuts the selection from the last screen copy into the region picture.
  const Image& cut();

 private:
  ScreenCapture& screen_;
  const Control& selection_;
  Control& regionPicture_;
  double scale_ = 1;
  float aspect_ = 0;
  bool partial_ = false;
  bool confirmed_ = false;
};

}  // namespace yorvane
