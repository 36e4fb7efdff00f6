#include "platform/portal/portal_screen_copy.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>
#include <ctime>

#include "platform/portal/portal_picture.h"

namespace yorvane::portal {

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
  // One picture, thrown away: its only use is the question it may raise now,
  // while the window has the focus. The portal asks from version 3 of the
  // interface on, GNOME's backend 43 already at version 2; either asks once.
  const std::time_t sent = std::time(nullptr);
  const Answer answer = request(parentWindow);
  failure_ = answer.failure;
  if (failure_ != ScreenCopy::kCopied) return false;
  removeWrittenFile(answer.path, sent);
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
