#pragma once

#include <optional>
#include <vector>

#include "platform/geometry.h"

namespace yorvane {

// Where the program's pixels and the screen's own pixels meet.
//
// The program places its windows in logical pixels: on X11 those of its
// screen, on Wayland those of XWayland, whose screen a scaled monitor makes
// smaller than the monitor (a 2560x1440 monitor at scale 2 is a 1280x720 X
// screen). Pictures of the screen are in the monitor's own, physical pixels.

// One monitor of the desktop: its place in the program's screen coordinates
// and, where the desktop tells it, its size in its own pixels ({0, 0} when
// unknown).
struct Monitor {
  PixelRect place;
  Size physical;
  bool primary = false;
};

// Where the primary monitor is in a picture of the desktop, and whether the
// desktop drew it there at another resolution than its own (a monitor at
// scale 1 beside one at scale 2, drawn twice as large and smoothed).
struct MonitorInPicture {
  PixelRect area;
  bool redrawn = false;
  friend bool operator==(const MonitorInPicture&, const MonitorInPicture&) = default;
};

// The primary monitor in a picture the desktop took of all its monitors laid
// out as `monitors` (the first one is primary where none says so). The
// picture's own size says how it was scaled. nullopt where the picture fits
// no layout of the monitors: it is then best taken whole.
std::optional<MonitorInPicture> primaryMonitorIn(Size picture,
                                                 const std::vector<Monitor>& monitors);

// The rectangle of the screen, in its own pixels, that a rectangle drawn on
// the half-size picker shows: `onPicker` is in the picker's logical pixels,
// `scale` the screen's pixels per logical pixel, `aspect` the height-to-width
// factor the rectangle keeps (0: free). Each edge goes to the nearest pixel
// boundary, halves to even, so rectangles side by side on the picker meet on
// the screen; a kept aspect is kept in the screen's pixels.
PixelRect regionOnScreen(const Rect& onPicker, double scale, float aspect);

}  // namespace yorvane
