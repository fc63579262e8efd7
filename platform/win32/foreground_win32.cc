// Foreground windows on Windows.
#include <windows.h>

#include "platform/foreground.h"

namespace platform {
namespace {

HWND Hwnd(TWindowId AWindow) {
  return reinterpret_cast<HWND>(AWindow);
}

class TWin32Foreground final : public TForegroundSystem {
 public:
  bool IsMinimized(TWindowId AWindow) override { return IsIconic(Hwnd(AWindow)) != FALSE; }
  void Restore(TWindowId AWindow) override { ShowWindow(Hwnd(AWindow), SW_RESTORE); }
  TWindowId Foreground() override { return reinterpret_cast<TWindowId>(GetForegroundWindow()); }
  uint32_t WindowThread(TWindowId AWindow) override {
    return GetWindowThreadProcessId(Hwnd(AWindow), nullptr);
  }
  bool AttachInput(uint32_t AThread, uint32_t AToThread, bool AAttach) override {
    return AttachThreadInput(AThread, AToThread, AAttach ? TRUE : FALSE) != FALSE;
  }
  void BringToTop(TWindowId AWindow) override { BringWindowToTop(Hwnd(AWindow)); }
  void SetForeground(TWindowId AWindow) override { SetForegroundWindow(Hwnd(AWindow)); }
  uint32_t ForegroundLockTimeout() override {
    DWORD value = 0;
    SystemParametersInfoW(SPI_GETFOREGROUNDLOCKTIMEOUT, 0, &value, 0);
    return value;
  }
  void SetForegroundLockTimeout(uint32_t AMilliseconds) override {
    // This setting takes its value in the pointer argument itself.
    SystemParametersInfoW(SPI_SETFOREGROUNDLOCKTIMEOUT, 0,
                          reinterpret_cast<void*>(static_cast<uintptr_t>(AMilliseconds)),
                          SPIF_SENDCHANGE);
  }
};

}  // namespace

TForegroundSystem& SystemForeground() {
  static TWin32Foreground system;
  return system;
}

}  // namespace platform
