#include "platform/thread.h"

#include <gtest/gtest.h>

#include <atomic>

TEST(Thread, RunsBodyWithSmallStackAndJoins) {
  std::atomic<int> runs{0};
  {
    platform::TThread t([&] { runs++; }, 64 * 1024);
    t.Join();
    EXPECT_EQ(runs, 1);
    t.Join();  // idempotent
  }
  platform::TThread t2([&] { runs++; }, 64 * 1024, platform::TThreadPriority::Highest);
  t2.Join();
  EXPECT_EQ(runs, 2);
}
