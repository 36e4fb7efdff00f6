#pragma once

#include <QDBusConnection>
#include <QElapsedTimer>
#include <QObject>
#include <QRect>

#include "platform/platform.h"
#include "platform/portal/screenshot_request.h"

namespace yorvane::portal {

// Screen copies on a Wayland session, where no X client can read the screen:
// the desktop's screenshot portal takes the picture. It watches the program's
// windows being hidden, so that a picture is asked for only once the
// compositor has drawn the screen without them.
class PortalScreenCopy : public QObject {
 public:
  explicit PortalScreenCopy(QDBusConnection bus);

  // The screen into dest, cut to area (device pixels of the primary screen).
  bool copy(Image& dest, const QRect& area, const QString& parentWindow);
  // Asks once for leave to copy, on behalf of parentWindow; see Platform::primeScreenCopy.
  bool prime(const QString& parentWindow);
  ScreenCopy failure() const { return failure_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // How long after a window is hidden the compositor may still show it:
  // XWayland passes the unmap on and the compositor draws its next frame, which
  // a round trip on the X connection does not wait for. On sway the portal's
  // own answer time (130 ms median) covered it: no picture of 70 asked for right
  // after the round trip held the window (bench/hide_settle.cpp). A portal that
  // copies the last frame at once may not: three frames at 60 Hz bound it. The
  // capture steps mostly hide a tick (100 ms) before they copy, so this rarely waits.
  static constexpr int kSettleMs = 50;
  // The first request may wait for the user's answer to the desktop's question.
  static constexpr int kAnswerTimeoutMs = 60000;

  Answer request(const QString& parentWindow);
  void waitForSettledScreen();

  QDBusConnection bus_;
  ScreenshotRequest request_;
  QElapsedTimer sinceHide_;
  ScreenCopy failure_ = ScreenCopy::kCopied;
  bool busy_ = false;
  bool primed_ = false;
};

}  // namespace yorvane::portal
