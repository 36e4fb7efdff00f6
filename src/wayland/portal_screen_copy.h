#pragma once

#include <QDBusConnection>
#include <QString>
#include <deque>
#include <memory>
#include <optional>
#include <vector>

#include "platform/platform.h"
#include "platform/screen_source.h"
#include "wayland/hide_settle.h"
#include "wayland/output_layout.h"
#include "wayland/portal_picture.h"
#include "wayland/screenshot_request.h"

namespace yorvane::wayland {

// Screen copies on a Wayland session through the desktop's screenshot portal,
// for desktops that offer no quicker way: the portal writes a picture file of
// every monitor, which is read, cut to the primary monitor and removed. One
// request at a time (GNOME turns away a second one while one is open), each
// once the screen has settled after the program hid its windows.
class PortalScreenCopy : public ScreenSource {
 public:
  // Without a layout, the portal's pictures are taken whole.
  PortalScreenCopy(QDBusConnection bus, std::shared_ptr<HideSettle> settle,
                   std::shared_ptr<const OutputLayout> layout = {});

  // The primary monitor, on behalf of the program's focused window.
  void copy(Image& dest, Done done) override;
  // One picture, thrown away, the first time only.
  void prime(Done done) override;
  double monitorScale() const override { return layout_ ? layout_->primaryScale() : 1; }

 private:
  // The first request may wait for the user's answer to the desktop's question.
  static constexpr int kAnswerTimeoutMs = 60000;

  struct Job {
    Image* dest;  // null for the priming picture
    Done done;
  };

  // Starts the next job once none is under way.
  void next();
  // One request of the job in front; a "cancelled" faster than a person is
  // asked once more.
  void request(bool again);
  void answered(const Answer& answer, bool again, qint64 tookMs);
  void finish(ScreenCopy result);
  // Says, once a run, where a picture is not cut to the primary monitor's own pixels.
  void tellCut(const std::optional<MonitorInPicture>& found, const Image& picture);

  QDBusConnection bus_;
  std::shared_ptr<HideSettle> settle_;
  std::shared_ptr<const OutputLayout> layout_;
  std::deque<Job> jobs_;
  bool requesting_ = false;
  std::time_t sent_ = 0;
  ExistingFiles before_;
  QString pictureFolder_;  // where the portal put its last picture
  bool primed_ = false;
  bool toldCut_ = false;
};

}  // namespace yorvane::wayland
