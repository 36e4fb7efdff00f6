// The full-screen copy, the series step Rokuga and the one-shot cycle of Timer1.
#include "app/form1.h"
#include "app/program.h"
#include "app/runtime.h"

namespace yorvane {

void Form1::fullScreenCopy() {
  // A failed copy is not looked at: the image keeps its last content and is saved as it is.
  platform_.copyScreen(window.image());
}

void Form1::Rokuga() {
  FramesTaken = checkedAdd(FramesTaken, 1);
  FileNumber = checkedAdd(FileNumber, 1);
  platform_.doEvents();
  fullScreenCopy();
  withFailureTrap([this] {
    platform_.doEvents();
    saveSound();
    savePicture(window.image());
    platform_.doEvents();
  });
}

void Form1::Timer1_Timer() {
  window.hide();
  program_.form2.window.hide();
  FullShotTicks = checkedAdd(FullShotTicks, 1);
  platform_.doEvents();
  if (FullShotTicks == checkedMul(2, DelayIndex)) {
    FileNumber = checkedAdd(FileNumber, 1);
    fullScreenCopy();
    withFailureTrap([this] {
      platform_.doEvents();
      saveSound();
      savePicture(window.image());
      Command7.setCaption(numberText(FileNumber));
      platform_.doEvents();
    });
  }
  if (FullShotTicks == checkedMul(3, DelayIndex)) {
    showWindowInUse();
    Timer1->setEnabled(false);
    FullShotTicks = 0;
  }
}

}  // namespace yorvane
