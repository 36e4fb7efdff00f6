#include "platform/portal/portal_screen_copy.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>
#include <ctime>

#include "platform/portal/portal_picture.h"

namespace yorvane::portal {

namespace {
// Since version 3 of the screenshot interface the portal asks the user, through
// its permission store, before the first non-interactive picture.
constexpr uint kPermissionVersion = 3;
}  // namespace

PortalScreenCopy::PortalScreenCopy(QDBusConnection bus) : bus_(std::move(bus)), request_(bus_) {
  QCoreApplication::instance()->installEventFilter(this);
}

bool PortalScreenCopy::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Hide && watched->isWidgetType() &&
      static_cast<QWidget*>(watched)->isWindow()) {
    sinceHide_.start();
  }
  return false;
}

bool PortalScreenCopy::copy(Image& dest, const QRect& area, const QString& parentWindow) {
  const std::time_t sent = std::time(nullptr);
  const Answer answer = request(parentWindow);
  failure_ = answer.failure;
  if (failure_ != ScreenCopy::kCopied) return false;
  const bool loaded = loadPicture(answer.path, area, dest);
  removeWrittenFile(answer.path, sent);
  if (!loaded) failure_ = ScreenCopy::kFailed;
  return loaded;
}

bool PortalScreenCopy::prime(const QString& parentWindow) {
  if (primed_) return true;
  if (busy_) {
    failure_ = ScreenCopy::kBusy;
    return false;
  }
  busy_ = true;
  // The first call on the bus may start the portal, which takes a second or two.
  const uint version = screenshotInterfaceVersion(bus_, kStartTimeoutMs);
  busy_ = false;
  if (version == 0) {
    failure_ = ScreenCopy::kUnavailable;
    return false;
  }
  if (version >= kPermissionVersion) {
    // One picture, thrown away: its only use is the question it raises now.
    const std::time_t sent = std::time(nullptr);
    const Answer answer = request(parentWindow);
    failure_ = answer.failure;
    if (failure_ != ScreenCopy::kCopied) return false;
    removeWrittenFile(answer.path, sent);
  }
  primed_ = true;
  return true;
}

Answer PortalScreenCopy::request(const QString& parentWindow) {
  if (busy_) return {ScreenCopy::kBusy, {}};
  busy_ = true;
  waitForSettledScreen();
  Answer answer = request_.run(parentWindow, kAnswerTimeoutMs);
  busy_ = false;
  return answer;
}

void PortalScreenCopy::waitForSettledScreen() {
  if (!sinceHide_.isValid() || sinceHide_.elapsed() >= kSettleMs) return;
  QEventLoop loop;
  QTimer::singleShot(kSettleMs - static_cast<int>(sinceHide_.elapsed()), &loop, &QEventLoop::quit);
  loop.exec(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace yorvane::portal
