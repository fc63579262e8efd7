// Wrappers of containers that only take their parent's skinned colour
// (panels, cool bars) or keep the base behaviour (frames).
//
// Thread safety: a wrapper belongs to its control's thread.
#ifndef QUILLORY_SKIN_CONTROLS_WIN32_SKIN_CONTAINERS_H_
#define QUILLORY_SKIN_CONTROLS_WIN32_SKIN_CONTAINERS_H_

#include "skin/controls/win32/skin_control.h"

namespace skin {

class TzelSkinPanel : public TzelSkinControlVCL {
 public:
  bool ParentColor() const override { return true; }

 protected:
  template <class T, class... A>
  friend std::unique_ptr<T> MakeSkinControl(A&&... AArgs);
  TzelSkinPanel(ui::TWidget& AControl, TzelSkinHost& AEngine, void* ASkinWnd = nullptr)
      : TzelSkinControlVCL(AControl, AEngine, ASkinWnd) {}
};

class TzelSkinFrame : public TzelSkinControlVCL {
 protected:
  template <class T, class... A>
  friend std::unique_ptr<T> MakeSkinControl(A&&... AArgs);
  TzelSkinFrame(ui::TWidget& AControl, TzelSkinHost& AEngine, void* ASkinWnd = nullptr)
      : TzelSkinControlVCL(AControl, AEngine, ASkinWnd) {}
};

}  // namespace skin

#endif  // QUILLORY_SKIN_CONTROLS_WIN32_SKIN_CONTAINERS_H_
