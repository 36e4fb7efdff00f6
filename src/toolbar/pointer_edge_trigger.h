#pragma once

#include <memory>

#include "core/dispatcher.h"
#include "platform/platform.h"
#include "platform/timer.h"
#include "toolbar/capture_commands.h"
#include "ui_model/control.h"

namespace yorvane {

// While its box is ticked, a pointer at the left edge of the screen takes a
// one-shot picture, so a video can be captured without reaching for a button.
// A Wayland session tells no program where the pointer is outside its own
// windows: there the box says so and does not stay ticked.
class PointerEdgeTrigger {
 public:
  PointerEdgeTrigger(Platform& platform, const Dispatcher& dispatch, Control& box,
                     CaptureCommands& commands);

  void boxClicked();

 private:
  void poll();

  Platform& platform_;
  Control& box_;
  CaptureCommands& commands_;
  std::unique_ptr<Timer> pollTimer_;
};

}  // namespace yorvane
