// The up-down control's wrapper: the control paints its arrows, the wrapper
// outlines the two halves and marks the pressed one (m_R: -1 the first
// half, 1 the second, 0 none).
//
// Thread safety: a wrapper belongs to its control's thread.
#ifndef QUILLORY_SKIN_CONTROLS_WIN32_SKIN_UPDOWN_H_
#define QUILLORY_SKIN_CONTROLS_WIN32_SKIN_UPDOWN_H_

#include "skin/controls/win32/skin_control.h"

namespace skin {

class TzelSkinUpDown : public TzelSkinControlVCL {
 public:
  void AfterProcess(TSkinMessage& AMessage) override;
  void Paint() override;
  int PressedHalf() const { return m_R; }

 protected:
  template <class T, class... A>
  friend std::unique_ptr<T> MakeSkinControl(A&&... AArgs);
  TzelSkinUpDown(ui::TWidget& AControl, TzelSkinHost& AEngine, void* ASkinWnd = nullptr)
      : TzelSkinControlVCL(AControl, AEngine, ASkinWnd) {}

 private:
  bool Vertical() const;
  int m_R = 0;
};

}  // namespace skin

#endif  // QUILLORY_SKIN_CONTROLS_WIN32_SKIN_UPDOWN_H_
