#include "capture/screen_capture.h"

#include <functional>
#include <utility>

namespace yorvane {

ScreenCapture::ScreenCapture(Screen& screen, Clock& clock, const Dispatcher& dispatch)
    : source_(screen),
      dispatch_(dispatch),
      deadline_(clock.createTimer("copyDeadlineTimer", kDeadlineMs,
                                  [this] { finish(copyNumber_, ScreenCopy::kFailed); })) {}

void ScreenCapture::copy(Done done) {
  if (inFlight_) {
    next_ = std::move(done);
    return;
  }
  inFlight_ = std::move(done);
  deadline_->setEnabled(true);
  source_.copyScreen(screen_, std::bind_front(&ScreenCapture::finish, this, ++copyNumber_));
}

void ScreenCapture::finish(unsigned number, ScreenCopy result) {
  if (number != copyNumber_ || !inFlight_) return;
  deadline_->setEnabled(false);
  ++copyNumber_;
  dispatch_(std::bind_front(std::exchange(inFlight_, nullptr), result));
  if (next_ && !inFlight_) copy(std::exchange(next_, nullptr));
}

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
