#include "recording/one_shot.h"

#include <functional>
#include <utility>

#include "core/handler_timer.h"
#include "platform/message_box.h"

namespace yorvane {

namespace {
constexpr int kTickMs = 100;
}

OneShot::OneShot(Dialogs& dialogs, Clock& clock, const Dispatcher& dispatch,
                 ProgramWindows& windows, const Settings& settings, ScreenCapture& screen,
                 RegionCapture& region, PictureStore& pictures)
    : dialogs_(dialogs),
      windows_(windows),
      screen_(screen),
      region_(region),
      pictures_(pictures),
      cycle_(windows, settings),
      screenShotTimer_(makeHandlerTimer(clock, dispatch, "screenShotTimer", kTickMs,
                                        std::bind_front(&OneShot::tick, this))),
      regionShotTimer_(makeHandlerTimer(clock, dispatch, "regionShotTimer", kTickMs,
                                        std::bind_front(&OneShot::tick, this))) {}

void OneShot::start(PicturesDone done) {
  if (state_ != State::kIdle) return;
  waiting_ = std::move(done);
  region_.clearPicture();
  ofRegion_ = region_.partial();
  state_ = State::kBeforePicture;
  (ofRegion_ ? regionShotTimer_ : screenShotTimer_)->setEnabled(true);
}

void OneShot::refuseMissingRegion() {
  constexpr const char* kNoRegion = "コピー範囲が未設定です";
  regionShotTimer_->setEnabled(false);
  if (ofRegion_ && state_ != State::kIdle) {
    state_ = State::kIdle;
    tellWaiting({{}, kNoRegion});
  }
  dialogs_.messageBox(kNoRegion, "", {BoxButtons::kOk, BoxIcon::kExclamation});
}

void OneShot::tellWaiting(const PicturesTaken& taken) {
  if (const PicturesDone waiting = std::exchange(waiting_, nullptr)) waiting(taken);
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
      tellWaiting({{}, pictures_.numbersRanOutText()});
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
    const std::string text = copyFailureText(result) + "\r保存していません。";
    tellWaiting({{}, text});
    dialogs_.messageBox(text, "画面をコピーできません", {BoxButtons::kOk, BoxIcon::kExclamation});
    return;
  }
  const std::string path =
      ofRegion_ ? pictures_.saveUnderNextNumber(std::bind_front(&RegionCapture::cut, &region_))
                : pictures_.saveUnderNextNumber(std::bind_front(&ScreenCapture::screen, &screen_));
  pictures_.showNumber();
  tellWaiting({{path}, {}});
}

void OneShot::endCycle() {
  windows_.showOneInUse();
  (ofRegion_ ? regionShotTimer_ : screenShotTimer_)->setEnabled(false);
  state_ = State::kIdle;
}

}  // namespace yorvane
