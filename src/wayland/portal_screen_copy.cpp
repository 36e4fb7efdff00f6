#include "wayland/portal_screen_copy.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstdio>
#include <ctime>

#include "wayland/portal_names.h"
#include "wayland/program_screen.h"

namespace yorvane::wayland {

PortalScreenCopy::PortalScreenCopy(QDBusConnection bus, std::shared_ptr<const OutputLayout> layout)
    : bus_(std::move(bus)), layout_(std::move(layout)) {}

ScreenCopy PortalScreenCopy::copy(Image& dest, IfBusy ifBusy) {
  return copy(dest, layout_ ? layout_->monitors() : std::vector<Monitor>{}, parentWindowHandle(),
              ifBusy);
}

ScreenCopy PortalScreenCopy::prime() {
  return prime(parentWindowHandle());
}

ScreenCopy PortalScreenCopy::copy(Image& dest, const std::vector<Monitor>& monitors,
                                  const QString& parentWindow, IfBusy ifBusy) {
  const std::time_t sent = std::time(nullptr);
  ExistingFiles before;
  const Answer answer = request(parentWindow, ifBusy, before);
  if (answer.failure != ScreenCopy::kCopied) return answer.failure;
  std::optional<MonitorInPicture> found;
  const bool loaded = loadPicture(answer.path, monitors, dest, &found);
  removeWrittenFile(answer.path, sent, before);
  if (!loaded) return ScreenCopy::kFailed;
  tellCut(found, dest);
  return ScreenCopy::kCopied;
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

ScreenCopy PortalScreenCopy::prime(const QString& parentWindow) {
  if (primed_) return ScreenCopy::kCopied;
  // One picture, thrown away: its only use is the question it may raise now,
  // while the window has the focus. The portal asks from version 3 of the
  // interface on, GNOME's backend 43 already at version 2; either asks once.
  const std::time_t sent = std::time(nullptr);
  ExistingFiles before;
  const Answer answer = request(parentWindow, IfBusy::kWait, before);
  if (answer.failure != ScreenCopy::kCopied) return answer.failure;
  removeWrittenFile(answer.path, sent, before);
  primed_ = true;
  return ScreenCopy::kCopied;
}

Answer PortalScreenCopy::request(const QString& parentWindow, IfBusy ifBusy,
                                 ExistingFiles& before) {
  QElapsedTimer took;
  Answer answer = requestOnce(parentWindow, ifBusy, before, took);
  if (answer.code == 1 && took.elapsed() < portal::kFastestPersonMs) {
    answer = requestOnce(parentWindow, IfBusy::kWait, before, took);
    // Failed at once again: the portal cannot take pictures now.
    if (answer.code == 1 && took.elapsed() < portal::kFastestPersonMs) {
      std::fprintf(stderr,
                   "yorvane: the screenshot portal failed at once twice (\"cancelled\" within "
                   "%d ms, too soon for a person): no picture\n",
                   portal::kFastestPersonMs);
      answer.failure = ScreenCopy::kFailed;
    }
  }
  if (answer.failure == ScreenCopy::kCopied) pictureFolder_ = QFileInfo(answer.path).absolutePath();
  return answer;
}

Answer PortalScreenCopy::requestOnce(const QString& parentWindow, IfBusy ifBusy,
                                     ExistingFiles& before, QElapsedTimer& took) {
  if (!gate_.enter(ifBusy)) return {ScreenCopy::kBusy, {}};
  // The portal writes into the pictures folder, or the home where there is none.
  if (pictureFolder_.isEmpty()) {
    before.note(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation));
    before.note(QDir::homePath());
  } else {
    before.note(pictureFolder_);
  }
  took.start();
  ScreenshotRequest request(bus_);
  QObject::connect(&request, &ScreenshotRequest::endedNow, &gate_, &CaptureGate::leave);
  Answer answer = request.run(parentWindow, kAnswerTimeoutMs);
  gate_.leave();
  return answer;
}

}  // namespace yorvane::wayland
