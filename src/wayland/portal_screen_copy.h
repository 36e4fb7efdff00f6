#pragma once

#include <QDBusConnection>
#include <QElapsedTimer>
#include <QRect>
#include <QString>

#include "platform/platform.h"
#include "platform/screen_source.h"
#include "wayland/capture_gate.h"
#include "wayland/portal_picture.h"
#include "wayland/screenshot_request.h"

namespace yorvane::wayland {

// Screen copies on a Wayland session through the desktop's screenshot portal,
// for desktops that offer no quicker way: the portal writes a picture file,
// which is read and removed.
class PortalScreenCopy : public ScreenSource {
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

 private:
  // The first request may wait for the user's answer to the desktop's question.
  static constexpr int kAnswerTimeoutMs = 60000;
  // An answer "cancelled" that comes sooner than this was given by no person:
  // the portal failed (KDE's at times loses its picture on the way, and says
  // so, 140-150 ms after the request on an idle machine, where its pictures
  // folder is missing). A question cannot be shown, read and answered this
  // fast; the portal's own failure may take several times as long on a loaded
  // machine.
  static constexpr int kFastestPersonMs = 1000;

  // One picture file from the portal, asked for once more when the first
  // request fails at once.
  Answer request(const QString& parentWindow, IfBusy ifBusy, ExistingFiles& before);
  Answer requestOnce(const QString& parentWindow, IfBusy ifBusy, ExistingFiles& before,
                     QElapsedTimer& took);

  QDBusConnection bus_;
  CaptureGate gate_;
  QString pictureFolder_;  // where the portal put its last picture
  bool primed_ = false;
};

}  // namespace yorvane::wayland
