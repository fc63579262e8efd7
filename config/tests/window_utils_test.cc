#include "config/window_utils.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace config {
namespace {

constexpr platform::TWindowId kOurs = 0x100;
constexpr platform::TWindowId kOther = 0x200;

// A desktop with two windows on two threads. SetForeground succeeds only
// while the input is attached (AttachWorks), or when the lock time-out is 0
// (LockTimeoutZeroWorks). Every call is logged.
class TFakeDesktop final : public platform::TForegroundSystem {
 public:
  bool Minimized = false;
  platform::TWindowId Front = kOther;
  bool AttachWorks = true;
  bool SetForegroundWorksWhenAttached = true;
  bool LockTimeoutZeroWorks = true;
  uint32_t LockTimeout = 200000;
  bool Attached = false;
  std::vector<std::string> Log;

  bool IsMinimized(platform::TWindowId) override { return Minimized; }
  void Restore(platform::TWindowId) override {
    Log.push_back("restore");
    Minimized = false;
  }
  platform::TWindowId Foreground() override { return Front; }
  uint32_t WindowThread(platform::TWindowId AWindow) override { return AWindow == kOurs ? 1 : 2; }
  bool AttachInput(uint32_t, uint32_t, bool AAttach) override {
    Log.push_back(AAttach ? "attach" : "detach");
    if (!AttachWorks) return false;
    Attached = AAttach;
    return true;
  }
  void BringToTop(platform::TWindowId) override { Log.push_back("top"); }
  void SetForeground(platform::TWindowId AWindow) override {
    Log.push_back("foreground");
    if ((Attached && SetForegroundWorksWhenAttached) ||
        (LockTimeout == 0 && LockTimeoutZeroWorks)) {
      Front = AWindow;
    }
  }
  uint32_t ForegroundLockTimeout() override { return LockTimeout; }
  void SetForegroundLockTimeout(uint32_t AValue) override {
    Log.push_back("timeout=" + std::to_string(AValue));
    LockTimeout = AValue;
  }
};

using TLog = std::vector<std::string>;

TEST(ForceWindowToFront, WindowAlreadyInFrontTouchesNothing) {
  TFakeDesktop desktop;
  desktop.Front = kOurs;
  EXPECT_TRUE(ForceWindowToFront(desktop, kOurs));
  EXPECT_EQ(desktop.Log, TLog{});
}

TEST(ForceWindowToFront, MinimizedWindowIsRestoredEvenWhenEverythingIsRefused) {
  TFakeDesktop desktop;
  desktop.Minimized = true;
  desktop.AttachWorks = false;
  desktop.LockTimeoutZeroWorks = false;
  EXPECT_FALSE(ForceWindowToFront(desktop, kOurs));
  EXPECT_FALSE(desktop.Minimized);
  EXPECT_EQ(desktop.Log.front(), "restore");
  EXPECT_EQ(desktop.Front, kOther);
  EXPECT_EQ(desktop.LockTimeout, 200000u);
}

TEST(ForceWindowToFront, AttachedInputIsEnoughAndIsDetachedAgain) {
  TFakeDesktop desktop;
  EXPECT_TRUE(ForceWindowToFront(desktop, kOurs));
  EXPECT_EQ(desktop.Log, (TLog{"attach", "top", "foreground", "detach"}));
  EXPECT_FALSE(desktop.Attached);
}

TEST(ForceWindowToFront, SecondAttemptRestoresTheLockTimeout) {
  for (bool attach_works : {false, true}) {
    TFakeDesktop desktop;
    desktop.AttachWorks = attach_works;
    desktop.SetForegroundWorksWhenAttached = false;
    EXPECT_TRUE(ForceWindowToFront(desktop, kOurs));
    EXPECT_EQ(desktop.LockTimeout, 200000u);
    const TLog tail(desktop.Log.end() - 4, desktop.Log.end());
    EXPECT_EQ(tail, (TLog{"timeout=0", "top", "foreground", "timeout=200000"}));
  }
}

}  // namespace
}  // namespace config
