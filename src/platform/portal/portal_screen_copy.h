#pragma once

#include <QDBusConnection>
#include <QElapsedTimer>
#include <QObject>
#include <QRect>
#include <QString>

#include "platform/platform.h"
#include "platform/portal/portal_picture.h"
#include "platform/portal/screenshot_request.h"
#include "platform/screen_source.h"

namespace yorvane::portal {

// Screen copies on a Wayland session through the desktop's screenshot portal,
// for desktops that offer no quicker way. It watches the program's windows
// being hidden, so that a picture is asked for only once the compositor has
// drawn the screen without them, and asks for one picture at a time.
class PortalScreenCopy : public QObject, public ScreenSource {
 public:
  explicit PortalScreenCopy(QDBusConnection bus);

  // The primary screen, on behalf of the program's focused window.
  ScreenCopy copy(Image& dest, IfBusy ifBusy) override;
  ScreenCopy prime() override;

  // The screen into dest, cut to area (device pixels of the primary screen).
  ScreenCopy copy(Image& dest, const QRect& area, const QString& parentWindow, IfBusy ifBusy);
  // Asks once for permission to copy, on behalf of parentWindow; see
  // Platform::primeScreenCopy.
  ScreenCopy prime(const QString& parentWindow);

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
  // An answer "cancelled" that comes sooner than this was given by no person:
  // the portal failed (KDE's at times loses its picture on the way). No dialog
  // can be read and answered this fast.
  static constexpr int kFastestPersonMs = 300;

  // One picture file from the portal, asked for again once when it fails at once.
  Answer request(const QString& parentWindow, IfBusy ifBusy, ExistingFiles& before);
  Answer requestOnce(const QString& parentWindow);
  // Waits until the request in progress has ended; kBusy where ifBusy says not to.
  bool waitForOpenRequest(IfBusy ifBusy);
  void waitForSettledScreen();

  QDBusConnection bus_;
  ScreenshotRequest* open_ = nullptr;  // the request being waited for, if any
  QString pictureFolder_;              // where the portal put its last picture
  QElapsedTimer sinceHide_;
  bool primed_ = false;
};

}  // namespace yorvane::portal
