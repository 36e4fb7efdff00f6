#include "recording/series.h"

#include <utility>

#include "core/handler_timer.h"
#include "core/runtime_error.h"
#include "core/state_mark.h"
#include "platform/message_box.h"

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

Series::Series(Screen& screenSource, Dialogs& dialogs, Clock& clock, Sounds& sounds, Files& files,
               const Dispatcher& dispatch, ProgramWindows& windows, ScreenCapture& screen,
               RegionCapture& region, PictureStore& pictures, OneShot& oneShot, Settings& settings)
    : screenSource_(screenSource),
      dialogs_(dialogs),
      clock_(clock),
      sounds_(sounds),
      files_(files),
      dispatch_(dispatch),
      windows_(windows),
      screen_(screen),
      region_(region),
      pictures_(pictures),
      oneShot_(oneShot),
      settings_(settings),
      leadInTimer_(makeHandlerTimer(clock, dispatch, "leadInTimer", kLeadInTickMs,
                                    std::bind_front(&Series::leadInTick, this))),
      screenSeriesTimer_(makeHandlerTimer(clock, dispatch, "screenSeriesTimer", kRegionPaceMs,
                                          std::bind_front(&Series::seriesTick, this))),
      regionSeriesTimer_(makeHandlerTimer(clock, dispatch, "regionSeriesTimer", kRegionPaceMs,
                                          std::bind_front(&Series::seriesTick, this))) {}

void Series::start(ProgramWindows::Which pressed, PicturesDone done) {
  if (state_ != State::kIdle) return;
  if (region_.partial() && !region_.usable()) {
    if (done) done({{}, "コピー範囲が未設定です"});
    oneShot_.refuseMissingRegion();
    return;
  }
  waiting_ = std::move(done);
  taken_ = {};
  busy_ = 0;
  saved_ = 0;
  skipped_ = 0;
  ofRegion_ = region_.partial();
  state_ = State::kOpeningCopies;
  // Before the hide: the desktop may ask the user, on behalf of the window in
  // use, whether the program may cast the screen.
  screenSource_.startSeriesCopies([this, pressed](SeriesCopies copies) {
    dispatch_([this, pressed, copies] {
      noScreenCast_ = copies == SeriesCopies::kNoScreenCast;
      windows_.hide(pressed);
      state_ = ofRegion_ ? State::kRunning : State::kLeadIn;
      (ofRegion_ ? regionSeriesTimer_ : leadInTimer_)->setEnabled(true);
    });
  });
}

void Series::leadInTick() {
  leadInTicks_ = checkedAdd(leadInTicks_, 1);
  if (leadInTicks_ > 2) {
    state_ = State::kRunning;
    screenSeriesTimer_->setEnabled(true);
    leadInTimer_->setEnabled(false);
    leadInTicks_ = 0;
  }
}

void Series::seriesTick() {
  Timer& timer = ofRegion_ ? *regionSeriesTimer_ : *screenSeriesTimer_;
  if (pictures_.atLastNumber()) {
    if (taken_.paths.empty()) taken_.failure = pictures_.numbersRanOutText();
    finish();
    pictures_.tellNumbersRanOut();
    return;
  }
  notePace(timer.interval());
  picturesTaken_ = checkedAdd(picturesTaken_, 1);
  if (screen_.copying()) {
    // The copy of an earlier tick is still out: waiting for it would push
    // every later picture off the series' pace, so this one is counted.
    busy_ = checkedAdd(busy_, 1);
  } else {
    screen_.copy(std::bind_front(&Series::copied, this));
  }
  if (state_ == State::kRunning && picturesTaken_ >= settings_.seriesCount()) {
    timer.setEnabled(false);
    state_ = State::kLastCopy;
    if (!screen_.copying()) end();
  }
}

void Series::copied(ScreenCopy result) {
  // Out when the series ended at the last number: there is no number for it.
  if (state_ == State::kIdle) return;
  if (result != ScreenCopy::kCopied) {
    skipped_ = checkedAdd(skipped_, 1);
    lastFailure_ = result;
  } else {
    saved_ = checkedAdd(saved_, 1);
    // The region is cut once the number is stored, right before the save.
    taken_.paths.push_back(
        ofRegion_
            ? pictures_.saveUnderNextNumber(std::bind_front(&RegionCapture::cut, &region_))
            : pictures_.saveUnderNextNumber(std::bind_front(&ScreenCapture::screen, &screen_)));
  }
  if (state_ == State::kLastCopy) end();
}

void Series::end() {
  const std::string skippedText = skipped_ > 0
                                      ? copyFailureText(lastFailure_) + "\r" +
                                            std::to_string(skipped_) + " 枚は保存していません。"
                                      : std::string();
  if (taken_.paths.empty()) {
    taken_.failure = skippedText.empty() ? copyFailureText(ScreenCopy::kFailed) : skippedText;
  }
  finish();
  // Said once the windows are back, so that the series goes on meanwhile and
  // no picture holds the message.
  if (noScreenCast_ && firstTimeFor(files_, kNoScreenCastNoticeShown)) {
    dialogs_.messageBox(
        "この Wayland の画面では、連続撮影に画面の配信（スクリーンキャスト）を使えません。\r"
        "連続撮影はスクリーンショットで撮ります。間隔を保てないことがあります。",
        "スクリーンキャストを使えません", {BoxButtons::kOk, BoxIcon::kInformation});
  }
  if (settings_.endSoundOn()) {
    // Played by the sound server, the chime leaves the focus where it is;
    // xdg-open, whose player may show a window, is the fallback.
    const std::string chime = files_.findResource(kEndSound);
    if (!sounds_.playSoundFile(chime)) sounds_.openWithAssociatedProgram(chime);
  }
  if (!skippedText.empty()) {
    skipped_ = 0;
    dialogs_.messageBox(skippedText, "画面をコピーできません",
                        {BoxButtons::kOk, BoxIcon::kExclamation});
  }
  tellPace((ofRegion_ ? regionSeriesTimer_ : screenSeriesTimer_)->interval());
}

void Series::notePace(int intervalMs) {
  const int64_t now = clock_.nowMs();
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
  dialogs_.messageBox(text, "間隔を保てません", {BoxButtons::kOk, BoxIcon::kExclamation});
}

void Series::finish() {
  (ofRegion_ ? regionSeriesTimer_ : screenSeriesTimer_)->setEnabled(false);
  state_ = State::kIdle;
  screenSource_.seriesEnded();
  windows_.showOneInUse();
  picturesTaken_ = 0;
  pictures_.showNumber();
  if (const PicturesDone waiting = std::exchange(waiting_, nullptr)) waiting(taken_);
}

void Series::chooseInterval(int16_t element) {
  if (element >= 0 && element <= 3) screenSeriesTimer_->setInterval(kIntervalsMs[element]);
  settings_.intervalChoice = std::to_string(element);
}

}  // namespace yorvane
