#include "wayland/hide_settle.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <algorithm>

namespace yorvane::wayland {

HideSettle::HideSettle() {
  QCoreApplication::instance()->installEventFilter(this);
}

bool HideSettle::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Hide && watched->isWidgetType() &&
      static_cast<QWidget*>(watched)->isWindow()) {
    hiddenAt_ = Clock::now();
  }
  return false;
}

void HideSettle::whenSettled(std::function<void()> then) {
  const auto left =
      std::chrono::ceil<std::chrono::milliseconds>(settledAt() - Clock::now()).count();
  QTimer::singleShot(std::max<int>(0, static_cast<int>(left)), this, std::move(then));
}

}  // namespace yorvane::wayland
