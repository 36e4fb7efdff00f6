#pragma once

#include <QDBusConnection>
#include <QElapsedTimer>
#include <QString>
#include <memory>
#include <vector>

#include "platform/platform.h"
#include "platform/screen_source.h"
#include "wayland/capture_gate.h"
#include "wayland/output_layout.h"
#include "wayland/portal_picture.h"
#include "wayland/screenshot_request.h"

namespace yorvane::wayland {

// Screen copies on a Wayland session through the desktop's screenshot portal,
// for desktops that offer no quicker way: the portal writes a picture file of
// every monitor, which is read, cut to the primary monitor and removed.
class PortalScreenCopy : public ScreenSource {
 public:
  // Without a layout, the portal's pictures are taken whole.
  explicit PortalScreenCopy(QDBusConnection bus, std::shared_ptr<const OutputLayout> layout = {});

  // The primary monitor, on behalf of the program's focused window.
  ScreenCopy copy(Image& dest, IfBusy ifBusy) override;
  ScreenCopy prime() override;
  double monitorScale() const override { return layout_ ? layout_->primaryScale() : 1; }

  // The primary one of the monitors into dest.
  ScreenCopy copy(Image& dest, const std::vector<Monitor>& monitors, const QString& parentWindow,
                  IfBusy ifBusy);
  // Asks once for permission to copy, on behalf of parentWindow; see
  // Platform::primeScreenCopy.
  ScreenCopy prime(const QString& parentWindow);

 private:
  // The first request may wait for the user's answer to the desktop's question.
  static constexpr int kAnswerTimeoutMs = 60000;

  // One picture file from the portal, asked for once more when the first
  // request fails at once.
  Answer request(const QString& parentWindow, IfBusy ifBusy, ExistingFiles& before);
  Answer requestOnce(const QString& parentWindow, IfBusy ifBusy, ExistingFiles& before,
                     QElapsedTimer& took);

  // Says, once a run, where a picture is not cut to the primary monitor's own pixels.
  void tellCut(const std::optional<MonitorInPicture>& found, const Image& picture);

  QDBusConnection bus_;
  std::shared_ptr<const OutputLayout> layout_;
  CaptureGate gate_;
  bool toldCut_ = false;
  QString pictureFolder_;  // where the portal put its last picture
  bool primed_ = false;
};

}  // namespace yorvane::wayland
