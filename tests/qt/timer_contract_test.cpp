// The Qt timer of the real program against the timer contract, in real time.
#include "timer_contract.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include "qt_platform/qt_timer.h"

namespace yorvane::testing {
namespace {

struct QtTimerRig {
  QtTimerRig() { clock.start(); }
  std::unique_ptr<Timer> make(int intervalMs, std::function<void()> tick) {
    return std::make_unique<QtTimer>("contract", intervalMs, std::move(tick));
  }
  void runFor(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
  }
  // The handler is busy, as a screen copy and save keep it.
  void spend(int ms) {
    const int64_t until = clock.elapsed() + ms;
    while (clock.elapsed() < until) {
    }
  }
  int64_t now() const { return clock.elapsed(); }

  QElapsedTimer clock;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Qt, TimerContract, QtTimerRig);

}  // namespace
}  // namespace yorvane::testing
