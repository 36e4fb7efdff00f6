#pragma once

#include <QObject>
#include <QRect>
#include <QSize>
#include <vector>

#include "platform/screen_pixels.h"

namespace yorvane::wayland {

// The desktop's monitors as XWayland shows them to the program (in logical
// pixels on a scaled monitor, on most desktops) joined with what the
// compositor knows of each: its logical place and its resolution. Read at
// start and again whenever XWayland's screens change.
class OutputLayout : public QObject {
 public:
  OutputLayout();

  // The program's screens, placed in X pixels, each with its resolution where
  // the compositor tells it; the primary one as XWayland reports it.
  const std::vector<Monitor>& monitors() const { return monitors_; }
  // The primary monitor in the compositor's logical coordinates (KWin's, a
  // screen cast's), or in X pixels where the compositor tells none.
  QRect primaryLogical() const { return primaryLogical_; }
  // The primary monitor's resolution, its X size where the compositor tells none.
  QSize primaryPhysical() const { return primaryPhysical_; }
  // The primary monitor's own pixels in one of its X pixels.
  double primaryScale() const { return primaryScale_; }

 private:
  void read();

  std::vector<Monitor> monitors_;
  QRect primaryLogical_;
  QSize primaryPhysical_;
  double primaryScale_ = 1;
};

}  // namespace yorvane::wayland
