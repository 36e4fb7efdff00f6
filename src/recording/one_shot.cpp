// Starting a one-shot capture and choosing its delay.
#include "app/form1.h"
#include "app/program.h"

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

}  // namespace yorvane
