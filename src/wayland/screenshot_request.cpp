#include "wayland/screenshot_request.h"

#include <QDBusError>
#include <QDBusMessage>
#include <QUrl>

#include "wayland/portal_names.h"

namespace yorvane::wayland {

namespace {

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

}  // namespace

Answer readAnswer(const PortalResponse& response) {
  if (response.callError.isValid()) return {failureOfError(response.callError), {}, 2};
  // No answer in time is a failure, not a refusal.
  if (response.timedOut) return {ScreenCopy::kFailed, {}, 2};
  const uint code = response.code;
  if (code == 1 || code == 2) return {ScreenCopy::kRefused, {}, code};
  if (code != 0) return {ScreenCopy::kFailed, {}, code};
  const QUrl uri(response.results.value(QStringLiteral("uri")).toString());
  if (!uri.isLocalFile()) return {ScreenCopy::kFailed, {}, code};
  return {ScreenCopy::kCopied, uri.toLocalFile(), code};
}

void requestScreenshot(const QDBusConnection& bus, const QString& parentWindow, int timeoutMs,
                       std::function<void(const Answer&)> done) {
  QDBusMessage call = QDBusMessage::createMethodCall(portal::kService, portal::kObject, kScreenshot,
                                                     QStringLiteral("Screenshot"));
  call << parentWindow;
  PortalRequest::send(
      bus, call, {{QStringLiteral("interactive"), false}}, timeoutMs,
      [done = std::move(done)](const PortalResponse& response) { done(readAnswer(response)); });
}

}  // namespace yorvane::wayland
