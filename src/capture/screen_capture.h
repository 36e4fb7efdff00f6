#pragma once

#include <functional>
#include <memory>
#include <string>

#include "core/dispatcher.h"
#include "platform/clock.h"
#include "platform/image.h"
#include "platform/screen.h"
#include "platform/timer.h"

namespace yorvane {

// The copy of the whole screen that every capture and the picker's snapshot
// start from, and the one place that decides what a copy asked for while
// another is out does. One image serves them all: a copy that fails leaves
// the last one in place, so a capture must not save it then.
class ScreenCapture {
 public:
  using Done = std::function<void(ScreenCopy)>;

  ScreenCapture(Screen& screen, Clock& clock, const Dispatcher& dispatch);

  // Copies the screen and runs done, through the dispatcher, with what became
  // of the copy: at once where the copy is immediate, else when the desktop
  // answers, or as failed when it has not answered by the deadline (a late
  // answer is then dropped). Asked for while a copy is out, the copy starts
  // once that one is done: the one-shot and the picker wait their turn.
  void copy(Done done);
  // True while a copy is out: a series tick then skips its picture.
  bool copying() const { return static_cast<bool>(inFlight_); }
  const Image& screen() const { return screen_; }

 private:
  // Longer than any desktop's own wait for the user's answer (a minute).
  static constexpr int kDeadlineMs = 90000;

  // The end of copy `number`: a late answer to an earlier copy is dropped.
  void finish(unsigned number, ScreenCopy result);

  Screen& source_;
  Dispatcher dispatch_;
  Image screen_;
  Done inFlight_;
  Done next_;
  unsigned copyNumber_ = 0;  // the copy out, or the last one
  std::unique_ptr<Timer> deadline_;
};

// What the user is told of the cause of a failed copy.
std::string copyFailureText(ScreenCopy failure);

}  // namespace yorvane
