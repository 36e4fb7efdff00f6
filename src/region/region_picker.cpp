#include "region/region_picker.h"

#include "platform/message_box.h"

namespace yorvane {

RegionPicker::RegionPicker(Screen& screenSource, Dialogs& dialogs, Clock& clock,
                           const Dispatcher& dispatch, ProgramWindows& windows, PickerView& view,
                           const Settings& settings, ScreenCapture& screen, RegionCapture& region)
    : screenSource_(screenSource),
      dialogs_(dialogs),
      view_(view),
      screen_(screen),
      region_(region),
      settings_(settings),
      cycle_(clock, dispatch, "snapshotTimer", windows, settings, screen,
             {.copied = std::bind_front(&RegionPicker::copied, this),
              .ended = std::bind_front(&PickerView::showWindows, &view)}) {}

void RegionPicker::copied(ScreenCopy result) {
  // A failed copy leaves the snapshot already shown.
  if (result == ScreenCopy::kCopied) {
    snapshotScale_ = screenSource_.screenScale();
    view_.showSnapshot(screen_.screen(), snapshotScale_);
  }
}

void RegionPicker::open(bool showMainWindow) {
  view_.open(showMainWindow);
  cycle_.start();
}

void RegionPicker::press(const MouseEvent& e) {
  if (e.button != kLeftButton) return;
  dragStartX_ = e.x;
  dragStartY_ = e.y;
  view_.showRectangle({dragStartX_, dragStartY_, 0, 0});
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
  const Rect selection{dragStartX_, dragStartY_, w, h};
  view_.showRectangle(selection);
  region_.select(selection);
}

void RegionPicker::release() {
  const BoxAnswer answer = dialogs_.messageBox(
      "選択範囲は良いですか？\r[キャンセル] を選択すると選択フォームを閉じます", "選択範囲確認",
      {.buttons = BoxButtons::kYesNoCancel,
       .icon = BoxIcon::kQuestion,
       .defaultButton = 2,
       .aboveAll = true});
  if (answer == BoxAnswer::kYes) {
    region_.confirm(snapshotScale_, settings_.aspect);
  } else if (answer == BoxAnswer::kNo) {
    open(false);
    return;
  }
  view_.close();
}

}  // namespace yorvane
