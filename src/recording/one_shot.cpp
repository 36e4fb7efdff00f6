#include "recording/one_shot.h"

#include <functional>

#include "platform/message_box.h"
#include "ui_model/handler_timer.h"

namespace yorvane {

namespace {
constexpr int kTickMs = 100;
}

OneShot::OneShot(Platform& platform, const Dispatcher& dispatch, WindowPair& windows,
                 ShotDelay& delay, ScreenCapture& screen, RegionCapture& region,
                 PictureStore& pictures)
    : platform_(platform),
      windows_(windows),
      delay_(delay),
      screen_(screen),
      region_(region),
      pictures_(pictures),
      cycle_(windows, delay),
      screenShotTimer_(makeHandlerTimer(platform, dispatch, "screenShotTimer", kTickMs,
                                        std::bind_front(&OneShot::tick, this))),
      regionShotTimer_(makeHandlerTimer(platform, dispatch, "regionShotTimer", kTickMs,
                                        std::bind_front(&OneShot::tick, this))) {}

void OneShot::start() {
  if (state_ != State::kIdle) return;
  region_.clearPicture();
  ofRegion_ = region_.partial();
  state_ = State::kBeforePicture;
  (ofRegion_ ? regionShotTimer_ : screenShotTimer_)->setEnabled(true);
}

void OneShot::refuseMissingRegion() {
  regionShotTimer_->setEnabled(false);
  if (ofRegion_) state_ = State::kIdle;
  platform_.messageBox("コピー範囲が未設定です", "", {BoxButtons::kOk, BoxIcon::kExclamation});
}

void OneShot::tick() {
  if (ofRegion_ && !region_.usable()) {
    refuseMissingRegion();
    return;
  }
  const ShotCycle::Due due = cycle_.tick();
  if (due == ShotCycle::Due::kEnd) {
    if (state_ == State::kCopying) {
      (ofRegion_ ? regionShotTimer_ : screenShotTimer_)->setEnabled(false);
      state_ = State::kCopyingAtEnd;
    } else {
      endCycle();
    }
  } else if (due == ShotCycle::Due::kPicture && state_ == State::kBeforePicture) {
    if (pictures_.atLastNumber()) {
      state_ = State::kAfterPicture;
      pictures_.tellNumbersRanOut();
      return;
    }
    state_ = State::kCopying;
    screen_.copy(std::bind_front(&OneShot::copied, this));
  }
}

void OneShot::copied(ScreenCopy result) {
  const bool atEnd = state_ == State::kCopyingAtEnd;
  state_ = State::kAfterPicture;
  save(result);
  if (atEnd) endCycle();
}

void OneShot::save(ScreenCopy result) {
  if (result != ScreenCopy::kCopied) {
    platform_.messageBox(copyFailureText(result) + "\r保存していません。", "画面をコピーできません",
                         {BoxButtons::kOk, BoxIcon::kExclamation});
    return;
  }
  if (ofRegion_) {
    pictures_.saveUnderNextNumber(std::bind_front(&RegionCapture::cut, &region_));
  } else {
    pictures_.saveUnderNextNumber(std::bind_front(&ScreenCapture::screen, &screen_));
  }
  pictures_.showNumber();
}

void OneShot::endCycle() {
  windows_.showOneInUse();
  (ofRegion_ ? regionShotTimer_ : screenShotTimer_)->setEnabled(false);
  state_ = State::kIdle;
}

}  // namespace yorvane
