#include "recording/one_shot.h"

#include <functional>
#include <utility>

#include "core/handler_timer.h"
#include "platform/message_box.h"

namespace yorvane {

OneShot::OneShot(Dialogs& dialogs, Clock& clock, const Dispatcher& dispatch,
                 ProgramWindows& windows, const Settings& settings, ScreenCapture& screen,
                 RegionCapture& region, PictureStore& pictures)
    : dialogs_(dialogs),
      windows_(windows),
      screen_(screen),
      region_(region),
      pictures_(pictures),
      screenCycle_(clock, dispatch, "screenShotTimer", windows, settings, screen, steps(false)),
      regionCycle_(clock, dispatch, "regionShotTimer", windows, settings, screen, steps(true)) {}

ShotCycle::Steps OneShot::steps(bool ofRegion) {
  ShotCycle::Steps steps;
  if (ofRegion) {
    steps.goesOn = [this] {
      if (region_.usable()) return true;
      refuseMissingRegion();
      return false;
    };
  }
  steps.copies = [this] {
    if (!pictures_.atLastNumber()) return true;
    tellWaiting({{}, pictures_.numbersRanOutText()});
    pictures_.tellNumbersRanOut();
    return false;
  };
  steps.copied = std::bind_front(&OneShot::save, this, ofRegion);
  steps.ended = [this] { windows_.showOneInUse(); };
  return steps;
}

void OneShot::start(PicturesDone done) {
  if (running()) return;
  waiting_ = std::move(done);
  (region_.partial() ? regionCycle_ : screenCycle_).start();
}

void OneShot::refuseMissingRegion() {
  constexpr const char* kNoRegion = "コピー範囲が未設定です";
  if (regionCycle_.running()) {
    regionCycle_.stop();
    tellWaiting({{}, kNoRegion});
  }
  dialogs_.messageBox(kNoRegion, "", {BoxButtons::kOk, BoxIcon::kExclamation});
}

void OneShot::tellWaiting(const PicturesTaken& taken) {
  if (const PicturesDone waiting = std::exchange(waiting_, nullptr)) waiting(taken);
}

void OneShot::save(bool ofRegion, ScreenCopy result) {
  if (result != ScreenCopy::kCopied) {
    const std::string text = copyFailureText(result) + "\r保存していません。";
    tellWaiting({{}, text});
    dialogs_.messageBox(text, "画面をコピーできません", {BoxButtons::kOk, BoxIcon::kExclamation});
    return;
  }
  const std::string path =
      ofRegion ? pictures_.saveUnderNextNumber(std::bind_front(&RegionCapture::cut, &region_))
               : pictures_.saveUnderNextNumber(std::bind_front(&ScreenCapture::screen, &screen_));
  pictures_.showNumber();
  tellWaiting({{path}, {}});
}

}  // namespace yorvane
