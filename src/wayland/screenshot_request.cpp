#include "wayland/screenshot_request.h"

#include <QDBusError>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QEventLoop>
#include <QTimer>
#include <QUrl>

#include "wayland/portal_names.h"

namespace yorvane::wayland {

namespace {

using portal::kObject;
using portal::kRequest;
using portal::kService;
const QString kScreenshot = QStringLiteral("org.freedesktop.portal.Screenshot");

// An error answer to the call itself: no portal, or one without the interface,
// is Unavailable; a portal that turns the caller away is a refusal.
ScreenCopy failureOfError(const QDBusError& error) {
  switch (error.type()) {
    case QDBusError::ServiceUnknown:
    case QDBusError::UnknownObject:
    case QDBusError::UnknownInterface:
    case QDBusError::UnknownMethod:
    case QDBusError::Disconnected:
      return ScreenCopy::kUnavailable;
    case QDBusError::AccessDenied:
      return ScreenCopy::kRefused;
    default:
      return ScreenCopy::kFailed;
  }
}

// Tokens differ between the requests of one connection.
unsigned lastToken = 0;

}  // namespace

QString requestPath(const QDBusConnection& bus, const QString& token) {
  QString sender = bus.baseService().mid(1);
  sender.replace(QLatin1Char('.'), QLatin1Char('_'));
  return kObject + QStringLiteral("/request/") + sender + QLatin1Char('/') + token;
}

Answer readResponse(uint code, const QVariantMap& results) {
  if (code == 1 || code == 2) return {ScreenCopy::kRefused, {}, code};
  if (code != 0) return {ScreenCopy::kFailed, {}, code};
  const QUrl uri(results.value(QStringLiteral("uri")).toString());
  if (!uri.isLocalFile()) return {ScreenCopy::kFailed, {}, code};
  return {ScreenCopy::kCopied, uri.toLocalFile(), code};
}

ScreenshotRequest::ScreenshotRequest(QDBusConnection bus) : bus_(std::move(bus)) {}

Answer ScreenshotRequest::run(const QString& parentWindow, int timeoutMs) {
  if (!bus_.isConnected()) {
    finish({ScreenCopy::kUnavailable, {}});
    return answer_;
  }
  const QString token = QStringLiteral("yorvane%1").arg(++lastToken);
  if (!subscribe(requestPath(bus_, token))) {
    finish({ScreenCopy::kFailed, {}});
    return answer_;
  }

  QDBusMessage call =
      QDBusMessage::createMethodCall(kService, kObject, kScreenshot, QStringLiteral("Screenshot"));
  call << parentWindow
       << QVariantMap{{QStringLiteral("handle_token"), token},
                      {QStringLiteral("interactive"), false}};
  QDBusPendingCallWatcher watcher(bus_.asyncCall(call, timeoutMs));
  connect(&watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
    const QDBusPendingReply<QDBusObjectPath> reply = *w;
    if (reply.isError()) {
      finish({failureOfError(reply.error()), {}});
    } else if (reply.value().path() != subscribed_) {
      // A portal older than handle tokens names another path: follow it.
      unsubscribe();
      subscribe(reply.value().path());
    }
  });

  QEventLoop loop;
  QTimer deadline;
  deadline.setSingleShot(true);
  connect(&deadline, &QTimer::timeout, this, [this] {
    // No answer in time: ask the portal to drop the request.
    bus_.call(
        QDBusMessage::createMethodCall(kService, subscribed_, kRequest, QStringLiteral("Close")),
        QDBus::NoBlock);
    finish({ScreenCopy::kFailed, {}});
  });
  deadline.start(timeoutMs);
  loop_ = &loop;
  if (!ended_) loop.exec(QEventLoop::ExcludeUserInputEvents);
  loop_ = nullptr;
  unsubscribe();
  return answer_;
}

void ScreenshotRequest::onResponse(uint code, const QVariantMap& results) {
  finish(readResponse(code, results));
}

bool ScreenshotRequest::subscribe(const QString& path) {
  subscribed_ = path;
  return bus_.connect(kService, path, kRequest, QStringLiteral("Response"), this,
                      SLOT(onResponse(uint, QVariantMap)));
}

void ScreenshotRequest::unsubscribe() {
  bus_.disconnect(kService, subscribed_, kRequest, QStringLiteral("Response"), this,
                  SLOT(onResponse(uint, QVariantMap)));
  subscribed_.clear();
}

void ScreenshotRequest::finish(Answer answer) {
  if (ended_) return;
  ended_ = true;
  answer_ = std::move(answer);
  if (loop_) loop_->quit();
  emit endedNow();
}

}  // namespace yorvane::wayland
