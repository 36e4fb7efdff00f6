#pragma once

#include <cstdint>

#include "capture/picture_store.h"
#include "capture/region_capture.h"
#include "capture/screen_capture.h"
#include "capture/shot_cycle.h"
#include "core/dispatcher.h"
#include "core/program_windows.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/orders.h"

namespace yorvane {

// One picture per press, of the whole screen or of the region, taken after
// the chosen delay with the program's windows hidden: a 100 ms tick hides
// them, the picture's tick starts the screen copy, the picture is saved when
// the copy comes, and the cycle's last tick brings the window back, but not
// while the copy is still out.
class OneShot {
 public:
  // The delay is the settings' delay steps.
  OneShot(Dialogs& dialogs, Clock& clock, const Dispatcher& dispatch, ProgramWindows& windows,
          const Settings& settings, ScreenCapture& screen, RegionCapture& region,
          PictureStore& pictures);

  // A press while a picture is under way changes nothing. done, where given,
  // runs once the picture is saved or could not be.
  void start(PicturesDone done);
  // True from the press until the window comes back after the picture.
  bool running() const { return screenCycle_.running() || regionCycle_.running(); }
  // Drops a region picture that is still to come and tells the user that no
  // region is set. Stopped before the box opens, so ticks while it is open
  // cannot open another.
  void refuseMissingRegion();

 private:
  // The steps of a cycle of the screen's picture, or of the region's.
  ShotCycle::Steps steps(bool ofRegion);
  // Saves the picture of the copy, or tells the user why there is none.
  void save(bool ofRegion, ScreenCopy result);
  // Tells whoever waits for this picture what became of it.
  void tellWaiting(const PicturesTaken& taken);

  Dialogs& dialogs_;
  ProgramWindows& windows_;
  ScreenCapture& screen_;
  RegionCapture& region_;
  PictureStore& pictures_;
  PicturesDone waiting_;  // who waits for the picture under way
  ShotCycle screenCycle_;
  ShotCycle regionCycle_;
};

}  // namespace yorvane
