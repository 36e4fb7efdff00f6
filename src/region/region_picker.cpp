#include "region/region_picker.h"

#include "core/handler_timer.h"
#include "platform/message_box.h"
#include "ui_model/layout.h"

namespace yorvane {

namespace {
constexpr int kTickMs = 100;
}  // namespace

RegionPicker::RegionPicker(Platform& platform, const Dispatcher& dispatch, WindowPair& windows,
                           const Settings& settings, ScreenCapture& screen, RegionCapture& region,
                           Control& snapshot, Control& selection)
    : platform_(platform),
      windows_(windows),
      screen_(screen),
      region_(region),
      settings_(settings),
      snapshot_(snapshot),
      selection_(selection),
      cycle_(windows, settings),
      snapshotTimer_(makeHandlerTimer(platform, dispatch, "snapshotTimer", kTickMs,
                                      std::bind_front(&RegionPicker::snapshotTick, this))) {}

void RegionPicker::snapshotTick() {
  const ShotCycle::Due due = cycle_.tick();
  if (due == ShotCycle::Due::kPicture && state_ == State::kBeforeCopy) {
    state_ = State::kCopying;
    screen_.copy(std::bind_front(&RegionPicker::copied, this));
  } else if (due == ShotCycle::Due::kEnd) {
    if (state_ == State::kCopying) {
      snapshotTimer_->setEnabled(false);
      state_ = State::kCopyingAtEnd;
    } else {
      endCycle();
    }
  }
}

void RegionPicker::copied(ScreenCopy result) {
  const bool atEnd = state_ == State::kCopyingAtEnd;
  state_ = State::kAfterCopy;
  // A failed copy leaves the snapshot already shown.
  if (result == ScreenCopy::kCopied) {
    snapshot_.picture().assignHalfSizeOf(screen_.screen());
    // Shown at half the screen's logical size, however many pixels it has.
    snapshotScale_ = platform_.screenScale();
    snapshot_.setPictureScale(snapshotScale_);
    snapshot_.pictureChanged();
  }
  if (atEnd) endCycle();
}

void RegionPicker::endCycle() {
  // In compact view the toolbar comes back beside the main window, which stays for the picking.
  if (windows_.compact()) windows_.toolbar().show();
  windows_.main().show();
  snapshotTimer_->setEnabled(false);
  state_ = State::kIdle;
}

void RegionPicker::open(bool showMainWindow) {
  Window& main = windows_.main();
  const Size screen = platform_.screenSize();
  const auto sw = static_cast<float>(screen.width * kTwipsPerPixel);
  const auto sh = static_cast<float>(screen.height * kTwipsPerPixel);
  main.move(sw / 4, sh / 6);
  main.resize(sw / 2, sh / 2 + 400);
  if (showMainWindow) main.show();
  const float inner = main.scaleWidth();
  snapshot_.setGeometry({0, 0, inner, inner});
  snapshot_.setVisible(true);
  if (state_ == State::kIdle) state_ = State::kBeforeCopy;
  snapshotTimer_->setEnabled(true);
  selection_.setVisible(false);
}

void RegionPicker::press(const MouseEvent& e) {
  if (e.button != kLeftButton) return;
  dragStartX_ = e.x;
  dragStartY_ = e.y;
  selection_.setVisible(true);
}

void RegionPicker::drag(const MouseEvent& e) {
  if (e.button == kLeftButton) {
    dragEndX_ = e.x;
    dragEndY_ = e.y;
  }
  // The rectangle grows only right of and below the press point.
  if (dragStartX_ > dragEndX_ || dragStartY_ > dragEndY_) return;
  const float w = dragEndX_ - dragStartX_;
  const float factor = settings_.aspect;
  const float h = factor == 0 ? dragEndY_ - dragStartY_ : w * factor;
  selection_.setGeometry({dragStartX_, dragStartY_, w, h});
  region_.select(selection_.geometry());
}

void RegionPicker::release() {
  const BoxAnswer answer = platform_.messageBox(
      "選択範囲は良いですか？\r[キャンセル] を選択すると選択フォームを閉じます", "選択範囲確認",
      {.buttons = BoxButtons::kYesNoCancel,
       .icon = BoxIcon::kQuestion,
       .defaultButton = 2,
       .aboveAll = true});
  Window& main = windows_.main();
  // The picker closes to the main window in partial mode.
  const auto closePicker = [&main] {
    main.resize(layout::main_window::kPartialWidth, layout::main_window::kHeight);
  };
  if (answer == BoxAnswer::kYes) {
    region_.confirm(snapshotScale_, settings_.aspect);
    closePicker();
    snapshot_.setVisible(false);
  } else if (answer == BoxAnswer::kNo) {
    open(false);
    return;
  } else {
    snapshot_.setVisible(false);
    closePicker();
  }
  // In compact view the toolbar alone stays.
  if (windows_.compact()) main.hide();
}

}  // namespace yorvane
