#pragma once

#include <optional>

#include "platform/geometry.h"

namespace yorvane {

// The kind of desktop session the program runs in. Its windows are X11 windows
// in both; on Wayland they live on XWayland, which cannot read the screen.
enum class SessionKind { X11, Wayland };

// The desktop the program's windows live on.
class Desktop {
 public:
  virtual ~Desktop() = default;

  virtual SessionKind sessionKind() = 0;
  // Whether the desktop keeps a window set topmost above the others. False
  // where its window manager offers no such layer, as sway's for XWayland.
  virtual bool keepsTopmostWindowsAbove() = 0;
  // Pointer in the screen copy's pixels, from the primary screen's top-left
  // corner (negative to its left or above it); nullopt when it cannot be read.
  // On Wayland it is known only while the pointer is over one of the
  // program's windows: the desktop tells no program where it is elsewhere.
  virtual std::optional<Point> pointerPosition() = 0;
};

}  // namespace yorvane
