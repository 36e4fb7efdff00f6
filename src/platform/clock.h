#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/timer.h"

namespace yorvane {

// Timers and the time.
class Clock {
 public:
  virtual ~Clock() = default;

  virtual std::unique_ptr<Timer> createTimer(std::string name, int intervalMs,
                                             std::function<void()> tick) = 0;
  // A clock that only goes forward, in milliseconds from an arbitrary start.
  virtual int64_t nowMs() = 0;
};

}  // namespace yorvane
