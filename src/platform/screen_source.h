#pragma once

#include "platform/image.h"
#include "platform/platform.h"

namespace yorvane {

// One way of copying the primary screen: the X server's shared memory, KWin's
// screenshot interface, the desktop's screenshot portal. The program chooses
// one at start for the session it runs in; see Platform::copyScreen and
// Platform::primeScreenCopy for what each call does.
class ScreenSource {
 public:
  virtual ~ScreenSource() = default;
  virtual ScreenCopy copy(Image& dest, IfBusy ifBusy) = 0;
  virtual ScreenCopy prime() { return ScreenCopy::kCopied; }
  // The primary monitor's own pixels, as copies have them, in one pixel of
  // the program's X screen: 1 where the X screen is the monitor (X11); more
  // where XWayland shows a scaled monitor smaller.
  virtual double monitorScale() const { return 1; }
  // Sets up, outside any capture, what the first copy would otherwise set up
  // on the user's time: called once the program is up and when the primary
  // screen changes.
  virtual void prepare() {}
  // See Platform::seriesStarting and Platform::seriesEnded.
  virtual SeriesCopies seriesStarting() { return SeriesCopies::kUsual; }
  virtual void seriesEnded() {}
};

}  // namespace yorvane
