#pragma once

#include <functional>

namespace yorvane {

// Runs an event handler the way the program runs every handler, so that an
// error it does not handle itself is reported. Views and timers call handlers
// only through it.
using Dispatcher = std::function<void(const std::function<void()>&)>;

}  // namespace yorvane
