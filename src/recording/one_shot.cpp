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
      screenCycle_(platform, windows, delay),
      regionCycle_(platform, windows, delay),
      screenShotTimer_(makeHandlerTimer(platform, dispatch, "screenShotTimer", kTickMs,
                                        std::bind_front(&OneShot::screenTick, this))),
      regionShotTimer_(makeHandlerTimer(platform, dispatch, "regionShotTimer", kTickMs,
                                        std::bind_front(&OneShot::regionTick, this))) {}

void OneShot::start() {
  region_.clearUnlessWaiting();
  if (region_.partial()) {
    regionShotTimer_->setEnabled(true);
  } else {
    screenShotTimer_->setEnabled(true);
  }
}

void OneShot::refuseMissingRegion() {
  regionShotTimer_->setEnabled(false);
  platform_.messageBox("コピー範囲が未設定です", "", {BoxButtons::kOk, BoxIcon::kExclamation});
}

bool OneShot::copyScreenOrTellWhy() {
  if (pictures_.atLastNumber()) {
    pictures_.tellNumbersRanOut();
    return false;
  }
  const ScreenCopy copy = screen_.copy(IfBusy::kWait);
  if (copy == ScreenCopy::kCopied) return true;
  platform_.messageBox(copyFailureText(copy) + "\r保存していません。", "画面をコピーできません",
                       {BoxButtons::kOk, BoxIcon::kExclamation});
  return false;
}

void OneShot::screenTick() {
  const ShotCycle::Due due = screenCycle_.tick();
  if (due == ShotCycle::Due::kEnd) endCycle(*screenShotTimer_);
  if (due != ShotCycle::Due::kPicture || !copyScreenOrTellWhy()) return;
  pictures_.saveUnderNextNumber(std::bind_front(&ScreenCapture::screen, &screen_));
  pictures_.showNumber();
  platform_.doEvents();
}

void OneShot::endCycle(Timer& timer) {
  windows_.showOneInUse();
  timer.setEnabled(false);
}

void OneShot::regionTick() {
  if (!region_.usable()) {
    refuseMissingRegion();
    return;
  }
  const ShotCycle::Due due = regionCycle_.tick();
  if (due == ShotCycle::Due::kEnd) endCycle(*regionShotTimer_);
  if (due != ShotCycle::Due::kPicture || !copyScreenOrTellWhy()) return;
  pictures_.saveUnderNextNumber([this]() -> const Image& {
    const Image& cut = region_.cut();
    // A start during the wait for the save must not erase the cut.
    region_.setCutWaiting(true);
    platform_.doEvents();
    return cut;
  });
  region_.setCutWaiting(false);
  pictures_.showNumber();
}

}  // namespace yorvane
