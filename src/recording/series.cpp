#include "recording/series.h"

#include "platform/message_box.h"
#include "ui_model/handler_timer.h"
#include "ui_model/runtime_error.h"
#include "ui_model/state_mark.h"

namespace yorvane {

namespace {
constexpr const char* kEndSound = "録画が、終りました.wav";
constexpr int kLeadInTickMs = 900;
// The screen series' interval until one is chosen, and the region series' pace.
constexpr int kRegionPaceMs = 800;
constexpr int kIntervalsMs[] = {500, 1000, 1500, 2000};
// Marks, in the state folder, that the user knows a series has no screen cast here.
constexpr const char* kNoScreenCastNoticeShown = "screencast-notice-shown";
}  // namespace

Series::Series(Platform& platform, const Dispatcher& dispatch, WindowPair& windows,
               ScreenCapture& screen, RegionCapture& region, PictureStore& pictures,
               OneShot& oneShot, const Control& countList, const Control& endSoundBox)
    : platform_(platform),
      windows_(windows),
      screen_(screen),
      region_(region),
      pictures_(pictures),
      oneShot_(oneShot),
      countList_(countList),
      endSoundBox_(endSoundBox),
      leadInTimer_(makeHandlerTimer(platform, dispatch, "leadInTimer", kLeadInTickMs,
                                    std::bind_front(&Series::leadInTick, this))),
      screenSeriesTimer_(makeHandlerTimer(
          platform, dispatch, "screenSeriesTimer", kRegionPaceMs,
          [this] {
            seriesTick(*screenSeriesTimer_, [this]() -> const Image& { return screen_.screen(); });
          })),
      regionSeriesTimer_(
          makeHandlerTimer(platform, dispatch, "regionSeriesTimer", kRegionPaceMs, [this] {
            // The region is cut once the number is stored, right before the save.
            seriesTick(*regionSeriesTimer_, [this]() -> const Image& { return region_.cut(); });
          })) {}

void Series::start(Window& pressed) {
  region_.clearUnlessWaiting();
  if (region_.partial() && !region_.usable()) {
    oneShot_.refuseMissingRegion();
    return;
  }
  if (!running()) {
    busy_ = 0;
    saved_ = 0;
    // Before the hide: the desktop may ask the user, on behalf of the window
    // in use, whether the program may cast the screen.
    noScreenCast_ = platform_.seriesStarting() == SeriesCopies::kNoScreenCast;
  }
  pressed.hide();
  if (region_.partial()) {
    regionSeriesTimer_->setEnabled(true);
  } else {
    leadInTimer_->setEnabled(true);
  }
}

void Series::leadInTick() {
  leadInTicks_ = checkedAdd(leadInTicks_, 1);
  if (leadInTicks_ > 2) {
    screenSeriesTimer_->setEnabled(true);
    leadInTimer_->setEnabled(false);
    leadInTicks_ = 0;
  }
}

void Series::seriesTick(Timer& timer, const std::function<const Image&()>& picture) {
  if (pictures_.atLastNumber()) {
    finish(timer);
    pictures_.tellNumbersRanOut();
    return;
  }
  notePace(timer.interval());
  takeSeriesPicture(picture);
  if (picturesTaken_ < picturesWanted_) return;
  finish(timer);
  // Said once the windows are back, so that the series goes on meanwhile and
  // no picture holds the message.
  if (noScreenCast_ && firstTimeFor(platform_, kNoScreenCastNoticeShown)) {
    platform_.messageBox(
        "この Wayland の画面では、連続撮影に画面の配信（スクリーンキャスト）を使えません。\r"
        "連続撮影はスクリーンショットで撮ります。間隔を保てないことがあります。",
        "スクリーンキャストを使えません", {BoxButtons::kOk, BoxIcon::kInformation});
  }
  if (endSoundBox_.ticked()) {
    // Played by the sound server, the chime leaves the focus where it is;
    // xdg-open, whose player may show a window, is the fallback.
    const std::string chime = platform_.findResource(kEndSound);
    if (!platform_.playSoundFile(chime)) platform_.openWithAssociatedProgram(chime);
    platform_.doEvents();
  }
  if (skipped_ > 0) {
    const std::string text =
        copyFailureText(lastFailure_) + "\r" + std::to_string(skipped_) + " 枚は保存していません。";
    skipped_ = 0;
    platform_.messageBox(text, "画面をコピーできません", {BoxButtons::kOk, BoxIcon::kExclamation});
  }
  tellPace(timer.interval());
}

void Series::notePace(int intervalMs) {
  const int64_t now = platform_.nowMs();
  if (picturesTaken_ == 0) {
    firstTickMs_ = now;
    dueSpanMs_ = 0;
  } else {
    dueSpanMs_ += intervalMs;
  }
  lastTickMs_ = now;
}

void Series::tellPace(int intervalMs) {
  // Half an interval over the whole series: later than that, a tick was lost.
  const bool late = lastTickMs_ - firstTickMs_ > dueSpanMs_ + intervalMs / 2;
  if (busy_ == 0 && !late) return;
  std::string text = "画面のコピーが間に合わず、選んだ間隔（" + std::to_string(intervalMs) +
                     " ミリ秒）を保てませんでした。";
  if (saved_ > 0) {
    // Each picture stands for the interval that follows its tick.
    const int64_t reached = (lastTickMs_ - firstTickMs_ + intervalMs) / saved_;
    text += "\r平均 " + std::to_string(reached) + " ミリ秒ごとに保存しました。";
  }
  if (busy_ > 0) text += "\r" + std::to_string(busy_) + " 枚は保存していません。";
  busy_ = 0;
  platform_.messageBox(text, "間隔を保てません", {BoxButtons::kOk, BoxIcon::kExclamation});
}

void Series::takeSeriesPicture(const std::function<const Image&()>& picture) {
  picturesTaken_ = checkedAdd(picturesTaken_, 1);
  platform_.doEvents();
  // A tick whose copy would have to wait for an earlier one is skipped and
  // counted: waiting would push every later picture off the series' pace.
  const ScreenCopy copy = screen_.copy(IfBusy::kSkip);
  if (copy == ScreenCopy::kBusy) {
    busy_ = checkedAdd(busy_, 1);
    return;
  }
  if (copy != ScreenCopy::kCopied) {
    skipped_ = checkedAdd(skipped_, 1);
    lastFailure_ = copy;
    return;
  }
  saved_ = checkedAdd(saved_, 1);
  pictures_.saveUnderNextNumber(picture);
  platform_.doEvents();
}

void Series::finish(Timer& timer) {
  timer.setEnabled(false);
  platform_.seriesEnded();
  windows_.showOneInUse();
  picturesTaken_ = 0;
  pictures_.showNumber();
}

void Series::chooseInterval(int16_t element) {
  if (element >= 0 && element <= 3) screenSeriesTimer_->setInterval(kIntervalsMs[element]);
  intervalChoice_ = std::to_string(element);
}

void Series::chooseCount() {
  picturesWanted_ = to16(countList_.listIndex() * 5LL);
}

}  // namespace yorvane
