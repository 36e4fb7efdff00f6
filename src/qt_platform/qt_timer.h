#pragma once

#include <QTimer>
#include <functional>
#include <string>

#include "platform/timer.h"

namespace yorvane {

// A Timer on a precise QTimer: Qt schedules each tick from the previous
// deadline, not from the end of the handler, so a series keeps its pace.
class QtTimer : public Timer {
 public:
  QtTimer(const std::string& name, int intervalMs, std::function<void()> tick);

  void setEnabled(bool enabled) override;
  bool enabled() const override { return timer_.isActive(); }
  void setInterval(int milliseconds) override;
  int interval() const override { return timer_.interval(); }

 private:
  QTimer timer_;
};

}  // namespace yorvane
