#include "wayland/cast_session.h"

#include <fcntl.h>

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusUnixFileDescriptor>
#include <cstdio>

#include "wayland/portal_names.h"
#include "wayland/portal_request.h"

namespace yorvane::wayland {

namespace {

using portal::kObject;
using portal::kService;
const QString kScreenCast = QStringLiteral("org.freedesktop.portal.ScreenCast");
const QString kSession = QStringLiteral("org.freedesktop.portal.Session");

// The portal's choices: a monitor, without the pointer, remembered until the
// user takes the permission back.
constexpr uint kMonitor = 1;
constexpr uint kPointerHidden = 1;
constexpr uint kPersistUntilRevoked = 2;

// A pair of integers, as "size" and "position" are sent: (ii).
QPoint pairOf(const QVariant& value) {
  if (!value.canConvert<QDBusArgument>()) return {};
  const auto argument = value.value<QDBusArgument>();
  int first = 0;
  int second = 0;
  argument.beginStructure();
  argument >> first >> second;
  argument.endStructure();
  return {first, second};
}

// The first stream of a start's "streams", a(ua{sv}): its node, and the
// monitor's place and size when given.
bool readFirstStream(const QVariant& value, CastSession::Started& started) {
  if (!value.canConvert<QDBusArgument>()) return false;
  const auto argument = value.value<QDBusArgument>();
  bool found = false;
  argument.beginArray();
  while (!argument.atEnd()) {
    uint node = 0;
    QVariantMap properties;
    argument.beginStructure();
    argument >> node >> properties;
    argument.endStructure();
    if (found) continue;
    found = true;
    started.node = node;
    if (properties.contains(QStringLiteral("size"))) {
      const QPoint size = pairOf(properties.value(QStringLiteral("size")));
      started.area = {pairOf(properties.value(QStringLiteral("position"))),
                      QSize(size.x(), size.y())};
    }
  }
  argument.endArray();
  return found;
}

}  // namespace

CastSession::CastSession(QDBusConnection bus) : bus_(std::move(bus)) {}

CastSession::~CastSession() {
  *alive_ = false;
  close();
}

void CastSession::start(const QString& parentWindow, const QString& restoreToken,
                        int answerTimeoutMs, Done done) {
  done_ = std::move(done);
  parentWindow_ = parentWindow;
  step(QStringLiteral("CreateSession"), {},
       {{QStringLiteral("session_handle_token"), nextPortalToken()}}, kCallTimeoutMs,
       [this, restoreToken, answerTimeoutMs](const QVariantMap& created) {
         session_ = created.value(QStringLiteral("session_handle")).toString();
         const QVariant session = QVariant::fromValue(QDBusObjectPath(session_));
         QVariantMap sources{{QStringLiteral("types"), kMonitor},
                             {QStringLiteral("multiple"), false},
                             {QStringLiteral("cursor_mode"), kPointerHidden},
                             {QStringLiteral("persist_mode"), kPersistUntilRevoked}};
         if (!restoreToken.isEmpty()) sources.insert(QStringLiteral("restore_token"), restoreToken);
         step(QStringLiteral("SelectSources"), {session}, sources, kCallTimeoutMs,
              [this, session, answerTimeoutMs](const QVariantMap&) {
                step(QStringLiteral("Start"), {session, parentWindow_}, {}, answerTimeoutMs,
                     [this](const QVariantMap& results) {
                       started_.restoreToken =
                           results.value(QStringLiteral("restore_token")).toString();
                       if (!readFirstStream(results.value(QStringLiteral("streams")), started_)) {
                         std::fprintf(stderr,
                                      "yorvane: the screen cast started without a stream\n");
                         end(2);
                         return;
                       }
                       openRemote();
                     });
              });
       });
}

void CastSession::step(const QString& method, QVariantList arguments, QVariantMap options,
                       int timeoutMs, std::function<void(const QVariantMap&)> then) {
  QDBusMessage call = QDBusMessage::createMethodCall(kService, kObject, kScreenCast, method);
  call.setArguments(arguments);
  PortalRequest::send(
      bus_, call, std::move(options), timeoutMs,
      [this, alive = alive_, method, timeoutMs, then = std::move(then)](const PortalResponse& r) {
        if (!*alive) return;
        if (r.callError.isValid()) {
          std::fprintf(stderr, "yorvane: the screen cast portal's %s failed: %s\n",
                       qPrintable(method), qPrintable(r.callError.message()));
        } else if (r.timedOut) {
          std::fprintf(stderr, "yorvane: the screen cast portal did not answer %s in %d ms\n",
                       qPrintable(method), timeoutMs);
        }
        if (r.code != 0) {
          end(r.code);
          return;
        }
        then(r.results);
      });
}

void CastSession::openRemote() {
  QDBusMessage call = QDBusMessage::createMethodCall(kService, kObject, kScreenCast,
                                                     QStringLiteral("OpenPipeWireRemote"));
  call << QVariant::fromValue(QDBusObjectPath(session_)) << QVariantMap();
  auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call, kCallTimeoutMs), this);
  connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
    w->deleteLater();
    const QDBusPendingReply<QDBusUnixFileDescriptor> reply = *w;
    // The reply closes its own descriptor: the caller gets a copy.
    if (reply.isError() || !reply.value().isValid() ||
        (started_.pipewireFd = ::fcntl(reply.value().fileDescriptor(), F_DUPFD_CLOEXEC, 0)) < 0) {
      std::fprintf(stderr, "yorvane: no PipeWire connection for the screen cast: %s\n",
                   qPrintable(reply.error().message()));
      end(2);
      return;
    }
    end(0);
  });
}

void CastSession::end(uint code) {
  started_.code = code;
  if (!done_) return;
  const Done done = std::move(done_);
  done_ = nullptr;
  done(started_);
}

void CastSession::close() {
  done_ = nullptr;
  if (session_.isEmpty()) return;
  bus_.call(QDBusMessage::createMethodCall(kService, session_, kSession, QStringLiteral("Close")),
            QDBus::NoBlock);
  session_.clear();
}

}  // namespace yorvane::wayland
