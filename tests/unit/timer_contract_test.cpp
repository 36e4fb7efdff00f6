// The fake platform's timer on its virtual clock against the timer contract.
#include "timer_contract.h"

#include "fake_platform.h"

namespace yorvane::testing {
namespace {

struct FakeTimerRig {
  std::unique_ptr<Timer> make(int intervalMs, std::function<void()> tick) {
    return fake.createTimer("contract", intervalMs, std::move(tick));
  }
  void runFor(int ms) { fake.advanceBy(ms); }
  void spend(int ms) { fake.hold(ms); }
  int64_t now() const { return fake.now(); }

  FakePlatform fake;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Fake, TimerContract, FakeTimerRig);

}  // namespace
}  // namespace yorvane::testing
