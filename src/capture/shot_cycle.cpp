#include "capture/shot_cycle.h"

#include "core/runtime_error.h"

namespace yorvane {

ShotCycle::ShotCycle(ProgramWindows& windows, const Settings& settings)
    : windows_(windows), settings_(settings) {}

ShotCycle::Due ShotCycle::tick() {
  windows_.hideBoth();
  ticks_ = checkedAdd(ticks_, 1);
  const int16_t pictureTick = checkedMul(2, settings_.delaySteps);
  const int16_t endTick = checkedMul(3, settings_.delaySteps);
  if (ticks_ == pictureTick) return Due::kPicture;
  if (ticks_ != endTick) return Due::kNothing;
  ticks_ = 0;
  return Due::kEnd;
}

}  // namespace yorvane
