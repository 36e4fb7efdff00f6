#include "wayland/portal_request.h"

#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

#include "wayland/portal_names.h"

namespace yorvane::wayland {

namespace {

using portal::kObject;
using portal::kRequest;
using portal::kService;

}  // namespace

QString nextPortalToken() {
  static unsigned last = 0;
  return QStringLiteral("yorvane%1").arg(++last);
}

QString requestPath(const QDBusConnection& bus, const QString& token) {
  QString sender = bus.baseService().mid(1);
  sender.replace(QLatin1Char('.'), QLatin1Char('_'));
  return kObject + QStringLiteral("/request/") + sender + QLatin1Char('/') + token;
}

void PortalRequest::send(const QDBusConnection& bus, QDBusMessage call, QVariantMap options,
                         int timeoutMs, Done done) {
  // Owned by the event loop's answers until it finishes.
  (new PortalRequest(bus, std::move(done)))->start(std::move(call), std::move(options), timeoutMs);
}

PortalRequest::PortalRequest(const QDBusConnection& bus, Done done)
    : bus_(bus), done_(std::move(done)) {
  deadline_.setSingleShot(true);
}

void PortalRequest::start(QDBusMessage call, QVariantMap options, int timeoutMs) {
  const QString token = nextPortalToken();
  if (!bus_.isConnected() || !subscribe(requestPath(bus_, token))) {
    PortalResponse failed;
    failed.callError = bus_.lastError().isValid()
                           ? bus_.lastError()
                           : QDBusError(QDBusError::Disconnected, QStringLiteral("no session bus"));
    // Still from the event loop, as every answer comes.
    const auto answer = [this, failed] { finish(failed); };
    QMetaObject::invokeMethod(this, answer, Qt::QueuedConnection);
    return;
  }
  options.insert(QStringLiteral("handle_token"), token);
  QVariantList arguments = call.arguments();
  arguments.append(options);
  call.setArguments(arguments);
  auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call, timeoutMs), this);
  connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
    w->deleteLater();
    const QDBusPendingReply<QDBusObjectPath> reply = *w;
    if (reply.isError()) {
      PortalResponse failed;
      failed.callError = reply.error();
      finish(failed);
    } else if (reply.value().path() != subscribed_) {
      // A portal older than handle tokens names another path: follow it.
      unsubscribe();
      subscribe(reply.value().path());
    }
  });
  connect(&deadline_, &QTimer::timeout, this, [this] {
    // No answer in time: the portal is asked to drop the request.
    bus_.call(
        QDBusMessage::createMethodCall(kService, subscribed_, kRequest, QStringLiteral("Close")),
        QDBus::NoBlock);
    PortalResponse none;
    none.timedOut = true;
    finish(none);
  });
  deadline_.start(timeoutMs);
}

void PortalRequest::onResponse(uint code, const QVariantMap& results) {
  finish({code, results, {}});
}

bool PortalRequest::subscribe(const QString& path) {
  subscribed_ = path;
  return bus_.connect(kService, path, kRequest, QStringLiteral("Response"), this,
                      SLOT(onResponse(uint, QVariantMap)));
}

void PortalRequest::unsubscribe() {
  bus_.disconnect(kService, subscribed_, kRequest, QStringLiteral("Response"), this,
                  SLOT(onResponse(uint, QVariantMap)));
}

void PortalRequest::finish(const PortalResponse& response) {
  if (!done_) return;
  deadline_.stop();
  unsubscribe();
  const Done done = std::move(done_);
  done_ = nullptr;
  deleteLater();
  done(response);
}

}  // namespace yorvane::wayland
