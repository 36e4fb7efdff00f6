#pragma once

#include <cstdint>
#include <memory>

#include "capture/picture_store.h"
#include "capture/region_capture.h"
#include "capture/screen_capture.h"
#include "capture/shot_cycle.h"
#include "capture/shot_delay.h"
#include "platform/platform.h"
#include "platform/timer.h"
#include "ui_model/dispatcher.h"
#include "ui_model/window_pair.h"

namespace yorvane {

// One picture per press, of the whole screen or of the region, taken after
// the chosen delay with the program's windows hidden.
class OneShot {
 public:
  OneShot(Platform& platform, const Dispatcher& dispatch, WindowPair& windows, ShotDelay& delay,
          ScreenCapture& screen, RegionCapture& region, PictureStore& pictures);

  // The delay option; its element number is the delay in steps.
  void chooseDelay(int16_t steps) { delay_.setSteps(steps); }
  void start();
  // True from the press until the window comes back after the picture.
  bool running() const { return screenShotTimer_->enabled() || regionShotTimer_->enabled(); }
  // Drops a region picture that is still to come and tells the user that no
  // region is set. Stopped before the box opens, so ticks while it is open
  // cannot open another.
  void refuseMissingRegion();

 private:
  // Copies the screen for a picture; false, after telling the user why, when
  // no picture can be taken.
  bool copyScreenOrTellWhy();
  // The ticks of a picture's cycle, of the whole screen and of the region:
  // the tick the cycle names takes the picture and saves it.
  void screenTick();
  void regionTick();
  // Brings the window in use back and stops the cycle's timer.
  void endCycle(Timer& timer);

  Platform& platform_;
  WindowPair& windows_;
  ShotDelay& delay_;
  ScreenCapture& screen_;
  RegionCapture& region_;
  PictureStore& pictures_;
  ShotCycle screenCycle_;
  ShotCycle regionCycle_;
  std::unique_ptr<Timer> screenShotTimer_;
  std::unique_ptr<Timer> regionShotTimer_;
};

}  // namespace yorvane
