// The type bits of a system BUTTON window, shared by the check box and the
// radio button.
//
// Thread safety: belongs to the window thread.
#ifndef QUILLORY_UI_BUTTON_STYLE_H_
#define QUILLORY_UI_BUTTON_STYLE_H_

#include <windows.h>

namespace ui {

// Gives AWindow the button type AType (BS_AUTOCHECKBOX, ...) and puts the
// text left of the box when ATextLeft; the window repaints.
inline void SetButtonStyle(HWND AWindow, DWORD AType, bool ATextLeft) {
  if (!AWindow) return;
  LONG_PTR style = GetWindowLongPtrW(AWindow, GWL_STYLE);
  style = (style & ~LONG_PTR{BS_TYPEMASK | BS_LEFTTEXT}) | static_cast<LONG_PTR>(AType) |
          (ATextLeft ? BS_LEFTTEXT : 0);
  // BM_SETSTYLE keeps the button's own idea of its type in step.
  SendMessageW(AWindow, BM_SETSTYLE, static_cast<WPARAM>(style & 0xFFFF), TRUE);
  SetWindowLongPtrW(AWindow, GWL_STYLE, style);
  InvalidateRect(AWindow, nullptr, TRUE);
}

}  // namespace ui

#endif  // QUILLORY_UI_BUTTON_STYLE_H_
