#include "wayland/portal_screen_copy.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstdio>
#include <ctime>
#include <memory>
#include <utility>

#include "wayland/portal_names.h"
#include "wayland/program_screen.h"

namespace yorvane::wayland {

PortalScreenCopy::PortalScreenCopy(QDBusConnection bus, std::shared_ptr<HideSettle> settle,
                                   std::shared_ptr<const OutputLayout> layout)
    : bus_(std::move(bus)), settle_(std::move(settle)), layout_(std::move(layout)) {}

void PortalScreenCopy::copy(Image& dest, Done done) {
  jobs_.push_back({&dest, std::move(done)});
  next();
}

void PortalScreenCopy::prime(Done done) {
  // The portal asks from version 3 of the interface on, GNOME's backend 43
  // already at version 2; either asks once.
  if (primed_) {
    done(ScreenCopy::kCopied);
    return;
  }
  jobs_.push_back({nullptr, std::move(done)});
  next();
}

void PortalScreenCopy::next() {
  if (requesting_ || jobs_.empty()) return;
  requesting_ = true;
  settle_->whenSettled([this] { request(false); });
}

void PortalScreenCopy::request(bool again) {
  // The portal writes into the pictures folder, or the home where there is none.
  before_ = {};
  if (pictureFolder_.isEmpty()) {
    before_.note(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation));
    before_.note(QDir::homePath());
  } else {
    before_.note(pictureFolder_);
  }
  if (!again) sent_ = std::time(nullptr);
  auto took = std::make_shared<QElapsedTimer>();
  took->start();
  requestScreenshot(
      bus_, parentWindowHandle(), kAnswerTimeoutMs,
      [this, again, took](const Answer& answer) { answered(answer, again, took->elapsed()); });
}

void PortalScreenCopy::answered(const Answer& answer, bool again, qint64 tookMs) {
  if (answer.code == 1 && tookMs < portal::kFastestPersonMs) {
    if (!again) {
      request(true);
      return;
    }
    // Failed at once again: the portal cannot take pictures now.
    std::fprintf(stderr,
                 "yorvane: the screenshot portal failed at once twice (\"cancelled\" within "
                 "%d ms, too soon for a person): no picture\n",
                 portal::kFastestPersonMs);
    finish(ScreenCopy::kFailed);
    return;
  }
  if (answer.failure != ScreenCopy::kCopied) {
    finish(answer.failure);
    return;
  }
  pictureFolder_ = QFileInfo(answer.path).absolutePath();
  Image* dest = jobs_.front().dest;
  bool loaded = true;
  if (dest) {
    std::optional<MonitorInPicture> found;
    loaded = loadPicture(answer.path, layout_ ? layout_->monitors() : std::vector<Monitor>{}, *dest,
                         &found);
    if (loaded) tellCut(found, *dest);
  } else {
    primed_ = true;
  }
  removeWrittenFile(answer.path, sent_, before_);
  finish(loaded ? ScreenCopy::kCopied : ScreenCopy::kFailed);
}

void PortalScreenCopy::finish(ScreenCopy result) {
  Job job = std::move(jobs_.front());
  jobs_.pop_front();
  requesting_ = false;
  job.done(result);
  next();
}

void PortalScreenCopy::tellCut(const std::optional<MonitorInPicture>& found, const Image& picture) {
  if (toldCut_ || (found && !found->redrawn)) return;
  toldCut_ = true;
  if (!found) {
    std::fprintf(stderr,
                 "yorvane: the desktop's picture (%d x %d) fits no layout of its monitors the "
                 "program knows: pictures are saved whole\n",
                 picture.width(), picture.height());
  } else {
    std::fprintf(stderr,
                 "yorvane: the desktop draws the primary monitor at %d x %d in its pictures, not "
                 "at its own resolution: pictures are saved as the desktop draws them\n",
                 picture.width(), picture.height());
  }
}

}  // namespace yorvane::wayland
