// The toolkit's private window messages.
//
// Reflected notifications: what a parent window receives on behalf of a
// child control (WM_COMMAND, WM_NOTIFY, WM_DRAWITEM, WM_MEASUREITEM,
// WM_CTLCOLOR*, WM_HSCROLL/WM_VSCROLL from a control) is sent on to the
// child as CN_BASE + the message, with the same parameters, and turned into
// the child's handlers there. Code that sits in front of a child's window
// procedure therefore sees its notifications.
//
// Notifications (CM_*): sent to a widget's window once per real change, so
// that code in front of the window procedure learns of it. Parameters are 0
// unless stated. Portable constants.
#ifndef QUILLORY_UI_MESSAGES_H_
#define QUILLORY_UI_MESSAGES_H_

namespace ui {

inline constexpr unsigned CM_BASE = 0xB000;
inline constexpr unsigned CM_MOUSEENTER = CM_BASE + 1;
inline constexpr unsigned CM_MOUSELEAVE = CM_BASE + 2;
inline constexpr unsigned CM_TEXTCHANGED = CM_BASE + 3;
inline constexpr unsigned CM_ENABLEDCHANGED = CM_BASE + 4;
inline constexpr unsigned CM_FONTCHANGED = CM_BASE + 5;
inline constexpr unsigned CM_COLORCHANGED = CM_BASE + 6;
inline constexpr unsigned CM_VISIBLECHANGED = CM_BASE + 7;  // wParam: 1 now visible
inline constexpr unsigned CM_GOTFOCUS = CM_BASE + 8;
inline constexpr unsigned CM_LOSTFOCUS = CM_BASE + 9;
// wParam: the character (upper case) of an Alt+key; the answer is 1 when the
// widget took it as its access key.
inline constexpr unsigned CM_DIALOGCHAR = CM_BASE + 10;
inline constexpr unsigned CM_RECREATEWND = CM_BASE + 11;
inline constexpr unsigned CM_BORDERCHANGED = CM_BASE + 12;
// Sent by a transparent child to its parent: paint your background into
// the device context wParam, in your client coordinates, at least the
// rectangle lParam (a RECT*) covers.
inline constexpr unsigned CM_PAINTBACKGROUND = CM_BASE + 13;
// Posted to a new widget's window; the widget announces itself then.
inline constexpr unsigned CM_CREATED = CM_BASE + 14;
// Posted to a form to free it after its handlers have returned.
inline constexpr unsigned CM_RELEASE = CM_BASE + 15;

inline constexpr unsigned CN_BASE = 0xBC00;

}  // namespace ui

#endif  // QUILLORY_UI_MESSAGES_H_
