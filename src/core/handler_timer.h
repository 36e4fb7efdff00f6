#pragma once

#include <functional>
#include <memory>
#include <string>

#include "core/dispatcher.h"
#include "platform/clock.h"
#include "platform/timer.h"

namespace yorvane {

// A timer whose ticks run handler through dispatch.
inline std::unique_ptr<Timer> makeHandlerTimer(Clock& clock, const Dispatcher& dispatch,
                                               std::string name, int intervalMs,
                                               std::function<void()> handler) {
  return clock.createTimer(std::move(name), intervalMs,
                           std::bind_front(dispatch, std::move(handler)));
}

}  // namespace yorvane
