#pragma once

#include <functional>

#include "platform/geometry.h"
#include "platform/image.h"

namespace yorvane {

// What became of a screen copy.
enum class ScreenCopy {
  kCopied,
  kFailed,  // no picture came, or in time, or it could not be read
  // A screen of a palette (8 bits or fewer): its colours cannot be read.
  kPaletteScreen,
  kUnavailable,  // the desktop offers no way to copy the screen (no screenshot portal)
  kRefused,      // the desktop or the user refused
  kUnreadable,   // the desktop sent pixels in a layout the program cannot read
};

// Where the copies of a series come from, as the series starts.
enum class SeriesCopies {
  kUsual,         // the session's one way of copying the screen
  kScreenCast,    // a screen cast, open for the series: each copy is its newest frame
  kNoScreenCast,  // the desktop gave no screen cast (the user said no, or it cannot): screenshots
};

// The primary screen, and copies of it.
class Screen {
 public:
  virtual ~Screen() = default;

  // Windows are laid out in pixels of 15 twips, which a scaled screen makes
  // larger than its device pixels; screenSize() is in those, as windows are placed.
  virtual Size screenSize() = 0;
  // The screen's own pixels, as a copy has them, in one of those logical
  // pixels: 2 on a screen scaled to 200 %, also where the program's windows
  // see the screen unscaled (XWayland on a scaled Wayland monitor).
  virtual double screenScale() = 0;
  // Starts a copy of the whole primary screen into dest from its top-left
  // corner, in the screen's own pixels; dest becomes the screen's size. done
  // runs once with what became of it: at once where the copy is immediate
  // (X11), else later from the event loop (Wayland, where the desktop
  // answers). dest is written only as done runs, and not when the copy failed.
  // One copy at a time: the next is started once done has run.
  virtual void copyScreen(Image& dest, std::function<void(ScreenCopy)> done) = 0;
  // A series is about to start, the window in use still shown and focused:
  // where the desktop casts the screen (Wayland), the cast opens, asking the
  // user the first time, and done says where the series' copies come from
  // until seriesEnded. An open cast costs the desktop CPU at each repaint, so
  // it is open only while a series runs.
  virtual void startSeriesCopies(std::function<void(SeriesCopies)> done) = 0;
  virtual void seriesEnded() = 0;
};

}  // namespace yorvane
