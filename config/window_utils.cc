#include "config/window_utils.h"

namespace config {

bool ForceWindowToFront(platform::TForegroundSystem& ASystem, platform::TWindowId AWindow) {
  if (ASystem.IsMinimized(AWindow)) ASystem.Restore(AWindow);
  if (ASystem.Foreground() == AWindow) return true;

  // Every system a 64-bit build runs on has the foreground lock (Windows 98
  // and 2000 brought it), so a plain request is not enough.
  const uint32_t foreground_thread = ASystem.WindowThread(ASystem.Foreground());
  const uint32_t window_thread = ASystem.WindowThread(AWindow);
  bool in_front = false;
  if (ASystem.AttachInput(window_thread, foreground_thread, true)) {
    ASystem.BringToTop(AWindow);
    ASystem.SetForeground(AWindow);
    ASystem.AttachInput(window_thread, foreground_thread, false);
    in_front = ASystem.Foreground() == AWindow;
  }
  if (!in_front) {
    const uint32_t timeout = ASystem.ForegroundLockTimeout();
    ASystem.SetForegroundLockTimeout(0);
    ASystem.BringToTop(AWindow);
    ASystem.SetForeground(AWindow);
    ASystem.SetForegroundLockTimeout(timeout);
  }
  return ASystem.Foreground() == AWindow;
}

bool ForceWindowToFront(platform::TWindowId AWindow) {
  return ForceWindowToFront(platform::SystemForeground(), AWindow);
}

}  // namespace config
