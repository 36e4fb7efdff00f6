#include "capture/shot_cycle.h"

#include "core/handler_timer.h"
#include "core/runtime_error.h"

namespace yorvane {

namespace {
constexpr int kTickMs = 100;
}  // namespace

ShotCycle::ShotCycle(Clock& clock, const Dispatcher& dispatch, std::string timerName,
                     ProgramWindows& windows, const Settings& settings, ScreenCapture& screen,
                     Steps steps)
    : windows_(windows),
      settings_(settings),
      screen_(screen),
      steps_(std::move(steps)),
      timer_(makeHandlerTimer(clock, dispatch, std::move(timerName), kTickMs,
                              std::bind_front(&ShotCycle::tick, this))) {}

void ShotCycle::start() {
  if (state_ == State::kIdle) state_ = State::kBeforeCopy;
  timer_->setEnabled(true);
}

void ShotCycle::stop() {
  timer_->setEnabled(false);
  ticks_ = 0;
  state_ = State::kIdle;
}

void ShotCycle::tick() {
  if (!steps_.goesOn()) {
    stop();
    return;
  }
  windows_.hideBoth();
  ticks_ = checkedAdd(ticks_, 1);
  // The copy's tick comes at least one tick after the first hide, so the
  // desktop has drawn the screen without the windows.
  if (ticks_ == checkedMul(2, settings_.delaySteps) && state_ == State::kBeforeCopy) {
    if (!steps_.copies()) {
      state_ = State::kAfterCopy;
      return;
    }
    state_ = State::kCopying;
    screen_.copy(std::bind_front(&ShotCycle::copied, this));
  } else if (ticks_ == checkedMul(3, settings_.delaySteps)) {
    ticks_ = 0;
    if (state_ == State::kCopying) {
      timer_->setEnabled(false);
      state_ = State::kCopyingAtEnd;
    } else {
      end();
    }
  }
}

void ShotCycle::copied(ScreenCopy result) {
  const bool atEnd = state_ == State::kCopyingAtEnd;
  state_ = State::kAfterCopy;
  steps_.copied(result);
  if (atEnd) end();
}

void ShotCycle::end() {
  stop();
  steps_.ended();
}

}  // namespace yorvane
