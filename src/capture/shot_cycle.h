#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "capture/screen_capture.h"
#include "core/dispatcher.h"
#include "core/program_windows.h"
#include "core/settings.h"
#include "platform/clock.h"
#include "platform/timer.h"

namespace yorvane {

// The cycle of a picture taken with the program's windows out of the way,
// driven by a timer of 100 ms ticks: every tick hides both windows, tick
// 2 x delay (the settings' delay steps) asks for the screen copy, and tick
// 3 x delay ends the cycle, or, while the copy is still out, its answer does.
class ShotCycle {
 public:
  struct Steps {
    // At each tick, before anything else: false ends the cycle at once, with
    // nothing shown again (the caller says why).
    std::function<bool()> goesOn = [] { return true; };
    // At the copy's tick: false takes no copy this cycle.
    std::function<bool()> copies = [] { return true; };
    // The copy's answer.
    std::function<void(ScreenCopy)> copied;
    // The cycle is over: the caller shows its windows again.
    std::function<void()> ended;
  };

  // timerName names the cycle's timer.
  ShotCycle(Clock& clock, const Dispatcher& dispatch, std::string timerName,
            ProgramWindows& windows, const Settings& settings, ScreenCapture& screen, Steps steps);

  // Starts a cycle; a start while one runs changes nothing.
  void start();
  // Ends the cycle at once, the windows left as they are.
  void stop();
  // True from the start until the cycle ends.
  bool running() const { return state_ != State::kIdle; }

 private:
  enum class State {
    kIdle,
    kBeforeCopy,    // the windows hidden, ticks counting to the copy's
    kCopying,       // the screen copy is out
    kCopyingAtEnd,  // the cycle's last tick came while the copy is out
    kAfterCopy,     // ticks counting to the cycle's end
  };

  void tick();
  void copied(ScreenCopy result);
  void end();

  ProgramWindows& windows_;
  const Settings& settings_;
  ScreenCapture& screen_;
  Steps steps_;
  std::unique_ptr<Timer> timer_;
  State state_ = State::kIdle;
  int16_t ticks_ = 0;
};

}  // namespace yorvane
