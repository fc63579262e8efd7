// Check boxes and radio buttons, toolkit and native, on one small base:
// the control paints itself (text included); afterwards, and after
// BM_SETCHECK, focus changes and double clicks, the wrapper paints the box
// again from "SKIN2_CHECKBOX" (6 frames) or "SKIN2_RADIOBUTTON" (4 frames)
// on a square of the control's colour. Both kinds are BUTTON windows, so
// the state and the text side come from the window itself; the toolkit
// kind also gives its font the skin's control font colour while the engine
// is active (unless the engine keeps buttons' colours).
//
// Thread safety: a wrapper belongs to its control's thread.
#ifndef QUILLORY_SKIN_CONTROLS_WIN32_SKIN_CHECKS_H_
#define QUILLORY_SKIN_CONTROLS_WIN32_SKIN_CHECKS_H_

#include "skin/controls/win32/skin_control.h"
#include "skin/controls/win32/skin_props.h"

namespace skin {

// TBase is TzelSkinControlVCL or TzelSkinControlWnd.
template <class TBase>
class TzelSkinCheckBase : public TBase {
 public:
  // Radio buttons: WM_ERASEBKGND answers 1.
  bool PreProcess(TSkinMessage& AMessage) override;
  void AfterProcess(TSkinMessage& AMessage) override;
  void Paint() override;

 protected:
  using TBase::TBase;
  virtual bool Radio() const { return false; }
  // The colour of the square behind the box.
  virtual TColor BoxColor() const = 0;
};

extern template class TzelSkinCheckBase<TzelSkinControlVCL>;
extern template class TzelSkinCheckBase<TzelSkinControlWnd>;

// A toolkit check box.
class TzelSkinCheckBox : public TzelSkinCheckBase<TzelSkinControlVCL> {
 public:
  ~TzelSkinCheckBox() override;
  void SkinStateChanged() override;

 protected:
  template <class T, class... A>
  friend std::unique_ptr<T> MakeSkinControl(A&&... AArgs);
  TzelSkinCheckBox(ui::TWidget& AControl, TzelSkinHost& AEngine, void* ASkinWnd = nullptr)
      : TzelSkinCheckBase(AControl, AEngine, ASkinWnd) {}
  TColor BoxColor() const override;

 private:
  TOldFontColor m_OldFontColor;
};

// A toolkit radio button: as the check box; a double click is withheld
// from the control and runs its OnDblClick instead.
class TzelSkinRadioButton : public TzelSkinCheckBox {
 public:
  bool PreProcess(TSkinMessage& AMessage) override;

 protected:
  template <class T, class... A>
  friend std::unique_ptr<T> MakeSkinControl(A&&... AArgs);
  using TzelSkinCheckBox::TzelSkinCheckBox;
  bool Radio() const override { return true; }
};

// A native check box: the box on the skin's form colour.
class TzelSkinWndCheckBox : public TzelSkinCheckBase<TzelSkinControlWnd> {
 protected:
  template <class T, class... A>
  friend std::unique_ptr<T> MakeSkinControl(A&&... AArgs);
  TzelSkinWndCheckBox(HWND ACtrlWnd, TzelSkinHost& AEngine, void* ASkinWnd = nullptr)
      : TzelSkinCheckBase(ACtrlWnd, AEngine, ASkinWnd) {}
  TColor BoxColor() const override { return this->m_Engine->FormColor(); }
};

class TzelSkinWndRadioButton : public TzelSkinWndCheckBox {
 protected:
  template <class T, class... A>
  friend std::unique_ptr<T> MakeSkinControl(A&&... AArgs);
  using TzelSkinWndCheckBox::TzelSkinWndCheckBox;
  bool Radio() const override { return true; }
};

}  // namespace skin

#endif  // QUILLORY_SKIN_CONTROLS_WIN32_SKIN_CHECKS_H_
