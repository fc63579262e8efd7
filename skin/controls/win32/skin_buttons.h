// Wrappers of buttons: the toolkit's push button (owner-painted from
// "SKIN2_BUTTON", with its own click rules, see TButtonClicks), the native
// push button, and the toolkit label (font colour only). Check boxes and
// radio buttons of both kinds are in skin_checks.h.
//
// Thread safety: a wrapper belongs to its control's thread.
#ifndef QUILLORY_SKIN_CONTROLS_WIN32_SKIN_BUTTONS_H_
#define QUILLORY_SKIN_CONTROLS_WIN32_SKIN_BUTTONS_H_

#include <optional>

#include "skin/controls/button_clicks.h"
#include "skin/controls/win32/skin_checks.h"
#include "skin/controls/win32/skin_control.h"
#include "skin/controls/win32/skin_props.h"

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

// A native push button, owner-painted like the toolkit's from its window
// text. The pointer makes it hot; a 138 ms timer ends the hot state once
// the pointer has left and paints it the first time (no timer in windows
// holding a progress or animation control). A press takes the focus, the
// release on it posts BN_CLICKED to the parent; Space reaches the button
// (which clicks itself), Enter does not.
class TzelSkinWndButton : public TzelSkinControlWnd {
 public:
  ~TzelSkinWndButton() override;
  void Init() override;
  bool PreProcess(TSkinMessage& AMessage) override;
  void AfterProcess(TSkinMessage& AMessage) override;
  void Paint() override;
  void MouseDown() override;
  void MouseUp() override;

  static constexpr UINT_PTR kHotTimer = 0x5EB7;
  static constexpr UINT kHotTimerMs = 138;
  bool Downed() const { return m_Downed; }
  bool HasTimer() const { return m_Timer; }

 protected:
  template <class T, class... A>
  friend std::unique_ptr<T> MakeSkinControl(A&&... AArgs);
  TzelSkinWndButton(HWND ACtrlWnd, TzelSkinHost& AEngine, void* ASkinWnd = nullptr)
      : TzelSkinControlWnd(ACtrlWnd, AEngine, ASkinWnd) {}

 private:
  bool m_Downed = false;
  bool m_Timer = false;
  bool m_Painted = false;
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
  TOldFontColor m_OldFontColor;
};

}  // namespace skin

#endif  // QUILLORY_SKIN_CONTROLS_WIN32_SKIN_BUTTONS_H_
