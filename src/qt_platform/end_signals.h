#pragma once

#include <QSocketNotifier>
#include <functional>

namespace yorvane {

// Turns SIGTERM, SIGINT and SIGHUP (a logout) into a call on the event loop,
// so the program can end the way a close of its window does. The signal
// handler only writes a byte to a pipe; the loop watches the other end.
class EndSignals {
 public:
  explicit EndSignals(std::function<void()> onSignal);
  EndSignals(const EndSignals&) = delete;
  EndSignals& operator=(const EndSignals&) = delete;

 private:
  std::function<void()> onSignal_;
  QSocketNotifier notifier_;
};

}  // namespace yorvane
