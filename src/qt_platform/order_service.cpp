#include "qt_platform/order_service.h"

#include <QDBusConnection>
#include <QDBusMessage>

#include "launch/translation.h"

namespace yorvane {

OrderService::OrderService(Orders& orders, QString applicationFolder, std::function<void()> prime)
    : orders_(orders), applicationFolder_(std::move(applicationFolder)), prime_(std::move(prime)) {}

void OrderService::OneShot() {
  prime_();
  answer(orders_.takeOneShot({}));
}

void OrderService::StartSeries() {
  answer(orders_.startSeries({}));
}

QString OrderService::TakePicture() {
  prime_();
  answerWhenSaved(std::bind_front(&Orders::takeOneShot, &orders_), false);
  return {};
}

QStringList OrderService::TakeSeries() {
  answerWhenSaved(std::bind_front(&Orders::startSeries, &orders_), true);
  return {};
}

void OrderService::answerWhenSaved(const std::function<std::string(PicturesDone)>& order,
                                   bool list) {
  setDelayedReply(true);
  const QDBusMessage call = message();
  QDBusConnection bus = connection();
  const std::string refusal = order([call, bus, list](const PicturesTaken& taken) mutable {
    if (taken.paths.empty()) {
      bus.send(call.createErrorReply(QString::fromLatin1(kOrderFailed),
                                     translated(QString::fromStdString(taken.failure))));
      return;
    }
    QStringList paths;
    for (const std::string& path : taken.paths) paths << QString::fromStdString(path);
    bus.send(list ? call.createReply(paths) : call.createReply(paths.front()));
  });
  if (!refusal.empty()) {
    bus.send(call.createErrorReply(QString::fromLatin1(kOrderRefused),
                                   translated(QString::fromStdString(refusal))));
  }
}

void OrderService::ShowWindow() {
  orders_.showWindow();
}

void OrderService::answer(const std::string& refusal) {
  if (!refusal.empty()) {
    sendErrorReply(QString::fromLatin1(kOrderRefused), translated(QString::fromStdString(refusal)));
  }
}

}  // namespace yorvane
