#pragma once

#include "platform/image.h"
#include "platform/platform.h"

namespace yorvane {

// The copy of the whole screen that every capture and the picker's snapshot
// start from. One image serves them all: a copy that fails leaves the last
// one in place, and that is what is then saved or shown.
class ScreenCapture {
 public:
  explicit ScreenCapture(Platform& platform) : platform_(platform) {}

  // False when the copy failed and the image kept its content.
  bool copy() { return platform_.copyScreen(screen_); }
  const Image& screen() const { return screen_; }

 private:
  Platform& platform_;
  Image screen_;
};

}  // namespace yorvane
