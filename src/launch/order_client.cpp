#include "launch/order_client.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

#include "launch/order_names.h"

namespace yorvane {

namespace {
// A running program answers at once; one in the middle of a picture still
// runs its event loop.
constexpr int kAnswerMs = 2000;
// An order that waits for its pictures: the longest series, at its slowest,
// with a minute for the desktop's question.
constexpr int kPicturesMs = 10 * 60 * 1000;
// A program started in the background takes orders once its window is up.
constexpr int kStartMs = 30000;

// A connection of the order's own, closed with this process's client part:
// the program this process may become opens the session bus afresh.
QDBusConnection bus() {
  return QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("order"));
}

QDBusMessage call(const char* method, int timeoutMs) {
  return bus().call(QDBusMessage::createMethodCall(
                        QString::fromLatin1(kOrderService), QString::fromLatin1(kOrderObject),
                        QString::fromLatin1(kOrderInterface), QString::fromLatin1(method)),
                    QDBus::Block, timeoutMs);
}

const char* methodOf(Order order) {
  switch (order) {
    case Order::kOneShot:
      return "OneShot";
    case Order::kStartSeries:
      return "StartSeries";
    case Order::kTakePicture:
      return "TakePicture";
    case Order::kTakeSeries:
      return "TakeSeries";
    case Order::kShowWindow:
      break;
  }
  return "ShowWindow";
}

bool programTakesOrders() {
  const QDBusConnectionInterface* names = bus().interface();
  return names && names->isServiceRegistered(QString::fromLatin1(kOrderService));
}
}  // namespace

OrderAnswer giveOrder(Order order) {
  if (!bus().isConnected()) {
    return {OrderAnswer::kNoProgram, QStringLiteral("no session bus"), {}};
  }
  const bool waits = order == Order::kTakePicture || order == Order::kTakeSeries;
  const QDBusMessage reply = call(methodOf(order), waits ? kPicturesMs : kAnswerMs);
  if (reply.type() == QDBusMessage::ReplyMessage) {
    const QVariant saved = reply.arguments().value(0);
    return {OrderAnswer::kTaken,
            {},
            order == Order::kTakeSeries ? saved.toStringList() : QStringList{saved.toString()}};
  }
  if (reply.errorName() == QLatin1String(kOrderRefused) ||
      reply.errorName() == QLatin1String(kOrderFailed)) {
    return {OrderAnswer::kRefused, reply.errorMessage(), {}};
  }
  return {OrderAnswer::kNoProgram, reply.errorMessage(), {}};
}

QString runningProgramFolder() {
  if (!bus().isConnected()) return {};
  const QDBusMessage reply = call("ApplicationFolder", kAnswerMs);
  return reply.type() == QDBusMessage::ReplyMessage ? reply.arguments().value(0).toString()
                                                    : QString();
}

bool startProgramInBackground() {
  QProcess program;
  program.setProgram(QCoreApplication::applicationFilePath());
  // Its output is its own: a caller that reads this command's output to its
  // end must not wait for the program's.
  program.setStandardOutputFile(QProcess::nullDevice());
  program.setStandardErrorFile(QProcess::nullDevice());
  if (!program.startDetached()) return false;
  QElapsedTimer waited;
  waited.start();
  while (!programTakesOrders()) {
    if (waited.elapsed() > kStartMs) return false;
    QThread::msleep(50);
  }
  return true;
}

void closeOrderConnection() {
  QDBusConnection::disconnectFromBus(QStringLiteral("order"));
}

}  // namespace yorvane
