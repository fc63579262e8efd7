// The window-system calls that decide which top-level window is in front.
//
// A seam, so that the logic that forces a window to the front is tested with
// a fake. Windows are named by their handle value.
//
// Thread safety: the system implementation may be used from any thread; the
// calls act on the windows and input queues of the whole desktop.
#ifndef QUILLORY_PLATFORM_FOREGROUND_H_
#define QUILLORY_PLATFORM_FOREGROUND_H_

#include <cstdint>

namespace platform {

using TWindowId = uintptr_t;  // a window handle's value; 0 is no window

class TForegroundSystem {
 public:
  virtual ~TForegroundSystem() = default;

  // True when AWindow is minimized.
  virtual bool IsMinimized(TWindowId AWindow) = 0;
  // Restores a minimized AWindow to its normal place and size.
  virtual void Restore(TWindowId AWindow) = 0;
  // The current foreground window, 0 when there is none.
  virtual TWindowId Foreground() = 0;
  // The thread that created AWindow, 0 when the window is gone.
  virtual uint32_t WindowThread(TWindowId AWindow) = 0;
  // Attaches (AAttach true) or detaches the input of AThread to or from the
  // input of AToThread. True when the system did it.
  virtual bool AttachInput(uint32_t AThread, uint32_t AToThread, bool AAttach) = 0;
  // Puts AWindow on top of the Z order.
  virtual void BringToTop(TWindowId AWindow) = 0;
  // Asks the system to make AWindow the foreground window.
  virtual void SetForeground(TWindowId AWindow) = 0;
  // The system-wide foreground lock time-out in milliseconds.
  virtual uint32_t ForegroundLockTimeout() = 0;
  // Sets the system-wide foreground lock time-out and tells running programs.
  virtual void SetForegroundLockTimeout(uint32_t AMilliseconds) = 0;
};

// The system's window manager. On systems without one the stand-in has no
// windows at all: nothing is ever in front.
TForegroundSystem& SystemForeground();

}  // namespace platform

#endif  // QUILLORY_PLATFORM_FOREGROUND_H_
