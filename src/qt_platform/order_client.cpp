#include "qt_platform/order_client.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>

#include "qt_platform/order_service.h"

namespace yorvane {

namespace {
// A running program answers at once; one in the middle of a picture still
// runs its event loop.
constexpr int kAnswerMs = 2000;

QDBusMessage call(const char* method) {
  return QDBusConnection::sessionBus().call(
      QDBusMessage::createMethodCall(
          QString::fromLatin1(kOrderService), QString::fromLatin1(kOrderObject),
          QString::fromLatin1(kOrderInterface), QString::fromLatin1(method)),
      QDBus::Block, kAnswerMs);
}
}  // namespace

OrderAnswer giveOrder(const char* method) {
  if (!QDBusConnection::sessionBus().isConnected()) {
    return {OrderAnswer::kNoProgram, QStringLiteral("no session bus")};
  }
  const QDBusMessage reply = call(method);
  if (reply.type() == QDBusMessage::ReplyMessage) return {OrderAnswer::kTaken, {}};
  if (reply.errorName() == QLatin1String(kOrderRefused)) {
    return {OrderAnswer::kRefused, reply.errorMessage()};
  }
  return {OrderAnswer::kNoProgram, reply.errorMessage()};
}

QString runningProgramFolder() {
  if (!QDBusConnection::sessionBus().isConnected()) return {};
  const QDBusMessage reply = call("ApplicationFolder");
  return reply.type() == QDBusMessage::ReplyMessage ? reply.arguments().value(0).toString()
                                                    : QString();
}

}  // namespace yorvane
