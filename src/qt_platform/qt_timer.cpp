#include "qt_platform/qt_timer.h"

namespace yorvane {

QtTimer::QtTimer(const std::string& name, int intervalMs, std::function<void()> tick) {
  timer_.setObjectName(QString::fromStdString(name));
  timer_.setTimerType(Qt::PreciseTimer);
  timer_.setInterval(intervalMs);
  QObject::connect(&timer_, &QTimer::timeout, std::move(tick));
}

void QtTimer::setEnabled(bool enabled) {
  if (enabled == timer_.isActive()) return;
  if (enabled) {
    timer_.start();
  } else {
    timer_.stop();
  }
}

void QtTimer::setInterval(int milliseconds) {
  // QTimer::setInterval restarts a running timer, so the new interval counts from now.
  timer_.setInterval(milliseconds);
}

}  // namespace yorvane
