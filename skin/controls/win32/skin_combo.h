// Wrappers of combo-box-like controls. The combo boxes (toolkit and native,
// plain and extended) paint themselves; the wrapper then frames them and
// paints the drop-down button from the skin. The date-time picker gets the
// skinned border and overlay panels over its own buttons: a drop-down
// button (TzelSkinInternalComboButton) or, in up-down mode, up-down arrows
// (TzelSkinInternalUpDown). The panels are child windows of the control's
// parent, on top of the control, and pass clicks on to it.
//
// Thread safety: wrappers and panels belong to their control's thread.
#ifndef QUILLORY_SKIN_CONTROLS_WIN32_SKIN_COMBO_H_
#define QUILLORY_SKIN_CONTROLS_WIN32_SKIN_COMBO_H_

#include <memory>

#include "skin/controls/win32/skin_border.h"
#include "skin/controls/win32/skin_overlay_panel.h"

namespace skin {

class TzelSkinControl;

// The overlay drop-down button: a press drops the control's list by
// pressing the control's own button (m_Ctrl gets the press and release at
// the button's centre).
class TzelSkinInternalComboButton : public TzelSkinOverlayPanel {
 public:
  TzelSkinInternalComboButton(HWND ACtrl, TzelSkinControl& ASkinCtrl);
  // The control's own button, in its client coordinates.
  void SetTarget(const RECT& AButton) { m_Target = AButton; }

 protected:
  void PaintPanel(HDC ADc, TSize ASize) override;
  void Mouse(UINT AMessage, POINT AAt) override;

 private:
  HWND m_Ctrl;
  TzelSkinControl* m_SkinCtrl;
  RECT m_Target{};
  bool m_Pressed = false;
  bool m_Hot = false;
};

// The overlay up-down arrows over a control's own up-down child window: a
// press on a half presses the same half of the child.
class TzelSkinInternalUpDown : public TzelSkinOverlayPanel {
 public:
  TzelSkinInternalUpDown(HWND AUpDown, TzelSkinControl& ASkinCtrl);
  HWND UpDown() const { return m_Ctrl; }
  int PressedHalf() const { return m_R; }
  // The press on the arrows ended.
  void Release();

 protected:
  void PaintPanel(HDC ADc, TSize ASize) override;
  void Mouse(UINT AMessage, POINT AAt) override;

 private:
  HWND m_Ctrl;
  TzelSkinControl* m_SkinCtrl;
  int m_R = 0;
};

// A bordered control with an overlay drop-down button at its right.
class TzelSkinExtComboboxLikeControl : public TzelSkinBorderWinControl {
 public:
  ~TzelSkinExtComboboxLikeControl() override;
  void Init() override;
  void AfterProcess(TSkinMessage& AMessage) override;
  void Paint() override;
  void SkinStateChanged() override;
  TzelSkinInternalComboButton* DropButton() const { return m_Btn.get(); }

 protected:
  using TzelSkinBorderWinControl::TzelSkinBorderWinControl;
  // The control's own drop-down button in its client coordinates; empty
  // when it shows none.
  virtual RECT ButtonRect() const;
  // Moves the overlays over the control's buttons, or hides them.
  virtual void PlaceOverlays();

  std::unique_ptr<TzelSkinInternalComboButton> m_Btn;
};

class TzelSkinDateTimePicker : public TzelSkinExtComboboxLikeControl {
 public:
  ~TzelSkinDateTimePicker() override;
  void Init() override;
  void AfterProcess(TSkinMessage& AMessage) override;
  TzelSkinInternalUpDown* Spin() const { return m_Spin.get(); }

 protected:
  template <class T, class... A>
  friend std::unique_ptr<T> MakeSkinControl(A&&... AArgs);
  TzelSkinDateTimePicker(ui::TWidget& AControl, TzelSkinHost& AEngine, void* ASkinWnd = nullptr)
      : TzelSkinExtComboboxLikeControl(AControl, AEngine, ASkinWnd) {}
  RECT ButtonRect() const override;
  void PlaceOverlays() override;

 private:
  bool UpDownMode() const;
  std::unique_ptr<TzelSkinInternalUpDown> m_Spin;
};

// The skinned look painted over a combo box (ACombo: a COMBOBOX window)
// that has painted itself; nothing for the simple style. AControlColor
// fills the inner frame.
void PaintComboOver(HWND ACombo, const TzelSkinHost& AEngine, TColor AControlColor);

class TzelSkinComboBox : public TzelSkinControlVCL {
 public:
  void AfterProcess(TSkinMessage& AMessage) override;
  void Paint() override;

 protected:
  template <class T, class... A>
  friend std::unique_ptr<T> MakeSkinControl(A&&... AArgs);
  TzelSkinComboBox(ui::TWidget& AControl, TzelSkinHost& AEngine, void* ASkinWnd = nullptr)
      : TzelSkinControlVCL(AControl, AEngine, ASkinWnd) {}
  // The COMBOBOX window the look goes on.
  virtual HWND ComboWindow() const { return GetHandle(); }
};

// The extended combo box: the look goes on its inner combo box, and again
// after each item it draws (WM_DRAWITEM).
class TzelSkinComboBoxEx : public TzelSkinComboBox {
 protected:
  template <class T, class... A>
  friend std::unique_ptr<T> MakeSkinControl(A&&... AArgs);
  using TzelSkinComboBox::TzelSkinComboBox;
  HWND ComboWindow() const override;
};

// Native "COMBOBOX" and "COMBOBOXEX32" windows, with the system window
// colour inside the frame.
class TzelSkinWndComboBox : public TzelSkinControlWnd {
 public:
  void AfterProcess(TSkinMessage& AMessage) override;
  void Paint() override;

 protected:
  template <class T, class... A>
  friend std::unique_ptr<T> MakeSkinControl(A&&... AArgs);
  TzelSkinWndComboBox(HWND ACtrlWnd, TzelSkinHost& AEngine, void* ASkinWnd = nullptr)
      : TzelSkinControlWnd(ACtrlWnd, AEngine, ASkinWnd) {}

 private:
  HWND ComboWindow() const;
};

}  // namespace skin

#endif  // QUILLORY_SKIN_CONTROLS_WIN32_SKIN_COMBO_H_
