// Bringing a top-level window to the front.
//
// Thread safety: may be called from any thread; acts on the whole desktop.
#ifndef QUILLORY_CONFIG_WINDOW_UTILS_H_
#define QUILLORY_CONFIG_WINDOW_UTILS_H_

#include "platform/foreground.h"

namespace config {

// Makes AWindow the foreground window, also when the system's foreground
// lock would refuse a plain request: a minimized window is restored first;
// then the window's thread is attached to the input of the foreground
// thread for the request, and when that does not help the foreground lock
// time-out is set to 0 for a second request and restored afterwards. Never
// fails: returns true when AWindow is the foreground window at the end.
bool ForceWindowToFront(platform::TForegroundSystem& ASystem, platform::TWindowId AWindow);

// The same on the system's own window manager.
bool ForceWindowToFront(platform::TWindowId AWindow);

}  // namespace config

#endif  // QUILLORY_CONFIG_WINDOW_UTILS_H_
