// TzelSkinOverlayPanel: a small plain child window that a wrapper puts on
// top of a part of its control (a drop-down button, up-down arrows) and
// paints from the skin. It sits on the control's parent, so that it covers
// the control without the control painting over it; it is hidden until
// placed and destroyed with the object.
//
// Thread safety: belongs to the thread of its parent window.
#ifndef QUILLORY_SKIN_CONTROLS_WIN32_SKIN_OVERLAY_PANEL_H_
#define QUILLORY_SKIN_CONTROLS_WIN32_SKIN_OVERLAY_PANEL_H_

#include <windows.h>

#include "skin/draw/geometry.h"

namespace skin {

class TzelSkinOverlayPanel {
 public:
  virtual ~TzelSkinOverlayPanel();
  TzelSkinOverlayPanel(const TzelSkinOverlayPanel&) = delete;
  TzelSkinOverlayPanel& operator=(const TzelSkinOverlayPanel&) = delete;

  HWND Handle() const { return FHandle; }
  // Shows the panel over ARect of AOver (in AOver's client coordinates),
  // on top of its siblings, and repaints it.
  void PlaceOver(HWND AOver, const RECT& ARect);
  void Hide();
  bool Visible() const { return FHandle != nullptr && IsWindowVisible(FHandle); }
  void Redraw();

  // The window class of every overlay panel.
  static constexpr const wchar_t* kClassName = L"TzelSkinOverlayPanel";

 protected:
  // A hidden panel on AParent; throws when no window could be made.
  explicit TzelSkinOverlayPanel(HWND AParent);
  // Paints the whole panel (ASize) on ADc, an off-screen buffer.
  virtual void PaintPanel(HDC ADc, TSize ASize) = 0;
  // Mouse buttons, moves and leaving (AAt in panel coordinates).
  virtual void Mouse(UINT /*AMessage*/, POINT /*AAt*/) {}

 private:
  static LRESULT CALLBACK Proc(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam);
  HWND FHandle = nullptr;
};

}  // namespace skin

#endif  // QUILLORY_SKIN_CONTROLS_WIN32_SKIN_OVERLAY_PANEL_H_
