// Wrappers of buttons: the toolkit's push button (owner-painted from
// "SKIN2_BUTTON", with its own click rules, see TButtonClicks), the native
// check box and radio button (the control paints itself, the wrapper
// paints the box again), and the toolkit label (font colour only).
//
// Thread safety: a wrapper belongs to its control's thread.
#ifndef QUILLORY_SKIN_CONTROLS_WIN32_SKIN_BUTTONS_H_
#define QUILLORY_SKIN_CONTROLS_WIN32_SKIN_BUTTONS_H_

#include <optional>

#include "skin/controls/button_clicks.h"
#include "skin/controls/win32/skin_control.h"

namespace skin {

class TzelSkinButton : public TzelSkinControlVCL {
 public:
  bool PreProcess(TSkinMessage& AMessage) override;
  void AfterProcess(TSkinMessage& AMessage) override;
  void Paint() override;
  void Init() override { m_Clicks = {}; }

  bool Downed() const { return m_Clicks.Downed(); }
  bool KeyDowned() const { return m_Clicks.KeyDowned(); }

 protected:
  template <class T, class... A>
  friend std::unique_ptr<T> MakeSkinControl(A&&... AArgs);
  TzelSkinButton(ui::TWidget& AControl, TzelSkinHost& AEngine, void* ASkinWnd = nullptr)
      : TzelSkinControlVCL(AControl, AEngine, ASkinWnd) {}

 private:
  TButtonContext Context() const;
  TButtonClicks m_Clicks;
  std::optional<TButtonReaction> m_Pending;  // from PreProcess to AfterProcess
};

// A native check box or radio button: paints its box after the control's
// own painting, after BM_SETCHECK and double clicks.
class TzelSkinWndCheckBox : public TzelSkinControlWnd {
 public:
  void AfterProcess(TSkinMessage& AMessage) override;
  void Paint() override;

 protected:
  template <class T, class... A>
  friend std::unique_ptr<T> MakeSkinControl(A&&... AArgs);
  TzelSkinWndCheckBox(HWND ACtrlWnd, TzelSkinHost& AEngine, void* ASkinWnd = nullptr)
      : TzelSkinControlWnd(ACtrlWnd, AEngine, ASkinWnd) {}
  virtual bool Radio() const { return false; }
};

class TzelSkinWndRadioButton : public TzelSkinWndCheckBox {
 public:
  bool PreProcess(TSkinMessage& AMessage) override;

 protected:
  template <class T, class... A>
  friend std::unique_ptr<T> MakeSkinControl(A&&... AArgs);
  using TzelSkinWndCheckBox::TzelSkinWndCheckBox;
  bool Radio() const override { return true; }
};

// A label: takes its parent's colour and the skin's control font colour
// while the engine is active; its own colour comes back when inactive or
// when the wrapper goes.
class TzelSkinLabel : public TzelSkinControlVCL {
 public:
  ~TzelSkinLabel() override;
  void SkinStateChanged() override;
  bool ParentColor() const override { return true; }

 protected:
  template <class T, class... A>
  friend std::unique_ptr<T> MakeSkinControl(A&&... AArgs);
  TzelSkinLabel(ui::TWidget& AControl, TzelSkinHost& AEngine, void* ASkinWnd = nullptr)
      : TzelSkinControlVCL(AControl, AEngine, ASkinWnd) {}

 private:
  void RestoreFontColor();
  std::optional<ui::TColor> m_OldFontColor;
};

}  // namespace skin

#endif  // QUILLORY_SKIN_CONTROLS_WIN32_SKIN_BUTTONS_H_
