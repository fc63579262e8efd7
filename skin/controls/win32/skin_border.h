// The skinned border of bordered controls (edits, hot keys, and the base of
// the scroll family): a one-pixel frame in "SKIN2_CONTROLBORDERCOLOR" with
// an inner frame in the control's colour, drawn over the control's own
// border after it paints its frame.
//
// Thread safety: a wrapper belongs to its control's thread.
#ifndef QUILLORY_SKIN_CONTROLS_WIN32_SKIN_BORDER_H_
#define QUILLORY_SKIN_CONTROLS_WIN32_SKIN_BORDER_H_

#include "skin/controls/win32/skin_control.h"

namespace skin {

// Whether AControl gets the skinned border: no when it has a "BorderStyle"
// property of another type than TBorderStyle or TFormBorderStyle, or of
// value none; or a "BevelEdges" or "EdgeBorders" property holding the empty
// set; or when its class name is in the engine's no-border list.
bool WantsSkinnedBorder(const ui::TComponent& AControl, const TzelSkinHost& AEngine);

class TzelSkinBorderWinControl : public TzelSkinControlVCL {
 public:
  void AfterProcess(TSkinMessage& AMessage) override;
  void Paint() override;

 protected:
  template <class T, class... A>
  friend std::unique_ptr<T> MakeSkinControl(A&&... AArgs);
  TzelSkinBorderWinControl(ui::TWidget& AControl, TzelSkinHost& AEngine, void* ASkinWnd = nullptr)
      : TzelSkinControlVCL(AControl, AEngine, ASkinWnd) {}
};

// The native variant: always the border, the system window colour inside.
class TzelSkinBorderWndControl : public TzelSkinControlWnd {
 public:
  void AfterProcess(TSkinMessage& AMessage) override;
  void Paint() override;

 protected:
  template <class T, class... A>
  friend std::unique_ptr<T> MakeSkinControl(A&&... AArgs);
  TzelSkinBorderWndControl(HWND ACtrlWnd, TzelSkinHost& AEngine, void* ASkinWnd = nullptr)
      : TzelSkinControlWnd(ACtrlWnd, AEngine, ASkinWnd) {}
};

}  // namespace skin

#endif  // QUILLORY_SKIN_CONTROLS_WIN32_SKIN_BORDER_H_
