// The full-screen copy, the series step Rokuga and the one-shot cycle of Timer1.
#include "app/form1.h"
#include "app/program.h"
#include "ui_model/runtime_error.h"

namespace yorvane {

void Form1::fullScreenCopy() {
  // A failed copy is not looked at: the image keeps its last content and is saved as it is.
  platform_.copyScreen(window.image());
}

void Form1::seriesStep(const std::function<const Image&()>& picture) {
  FramesTaken = checkedAdd(FramesTaken, 1);
  FileNumber = checkedAdd(FileNumber, 1);
  platform_.doEvents();
  fullScreenCopy();
  withFailureTrap([this, &picture] {
    platform_.doEvents();
    saveSound();
    savePicture(picture());
    platform_.doEvents();
  });
}

void Form1::Rokuga() {
  seriesStep([this]() -> const Image& { return window.image(); });
}

void Form1::Timer1_Timer() {
  oneShotTick(FullShotTicks, *Timer1, [this] {
    FileNumber = checkedAdd(FileNumber, 1);
    fullScreenCopy();
    withFailureTrap([this] {
      platform_.doEvents();
      saveSound();
      savePicture(window.image());
      Command7.setCaption(numberText(FileNumber));
      platform_.doEvents();
    });
  });
}

}  // namespace yorvane
