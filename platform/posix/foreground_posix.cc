// Stand-in for systems without a window manager of the kind the programs
// expect: there are no windows, and nothing is ever in front.
#include "platform/foreground.h"

namespace platform {
namespace {

class TNoWindows final : public TForegroundSystem {
 public:
  bool IsMinimized(TWindowId) override { return false; }
  void Restore(TWindowId) override {}
  TWindowId Foreground() override { return 0; }
  uint32_t WindowThread(TWindowId) override { return 0; }
  bool AttachInput(uint32_t, uint32_t, bool) override { return false; }
  void BringToTop(TWindowId) override {}
  void SetForeground(TWindowId) override {}
  uint32_t ForegroundLockTimeout() override { return 0; }
  void SetForegroundLockTimeout(uint32_t) override {}
};

}  // namespace

TForegroundSystem& SystemForeground() {
  static TNoWindows system;
  return system;
}

}  // namespace platform
