#include "capture/screen_capture.h"

namespace yorvane {

std::string copyFailureText(ScreenCopy failure) {
  switch (failure) {
    case ScreenCopy::kPaletteScreen:
      return "この画面の色数（256色以下）には対応していません。\r"
             "画面の色数を16ビット以上にしてください。";
    case ScreenCopy::kUnavailable:
      return "この Wayland の画面では、画面をコピーできません。\r"
             "デスクトップにスクリーンショットのポータルがありません。";
    case ScreenCopy::kRefused:
      return "画面のコピーが許可されませんでした。";
    case ScreenCopy::kUnreadable:
      return "デスクトップから届いた画像の形式が読めませんでした。";
    default:
      return "画面をコピーできませんでした。";
  }
}

}  // namespace yorvane
