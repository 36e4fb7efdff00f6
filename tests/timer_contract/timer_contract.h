#pragma once

// The behaviour every Timer must show, as Qt's precise timer shows it. The
// same cases run against the fake platform's timer on its virtual clock
// (tests/unit) and against the real Qt timer (tests/qt): the virtual-clock
// tests of the program are only worth what this agreement is worth.
//
// A rig gives the timers and the time:
//   std::unique_ptr<Timer> make(int intervalMs, std::function<void()> tick);
//   void runFor(int ms);   // lets the time pass, ticks running as they fall due
//   void spend(int ms);    // inside a tick: the handler takes this long
//   int64_t now() const;   // ms since the rig was made
// Intervals are long enough that a real timer is told apart from a wrong one
// on a loaded machine.

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/timer.h"

namespace yorvane::testing {

template <typename Rig>
class TimerContract : public ::testing::Test {
 protected:
  // A timer that notes the time of each of its ticks.
  std::unique_ptr<Timer> make(int intervalMs) {
    return rig.make(intervalMs, [this] { ticks.push_back(rig.now()); });
  }
  Rig rig;
  std::vector<int64_t> ticks;
};

TYPED_TEST_SUITE_P(TimerContract);

TYPED_TEST_P(TimerContract, EnablingAnEnabledTimerDoesNotRestartIt) {
  auto timer = this->make(200);
  timer->setEnabled(true);
  this->rig.runFor(120);
  timer->setEnabled(true);
  this->rig.runFor(180);  // a restarted timer would tick at 320
  ASSERT_EQ(this->ticks.size(), 1u);
  EXPECT_TRUE(timer->enabled());
}

TYPED_TEST_P(TimerContract, ANewIntervalRestartsTheCount) {
  auto timer = this->make(200);
  timer->setEnabled(true);
  this->rig.runFor(120);
  timer->setInterval(200);
  EXPECT_EQ(timer->interval(), 200);
  this->rig.runFor(150);
  EXPECT_TRUE(this->ticks.empty()) << "no tick at the old deadline of 200";
  this->rig.runFor(100);
  ASSERT_EQ(this->ticks.size(), 1u) << "a tick at 320";
}

TYPED_TEST_P(TimerContract, RepeatsCountFromTheDeadlineNotFromTheHandlersEnd) {
  auto timer = this->rig.make(100, [this] {
    this->ticks.push_back(this->rig.now());
    this->rig.spend(40);
  });
  timer->setEnabled(true);
  this->rig.runFor(350);  // counted from the handlers' ends: 100, 240, 380
  EXPECT_EQ(this->ticks.size(), 3u);
}

TYPED_TEST_P(TimerContract, ATickHeldPastTheNextDeadlineIsFollowedByOneLateTick) {
  auto timer = this->rig.make(200, [this] {
    this->ticks.push_back(this->rig.now());
    if (this->ticks.size() == 1) this->rig.spend(500);
  });
  timer->setEnabled(true);
  this->rig.runFor(1050);  // 200, held to 700, then 700 and 900; none for 400 and 600
  ASSERT_EQ(this->ticks.size(), 3u);
  EXPECT_GE(this->ticks[1], 700);
  EXPECT_GE(this->ticks[2] - this->ticks[1], 150);
}

TYPED_TEST_P(TimerContract, DisablingInsideItsOwnTickStopsIt) {
  std::unique_ptr<Timer> timer;
  timer = this->rig.make(100, [this, &timer] {
    this->ticks.push_back(this->rig.now());
    timer->setEnabled(false);
  });
  timer->setEnabled(true);
  this->rig.runFor(350);
  EXPECT_EQ(this->ticks.size(), 1u);
  EXPECT_FALSE(timer->enabled());

  timer->setEnabled(true);
  this->rig.runFor(150);
  EXPECT_EQ(this->ticks.size(), 2u) << "enabled again, it starts a fresh interval";
}

REGISTER_TYPED_TEST_SUITE_P(TimerContract, EnablingAnEnabledTimerDoesNotRestartIt,
                            ANewIntervalRestartsTheCount,
                            RepeatsCountFromTheDeadlineNotFromTheHandlersEnd,
                            ATickHeldPastTheNextDeadlineIsFollowedByOneLateTick,
                            DisablingInsideItsOwnTickStopsIt);

}  // namespace yorvane::testing
