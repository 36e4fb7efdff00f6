#pragma once

#include <cstdint>
#include <functional>

#include "capture/shot_delay.h"
#include "platform/platform.h"
#include "platform/timer.h"
#include "ui_model/window_pair.h"

namespace yorvane {

// The cycle of a picture taken with the program's windows out of the way,
// one call per tick of its timer: every tick hides both windows, tick
// 2 x delay takes the picture, and tick 3 x delay ends the cycle and stops
// the timer.
class ShotCycle {
 public:
  ShotCycle(Platform& platform, WindowPair& windows, const ShotDelay& delay);

  void tick(Timer& timer, const std::function<void()>& takePicture,
            const std::function<void()>& showWindows);

 private:
  Platform& platform_;
  WindowPair& windows_;
  const ShotDelay& delay_;
  int16_t ticks_ = 0;
};

}  // namespace yorvane
