#include "qt_platform/end_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>

namespace yorvane {

namespace {
int pipeEnds[2] = {-1, -1};

int readingEnd() {
  if (::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0) std::abort();
  return pipeEnds[0];
}

void onEndSignal(int) {
  const int saved = errno;
  const char byte = 1;
  // A full pipe already holds a request to end.
  [[maybe_unused]] const ssize_t n = ::write(pipeEnds[1], &byte, 1);
  errno = saved;
}
}  // namespace

EndSignals::EndSignals(std::function<void()> onSignal)
    : onSignal_(std::move(onSignal)), notifier_(readingEnd(), QSocketNotifier::Read) {
  QObject::connect(&notifier_, &QSocketNotifier::activated, [this] {
    char bytes[16];
    while (::read(pipeEnds[0], bytes, sizeof bytes) > 0) {
    }
    onSignal_();
  });
  struct sigaction action = {};
  action.sa_handler = onEndSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (const int number : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(number, &action, nullptr);
}

}  // namespace yorvane
