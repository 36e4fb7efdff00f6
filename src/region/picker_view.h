#pragma once

#include "platform/geometry.h"
#include "platform/image.h"

namespace yorvane {

// What the region picker shows: the main window grown over the middle of
// the screen to hold the half-size snapshot, the rectangle dragged on it, and
// the window as it was once the picking is over.
class PickerView {
 public:
  virtual ~PickerView() = default;
  // Grows the main window to hold the snapshot, its rectangle hidden; shows
  // the window where showMainWindow (from the toolbar).
  virtual void open(bool showMainWindow) = 0;
  // Shows the screen copy at half the screen's logical size; scale is the
  // copy's pixels per logical pixel.
  virtual void showSnapshot(const Image& screen, double scale) = 0;
  // Brings the windows back after the snapshot: in compact view the toolbar
  // too, beside the main window, which stays for the picking.
  virtual void showWindows() = 0;
  // The rectangle on the snapshot, in its logical pixels.
  virtual void showRectangle(const Rect& onSnapshot) = 0;
  // Shrinks the main window back to the region mode's; in compact view the
  // toolbar alone stays.
  virtual void close() = 0;
};

}  // namespace yorvane
