// Starting a one-shot capture, its delay, and the timing frame its ticks share.
#include "app/form1.h"
#include "app/program.h"
#include "ui_model/runtime_error.h"

namespace yorvane {

void Form1::Option1_Click(int16_t Index) { DelayIndex = Index; }

void Form1::Command1_Click() { startOneShot(); }

void Form1::startOneShot() {
  // A start that arrives while a region picture waits for its save must not erase it.
  if (!regionPictureWaiting_) Pic3.clearPicture();
  if (g_.PartialMode != kFalse) {
    Timer1a->setEnabled(true);
  } else {
    Timer1->setEnabled(true);
  }
}

void Form1::oneShotTick(int16_t& ticks, Timer& timer, const std::function<void()>& takePicture) {
  window.hide();
  program_.form2.window.hide();
  ticks = checkedAdd(ticks, 1);
  platform_.doEvents();
  if (ticks == checkedMul(2, DelayIndex)) takePicture();
  if (ticks == checkedMul(3, DelayIndex)) {
    showWindowInUse();
    timer.setEnabled(false);
    ticks = 0;
  }
}

}  // namespace yorvane
