#pragma once

#include <cstdint>

namespace yorvane {

// The chosen delay of a one-shot and of the picker's snapshot, in steps of
// 100 ms: the picture comes two steps' worth of ticks after the start, the
// windows return after three.
class ShotDelay {
 public:
  int16_t steps() const { return steps_; }
  void setSteps(int16_t steps) { steps_ = steps; }

 private:
  int16_t steps_ = 0;
};

}  // namespace yorvane
