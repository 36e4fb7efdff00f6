#pragma once

#include <functional>

#include "platform/image.h"
#include "platform/platform.h"

namespace yorvane {

// One way of copying the primary screen: the X server's shared memory, KWin's
// screenshot interface, the desktop's screenshot portal. The program chooses
// one at start for the session it runs in.
class ScreenSource {
 public:
  using Done = std::function<void(ScreenCopy)>;

  virtual ~ScreenSource() = default;
  // See Platform::copyScreen. A copy asked for while another is under way
  // (the permission question below) starts once that one is done.
  virtual void copy(Image& dest, Done done) = 0;
  // Where the desktop asks the user once whether the program may copy the
  // screen (a Wayland portal, at the program's first picture), it may ask only
  // on behalf of a visible, focused window: called when a window of the
  // program first has the focus, before any capture hides it, so that the
  // question comes then and its answer is remembered by the desktop.
  virtual void prime(Done done) { done(ScreenCopy::kCopied); }
  // The primary monitor's own pixels, as copies have them, in one pixel of
  // the program's X screen: 1 where the X screen is the monitor (X11); more
  // where XWayland shows a scaled monitor smaller.
  virtual double monitorScale() const { return 1; }
  // Sets up, outside any capture, what the first copy would otherwise set up
  // on the user's time: called once the program is up and when the primary
  // screen changes.
  virtual void prepare() {}
  // See Platform::startSeriesCopies and Platform::seriesEnded.
  virtual void startSeries(std::function<void(SeriesCopies)> done) { done(SeriesCopies::kUsual); }
  virtual void seriesEnded() {}
};

}  // namespace yorvane
