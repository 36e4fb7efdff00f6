#pragma once

#include <cstdint>

#include "core/program_windows.h"
#include "core/settings.h"

namespace yorvane {

// The cycle of a picture taken with the program's windows out of the way,
// one call per tick of its timer: every tick hides both windows, tick
// 2 x delay is the picture's, and tick 3 x delay ends the cycle, when the
// caller shows its windows again and stops the timer (delay: the settings'
// delay steps).
class ShotCycle {
 public:
  enum class Due { kNothing, kPicture, kEnd };

  ShotCycle(ProgramWindows& windows, const Settings& settings);

  // One tick: hides both windows and says what is due now. After kEnd the
  // next tick starts a new cycle. The picture's tick comes at least one tick
  // after the first hide, so the desktop has drawn the screen without them.
  Due tick();

 private:
  ProgramWindows& windows_;
  const Settings& settings_;
  int16_t ticks_ = 0;
};

}  // namespace yorvane
