#include "wayland/portal_screen_copy.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstdio>
#include <ctime>

#include "wayland/program_screen.h"

namespace yorvane::wayland {

PortalScreenCopy::PortalScreenCopy(QDBusConnection bus) : bus_(std::move(bus)) {}

ScreenCopy PortalScreenCopy::copy(Image& dest, IfBusy ifBusy) {
  return copy(dest, primaryScreenArea(), parentWindowHandle(), ifBusy);
}

ScreenCopy PortalScreenCopy::prime() {
  return prime(parentWindowHandle());
}

ScreenCopy PortalScreenCopy::copy(Image& dest, const QRect& area, const QString& parentWindow,
                                  IfBusy ifBusy) {
  const std::time_t sent = std::time(nullptr);
  ExistingFiles before;
  const Answer answer = request(parentWindow, ifBusy, before);
  if (answer.failure != ScreenCopy::kCopied) return answer.failure;
  const bool loaded = loadPicture(answer.path, area, dest);
  removeWrittenFile(answer.path, sent, before);
  return loaded ? ScreenCopy::kCopied : ScreenCopy::kFailed;
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
  if (answer.code == 1 && took.elapsed() < kFastestPersonMs) {
    answer = requestOnce(parentWindow, IfBusy::kWait, before, took);
    // Failed at once again: the portal cannot take pictures now.
    if (answer.code == 1 && took.elapsed() < kFastestPersonMs) {
      std::fprintf(stderr,
                   "yorvane: the screenshot portal failed at once twice (\"cancelled\" within "
                   "%d ms, too soon for a person): no picture\n",
                   kFastestPersonMs);
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
