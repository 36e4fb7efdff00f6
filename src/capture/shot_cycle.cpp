#include "capture/shot_cycle.h"

#include "ui_model/runtime_error.h"

namespace yorvane {

ShotCycle::ShotCycle(Platform& platform, WindowPair& windows, const ShotDelay& delay)
    : platform_(platform), windows_(windows), delay_(delay) {}

void ShotCycle::tick(Timer& timer, const std::function<void()>& takePicture,
                     const std::function<void()>& showWindows) {
  windows_.hideBoth();
  ticks_ = checkedAdd(ticks_, 1);
  platform_.doEvents();
  if (ticks_ == checkedMul(2, delay_.steps())) takePicture();
  if (ticks_ == checkedMul(3, delay_.steps())) {
    showWindows();
    timer.setEnabled(false);
    ticks_ = 0;
  }
}

}  // namespace yorvane
