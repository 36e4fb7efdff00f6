#include "qt_platform/order_service.h"

#include "qt_platform/translation.h"

namespace yorvane {

OrderService::OrderService(Orders& orders, QString applicationFolder)
    : orders_(orders), applicationFolder_(std::move(applicationFolder)) {}

void OrderService::OneShot() {
  answer(orders_.takeOneShot());
}

void OrderService::StartSeries() {
  answer(orders_.startSeries());
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
