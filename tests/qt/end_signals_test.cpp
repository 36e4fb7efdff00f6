#include "qt_platform/end_signals.h"

#include <gtest/gtest.h>

#include <QTest>
#include <csignal>

namespace yorvane {
namespace {

TEST(EndSignals, EachOfThemRunsTheCallOnceOnTheEventLoop) {
  int calls = 0;
  EndSignals endSignals([&calls] { ++calls; });
  for (const int number : {SIGTERM, SIGINT, SIGHUP}) {
    const int before = calls;
    ASSERT_EQ(std::raise(number), 0);
    EXPECT_EQ(calls, before) << "not inside the signal handler";
    EXPECT_TRUE(QTest::qWaitFor([&] { return calls == before + 1; }, 5000)) << number;
  }
}

}  // namespace
}  // namespace yorvane
