// The region copy, the series step Roku2 and the one-shot cycle of Timer1a.
#include <algorithm>
#include <cmath>

#include "app/form1.h"
#include "app/program.h"
#include "ui_model/runtime_error.h"
#include "platform/message_box.h"

namespace yorvane {

namespace {
// Doubles a picker coordinate into screen pixels, halves rounded to even.
int doubled(float v) {
  const double d = static_cast<double>(v) + static_cast<double>(v);
  return static_cast<int>(std::nearbyint(std::clamp(d, -1e9, 1e9)));
}
}  // namespace

bool Form1::regionUsable() const { return g_.RegionReady != kFalse && !Pic3.picture().empty(); }

void Form1::refuseMissingRegion(Timer& pending) {
  // Stopped before the box opens, so ticks while it is open cannot open another.
  pending.setEnabled(false);
  platform_.messageBox("コピー範囲が未設定です", "", mb::kOkOnly + mb::kExclamation);
}

void Form1::regionCopy() {
  const Rect r = Sha1.geometry();
  Pic3.picture().copyFrom(window.image(), doubled(r.left), doubled(r.top), doubled(r.width),
                          doubled(r.height));
}

void Form1::Roku2() {
  // The region is cut after the save sound, right before the save.
  seriesStep([this]() -> const Image& {
    regionCopy();
    return Pic3.picture();
  });
}

void Form1::Timer1a_Timer() {
  if (!regionUsable()) {
    refuseMissingRegion(*Timer1a);
    return;
  }
  oneShotTick(RegionShotTicks, *Timer1a, [this] {
    FileNumber = checkedAdd(FileNumber, 1);
    fullScreenCopy();
    withFailureTrap([this] {
      platform_.doEvents();
      regionCopy();
      regionPictureWaiting_ = true;
      platform_.doEvents();
      saveSound();
      savePicture(Pic3.picture());
      regionPictureWaiting_ = false;
      Command7.setCaption(numberText(FileNumber));
    });
  });
}

}  // namespace yorvane
