#include "platform/portal/portal_screen_copy.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <ctime>

namespace yorvane::portal {

namespace {

// The focused window as the portal names a parent window, so the desktop can
// tie its question to it; empty when none of the program's windows has focus.
QString focusedWindowHandle() {
  const QWindow* window = QGuiApplication::focusWindow();
  return window ? QStringLiteral("x11:%1").arg(window->winId(), 0, 16) : QString();
}

// The primary screen's rectangle of the desktop, in device pixels.
QRect primaryScreenArea() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return {};
  const qreal ratio = screen->devicePixelRatio();
  const QRect logical = screen->geometry();
  return {qRound(logical.x() * ratio), qRound(logical.y() * ratio), qRound(logical.width() * ratio),
          qRound(logical.height() * ratio)};
}

}  // namespace

PortalScreenCopy::PortalScreenCopy(QDBusConnection bus) : bus_(std::move(bus)) {
  QCoreApplication::instance()->installEventFilter(this);
}

bool PortalScreenCopy::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Hide && watched->isWidgetType() &&
      static_cast<QWidget*>(watched)->isWindow()) {
    sinceHide_.start();
  }
  return false;
}

ScreenCopy PortalScreenCopy::copy(Image& dest, IfBusy ifBusy) {
  return copy(dest, primaryScreenArea(), focusedWindowHandle(), ifBusy);
}

ScreenCopy PortalScreenCopy::prime() {
  return prime(focusedWindowHandle());
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
  // The desktop takes one screenshot at a time: GNOME turns away a second
  // request while one is open.
  if (!waitForOpenRequest(ifBusy)) return {ScreenCopy::kBusy, {}};
  waitForSettledScreen();
  // The portal writes into the pictures folder, or the home where there is none.
  if (pictureFolder_.isEmpty()) {
    before.note(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation));
    before.note(QDir::homePath());
  } else {
    before.note(pictureFolder_);
  }
  QElapsedTimer took;
  took.start();
  Answer answer = requestOnce(parentWindow);
  if (answer.code == 1 && took.elapsed() < kFastestPersonMs) {
    took.start();
    answer = requestOnce(parentWindow);
    // Failed at once again: the portal cannot take pictures now.
    if (answer.code == 1 && took.elapsed() < kFastestPersonMs) answer.failure = ScreenCopy::kFailed;
  }
  if (answer.failure == ScreenCopy::kCopied) pictureFolder_ = QFileInfo(answer.path).absolutePath();
  return answer;
}

Answer PortalScreenCopy::requestOnce(const QString& parentWindow) {
  ScreenshotRequest request(bus_);
  ScreenshotRequest* outer = open_;
  open_ = &request;
  Answer answer = request.run(parentWindow, kAnswerTimeoutMs);
  open_ = outer;
  return answer;
}

bool PortalScreenCopy::waitForOpenRequest(IfBusy ifBusy) {
  if (!open_ || open_->ended()) return true;
  if (ifBusy == IfBusy::kSkip) return false;
  // Bounded: the open request ends at its answer or at its own time limit.
  QEventLoop loop;
  connect(open_, &ScreenshotRequest::endedNow, &loop, &QEventLoop::quit);
  loop.exec(QEventLoop::ExcludeUserInputEvents);
  return true;
}

void PortalScreenCopy::waitForSettledScreen() {
  if (!sinceHide_.isValid() || sinceHide_.elapsed() >= kSettleMs) return;
  QEventLoop loop;
  QTimer::singleShot(kSettleMs - static_cast<int>(sinceHide_.elapsed()), &loop, &QEventLoop::quit);
  loop.exec(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace yorvane::portal
