// Functions of "User32.dll" that older systems lack, bound by name on first
// use: the library is loaded once and freed when the program ends. When one
// of GetScrollBarInfo, GetComboBoxInfo or GetAncestor cannot be found, all
// three report failure (0) from then on. InternalGetWindowTextW is bound
// the same way and used only on NT platforms; elsewhere the text is empty.
//
// Thread safety: for the window thread (the binding is not guarded).
#ifndef QUILLORY_SKIN_ENGINE_USER32_FUNCTIONS_H_
#define QUILLORY_SKIN_ENGINE_USER32_FUNCTIONS_H_

#include <windows.h>

#include <string>

namespace skin {

BOOL ZelGetScrollBarInfo(HWND AWindow, LONG AObject, SCROLLBARINFO* AInfo);
BOOL ZelGetComboBoxInfo(HWND AWindow, COMBOBOXINFO* AInfo);
HWND ZelGetAncestor(HWND AWindow, UINT AFlags);
// The window's text as the system keeps it (no WM_GETTEXT is sent); empty
// when the function is missing.
std::wstring ZelInternalGetWindowText(HWND AWindow);

// Whether the three ancestor/scroll/combo functions were all found (binds
// them when not done yet).
bool ZelUser32FunctionsBound();

}  // namespace skin

#endif  // QUILLORY_SKIN_ENGINE_USER32_FUNCTIONS_H_
