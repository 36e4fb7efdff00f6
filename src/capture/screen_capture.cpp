#include "capture/screen_capture.h"

namespace yorvane {

std::string copyFailureText(ScreenCopy failure) {
  if (failure == ScreenCopy::kPaletteScreen) {
    return "この画面の色数（256色以下）には対応していません。\r"
           "画面の色数を16ビット以上にしてください。";
  }
  return "画面をコピーできませんでした。";
}

}  // namespace yorvane
