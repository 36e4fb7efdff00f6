#pragma once

#include <memory>

#include "core/dispatcher.h"
#include "platform/clock.h"
#include "platform/desktop.h"
#include "platform/dialogs.h"
#include "platform/timer.h"
#include "toolbar/capture_commands.h"

namespace yorvane {

// While it is watched, a pointer at the left edge of the screen takes a
// one-shot picture, so a video can be captured without reaching for a button.
// A Wayland session tells no program where the pointer is outside its own
// windows: there it cannot be watched.
class PointerEdgeTrigger {
 public:
  PointerEdgeTrigger(Desktop& desktop, Dialogs& dialogs, Clock& clock, const Dispatcher& dispatch,
                     CaptureCommands& commands);

  bool canWatch() const { return desktop_.sessionKind() != SessionKind::Wayland; }
  void setWatching(bool watching) { pollTimer_->setEnabled(watching); }
  // Tells the user why the edge cannot be watched, and what to do instead.
  void tellCannotWatch();

 private:
  void poll();

  Desktop& desktop_;
  Dialogs& dialogs_;
  CaptureCommands& commands_;
  std::unique_ptr<Timer> pollTimer_;
};

}  // namespace yorvane
