#pragma once

#include "capture/screen_capture.h"
#include "platform/geometry.h"
#include "ui_model/control.h"

namespace yorvane {

// Captures of the region picked on the half-size snapshot: whether captures
// take it, whether one has been confirmed, and the picture box its cut waits
// in until the save.
class RegionCapture {
 public:
  // selection is the rectangle drawn on the snapshot, in snapshot pixels.
  RegionCapture(ScreenCapture& screen, const Control& selection, Control& regionPicture);

  // True while captures take the region instead of the whole screen.
  bool partial() const { return partial_; }
  void setPartial(bool partial) { partial_ = partial; }

  // Sizes the region picture to the confirmed selection, doubled to screen pixels.
  void confirm(const Rect& selection);
  // A confirmed region that yields a picture of at least one pixel.
  bool usable() const;

  // Erases the region picture before a capture starts, unless a cut waits there
  // for its save: a start that arrives meanwhile must not erase it.
  void clearUnlessWaiting();
  void setCutWaiting(bool waiting) { cutWaiting_ = waiting; }
  // Cuts the selection, doubled, from the last screen copy into the region picture.
  const Image& cut();

 private:
  ScreenCapture& screen_;
  const Control& selection_;
  Control& regionPicture_;
  bool partial_ = false;
  bool confirmed_ = false;
  bool cutWaiting_ = false;
};

}  // namespace yorvane
