// Picking the capture region on a half-size snapshot of the desktop.
#include <algorithm>
#include <cmath>

#include "app/form1.h"
#include "app/program.h"
#include "ui_model/runtime_error.h"
#include "platform/message_box.h"

namespace yorvane {

namespace {
// Far beyond any screen, and safe to convert.
constexpr float kLargestPicture = 100000;
int pixelCount(float v) { return static_cast<int>(std::nearbyint(std::clamp(v, 0.0f, kLargestPicture))); }
}  // namespace

void Form1::Command5_Click() { openPicker(false); }

void Form1::openPicker(bool showMainWindow) {
  const Size screen = platform_.screenSize();
  const auto sw = static_cast<float>(screen.width * kTwipsPerPixel);
  const auto sh = static_cast<float>(screen.height * kTwipsPerPixel);
  window.move(sw / 4, sh / 6);
  window.resize(sw / 2, sh / 2 + 400);
  if (showMainWindow) window.show();
  const float inner = window.scaleWidth();
  Pic2.setGeometry({0, 0, inner, inner});
  Pic2.setVisible(true);
  Timer4->setEnabled(true);
  Sha1.setVisible(false);
}

void Form1::Timer4_Timer() {
  window.hide();
  program_.form2.window.hide();
  SnapshotTicks = checkedAdd(SnapshotTicks, 1);
  platform_.doEvents();
  if (SnapshotTicks == checkedMul(2, DelayIndex)) {
    // A failed copy leaves the snapshot Pic2 already shows.
    const bool copied = platform_.copyScreen(window.image());
    platform_.doEvents();
    if (copied) {
      Pic2.picture().assignHalfSizeOf(window.image());
      Pic2.pictureChanged();
    }
    platform_.doEvents();
  }
  if (SnapshotTicks == checkedMul(3, DelayIndex)) {
    if (g_.CompactView != kFalse) program_.form2.window.show();
    window.show();
    Timer4->setEnabled(false);
    SnapshotTicks = 0;
  }
}

void Form1::Pic2_MouseDown(int16_t Button, int16_t, float X, float Y) {
  if (Button != kLeftButton) return;
  DragStartX = X;
  DragStartY = Y;
  Sha1.setVisible(true);
}

void Form1::Pic2_MouseMove(int16_t Button, int16_t, float X, float Y) {
  if (Button == kLeftButton) {
    DragEndX = X;
    DragEndY = Y;
  }
  if (DragStartX > DragEndX || DragStartY > DragEndY) return;
  const float w = DragEndX - DragStartX;
  const float h = g_.AspectMode == 0 ? DragEndY - DragStartY : w * g_.AspectMode;
  Sha1.setGeometry({DragStartX, DragStartY, w, h});
}

void Form1::Pic2_MouseUp(int16_t, int16_t, float, float) {
  const int answer = platform_.messageBox(
      "選択範囲は良いですか？\r[キャンセル] を選択すると選択フォームを閉じます", "選択範囲確認",
      mb::kYesNoCancel + mb::kQuestion + mb::kDefaultButton3 + mb::kSystemModal);
  if (answer == mb::kYes) {
    g_.RegionReady = kTrue;
    const Rect r = Sha1.geometry();
    const float w = r.width + r.width;
    const float h = r.height + r.height;
    Pic3.setGeometry({0, 0, w, h});
    Pic3.picture().resize(pixelCount(w), pixelCount(h));
    Pic3.clearPicture();
    window.resize(6630, 3315);
    Pic2.setVisible(false);
    if (g_.CompactView != kFalse) window.hide();
  } else if (answer == mb::kNo) {
    Command5_Click();
  } else {
    Pic2.setVisible(false);
    window.resize(6630, 3315);
    if (g_.CompactView != kFalse) window.hide();
  }
}

}  // namespace yorvane
