#include "capture/shot_cycle.h"

#include "core/runtime_error.h"

namespace yorvane {

ShotCycle::ShotCycle(WindowPair& windows, const ShotDelay& delay)
    : windows_(windows), delay_(delay) {}

ShotCycle::Due ShotCycle::tick() {
  windows_.hideBoth();
  ticks_ = checkedAdd(ticks_, 1);
  const int16_t pictureTick = checkedMul(2, delay_.steps());
  const int16_t endTick = checkedMul(3, delay_.steps());
  if (ticks_ == pictureTick) return Due::kPicture;
  if (ticks_ != endTick) return Due::kNothing;
  ticks_ = 0;
  return Due::kEnd;
}

}  // namespace yorvane
