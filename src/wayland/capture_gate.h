#pragma once

#include <QElapsedTimer>
#include <QObject>

#include "platform/platform.h"

namespace yorvane::wayland {

// When a screen copy may ask the desktop for its picture: one request at a
// time (GNOME turns away a second one while one is open), and only once the
// compositor has drawn the screen without the windows the program just hid.
// The wait for an answer runs a nested event loop, in which a timer handler
// may ask for another copy: that copy waits here for the first one's answer.
class CaptureGate : public QObject {
  Q_OBJECT

 public:
  CaptureGate();

  // Waits until no request is open, or returns false at once where ifBusy
  // says to skip, and until the screen has settled. The request is then open.
  bool enter(IfBusy ifBusy);
  // The open request has its answer, or has given up: the next may go.
  void leave();

 signals:
  void left();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // How long after a window is hidden the compositor may still show it:
  // XWayland passes the unmap on and the compositor draws its next frame, which
  // a round trip on the X connection does not wait for. On sway the portal's
  // own answer time (130 ms median) covered it: no picture of 70 asked for right
  // after the round trip held the window (bench/hide_settle.cpp). A desktop that
  // copies the last frame at once may not: three frames at 60 Hz bound it. The
  // capture steps mostly hide a tick (100 ms) before they copy, so this rarely waits.
  static constexpr int kSettleMs = 50;

  QElapsedTimer sinceHide_;
  bool open_ = false;
};

}  // namespace yorvane::wayland
