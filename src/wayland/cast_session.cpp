#include "wayland/cast_session.h"

#include <fcntl.h>

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusUnixFileDescriptor>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>

#include "wayland/portal_names.h"
#include "wayland/screenshot_request.h"

namespace yorvane::wayland {

namespace {

using portal::kObject;
using portal::kRequest;
using portal::kService;
const QString kScreenCast = QStringLiteral("org.freedesktop.portal.ScreenCast");
const QString kSession = QStringLiteral("org.freedesktop.portal.Session");

// The portal's choices: a monitor, without the pointer, remembered until the
// user takes the permission back.
constexpr uint kMonitor = 1;
constexpr uint kPointerHidden = 1;
constexpr uint kPersistUntilRevoked = 2;

// Tokens differ between the requests and sessions of one connection.
unsigned lastToken = 0;

QString nextToken() {
  return QStringLiteral("yorvanecast%1").arg(++lastToken);
}

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
  close();
}

CastSession::Started CastSession::start(const QString& parentWindow, const QString& restoreToken,
                                        int answerTimeoutMs) {
  Started started;
  QVariantMap results;
  if (!bus_.isConnected()) return started;
  started.code =
      request(QStringLiteral("CreateSession"), {},
              {{QStringLiteral("session_handle_token"), nextToken()}}, kCallTimeoutMs, results);
  if (started.code != 0) return started;
  session_ = results.value(QStringLiteral("session_handle")).toString();
  const QVariant session = QVariant::fromValue(QDBusObjectPath(session_));

  QVariantMap sources{{QStringLiteral("types"), kMonitor},
                      {QStringLiteral("multiple"), false},
                      {QStringLiteral("cursor_mode"), kPointerHidden},
                      {QStringLiteral("persist_mode"), kPersistUntilRevoked}};
  if (!restoreToken.isEmpty()) sources.insert(QStringLiteral("restore_token"), restoreToken);
  started.code =
      request(QStringLiteral("SelectSources"), {session}, sources, kCallTimeoutMs, results);
  if (started.code != 0) return started;

  started.code =
      request(QStringLiteral("Start"), {session, parentWindow}, {}, answerTimeoutMs, results);
  if (started.code != 0) return started;
  started.restoreToken = results.value(QStringLiteral("restore_token")).toString();
  if (!readFirstStream(results.value(QStringLiteral("streams")), started)) {
    std::fprintf(stderr, "yorvane: the screen cast started without a stream\n");
    started.code = 2;
    return started;
  }

  QDBusMessage call = QDBusMessage::createMethodCall(kService, kObject, kScreenCast,
                                                     QStringLiteral("OpenPipeWireRemote"));
  call << session << QVariantMap();
  const QDBusMessage reply = bus_.call(call, QDBus::Block, kCallTimeoutMs);
  const auto fd = reply.arguments().value(0).value<QDBusUnixFileDescriptor>();
  // The message closes its own descriptor: the caller gets a copy.
  if (reply.type() != QDBusMessage::ReplyMessage || !fd.isValid() ||
      (started.pipewireFd = ::fcntl(fd.fileDescriptor(), F_DUPFD_CLOEXEC, 0)) < 0) {
    std::fprintf(stderr, "yorvane: no PipeWire connection for the screen cast: %s\n",
                 qPrintable(reply.errorMessage()));
    started.code = 2;
  }
  return started;
}

void CastSession::close() {
  if (session_.isEmpty()) return;
  bus_.call(QDBusMessage::createMethodCall(kService, session_, kSession, QStringLiteral("Close")),
            QDBus::NoBlock);
  session_.clear();
}

uint CastSession::request(const QString& method, QVariantList arguments, QVariantMap options,
                          int timeoutMs, QVariantMap& results) {
  const QString token = nextToken();
  const QString path = requestPath(bus_, token);
  // Subscribed before the call: a quick answer cannot be missed.
  bus_.connect(kService, path, kRequest, QStringLiteral("Response"), this,
               SLOT(onResponse(uint, QVariantMap)));
  answered_ = false;
  code_ = 2;
  results_.clear();
  options.insert(QStringLiteral("handle_token"), token);
  arguments.append(options);
  QDBusMessage call = QDBusMessage::createMethodCall(kService, kObject, kScreenCast, method);
  call.setArguments(arguments);
  const QDBusMessage reply = bus_.call(call, QDBus::Block, kCallTimeoutMs);
  if (reply.type() != QDBusMessage::ReplyMessage) {
    std::fprintf(stderr, "yorvane: the screen cast portal's %s failed: %s\n", qPrintable(method),
                 qPrintable(reply.errorMessage()));
  } else if (!answered_) {
    QEventLoop loop;
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop_ = &loop;
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    loop_ = nullptr;
    if (!answered_) {
      std::fprintf(stderr, "yorvane: the screen cast portal did not answer %s in %d ms\n",
                   qPrintable(method), timeoutMs);
      bus_.call(QDBusMessage::createMethodCall(kService, path, kRequest, QStringLiteral("Close")),
                QDBus::NoBlock);
    }
  }
  bus_.disconnect(kService, path, kRequest, QStringLiteral("Response"), this,
                  SLOT(onResponse(uint, QVariantMap)));
  results = results_;
  return answered_ ? code_ : 2;
}

void CastSession::onResponse(uint code, const QVariantMap& results) {
  code_ = code;
  results_ = results;
  answered_ = true;
  if (loop_) loop_->quit();
}

}  // namespace yorvane::wayland
