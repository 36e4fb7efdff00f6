#pragma once

#include <string>

#include "platform/image.h"
#include "platform/platform.h"

namespace yorvane {

// The copy of the whole screen that every capture and the picker's snapshot
// start from. One image serves them all: a copy that fails leaves the last
// one in place, so a capture must not save it then.
class ScreenCapture {
 public:
  explicit ScreenCapture(Platform& platform) : platform_(platform) {}

  ScreenCopy copy(IfBusy ifBusy) { return platform_.copyScreen(screen_, ifBusy); }
  const Image& screen() const { return screen_; }

 private:
  Platform& platform_;
  Image screen_;
};

// What the user is told of the cause of a failed copy.
std::string copyFailureText(ScreenCopy failure);

}  // namespace yorvane
