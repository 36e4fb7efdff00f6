#pragma once

#include <QObject>
#include <chrono>
#include <functional>

namespace yorvane::wayland {

// When the desktop has drawn the screen without the windows the program just
// hid: XWayland passes the unmap on and the compositor draws its next frame,
// which a round trip on the X connection does not wait for. On sway the
// portal's own answer time (130 ms median) covered it: no picture of 70 asked
// for right after the round trip held the window (bench/hide_settle.cpp). A
// desktop that copies the last frame at once may not: three frames at 60 Hz
// bound it. The capture steps mostly hide a tick (100 ms) before they copy,
// so this rarely waits.
class HideSettle : public QObject {
 public:
  using Clock = std::chrono::steady_clock;
  static constexpr std::chrono::milliseconds kSettle{50};

  // Watches every window of the program from now on.
  HideSettle();

  // Runs then, from the event loop, once the screen has settled.
  void whenSettled(std::function<void()> then);
  // The first moment a picture of the screen shows none of the hidden windows.
  Clock::time_point settledAt() const { return hiddenAt_ + kSettle; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Clock::time_point hiddenAt_;
};

}  // namespace yorvane::wayland
