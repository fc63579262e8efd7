// Window subclassing that stacks: any number of handlers sit in front of a
// window's procedure, each added under an id and removed by it in any order,
// without cutting the others off (see TMessageChain). The toolkit's own
// widgets, skin wrappers and test probes all hook windows this way.
//
// The chain is kept in a window property of the window and ends with the
// procedure the window had before. When the last handler goes, or the
// window is destroyed (after WM_NCDESTROY has passed every handler), the
// window gets its procedure back, unless someone replaced it after the
// chain was installed; then the chain stays as a plain pass-through.
//
// TForeignSubclass hooks a window the toolkit did not create (a message
// box, a system dialog, their controls) with a procedure of its own object,
// and unhooks it when the object or the window goes.
//
// Thread safety: a window's chain belongs to the window's thread.
#ifndef QUILLORY_UI_SUBCLASS_H_
#define QUILLORY_UI_SUBCLASS_H_

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "ui/message_chain.h"

namespace ui {

struct TWindowMessage {
  HWND Window;
  UINT Message;
  WPARAM WParam;
  LPARAM LParam;
};

using TWindowChain = TMessageChain<TWindowMessage, LRESULT>;
using TSubclassHandler = TWindowChain::THandler;

// Puts AHandler in front of AWindow's procedure under AId. False when
// AWindow is no window or AId is there already.
bool SubclassWindow(HWND AWindow, uintptr_t AId, TSubclassHandler AHandler);
// Takes handler AId off AWindow. False when it was not there.
bool UnsubclassWindow(HWND AWindow, uintptr_t AId);
bool IsSubclassed(HWND AWindow, uintptr_t AId);

// Like SubclassWindow for a window of the toolkit's own class during its
// WM_NCCREATE: the chain ends in AOriginal instead of the current procedure.
bool SubclassOwnWindow(HWND AWindow, uintptr_t AId, TSubclassHandler AHandler, WNDPROC AOriginal);

class TForeignSubclass {
 public:
  // AHandler sees AWindow's messages (and passes them on through ANext).
  TForeignSubclass(HWND AWindow, TSubclassHandler AHandler);
  ~TForeignSubclass();
  TForeignSubclass(const TForeignSubclass&) = delete;
  TForeignSubclass& operator=(const TForeignSubclass&) = delete;

  HWND Window() const { return FWindow; }
  // True while the hook is on (the window exists and Detach was not called).
  bool Attached() const { return FAttached; }
  void Detach();

 private:
  HWND FWindow;
  bool FAttached = false;
  TSubclassHandler FHandler;
};

// Hooks a top-level window and every child window it has now, each with a
// TForeignSubclass calling AHandler.
std::vector<std::unique_ptr<TForeignSubclass>> SubclassWindowTree(HWND ATop,
                                                                  const TSubclassHandler& AHandler);

}  // namespace ui

#endif  // QUILLORY_UI_SUBCLASS_H_
