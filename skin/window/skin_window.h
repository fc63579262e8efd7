// TzelSkinWindow: the engine's wrapper of one skinned top-level window. It
// takes over the window's non-client area (frame sizes, painting, region,
// hit tests, caption buttons) and forwards the geometry and the painting to
// the portable frame core (skin/frame). TzelSkinWindowVCL wraps a toolkit
// form, TzelSkinWindowWnd any other top-level window (message boxes,
// system dialogs).
//
// Switching skinning off restores what the window had: its style, colour,
// region and frame; the wrapper's own subclass stays in the chain and passes
// every message through unchanged.
//
// Thread safety: none; the window's thread owns the wrapper.
#ifndef QUILLORY_SKIN_WINDOW_SKIN_WINDOW_H_
#define QUILLORY_SKIN_WINDOW_SKIN_WINDOW_H_

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "skin/engine/skin_engine.h"
#include "skin/frame/frame_input.h"
#include "skin/frame/frame_metrics.h"
#include "skin/window/free_watch.h"
#include "ui/subclass.h"
#include "ui/widget.h"

namespace ui {
class TForm;
class TMainMenu;
class TMenu;
}  // namespace ui

namespace skin {

class TzelSkinWindow {
 public:
  TzelSkinWindow(HWND AWindow, bool AForDialog, TzelSkinEngine& AEngine);
  virtual ~TzelSkinWindow();
  TzelSkinWindow(const TzelSkinWindow&) = delete;
  TzelSkinWindow& operator=(const TzelSkinWindow&) = delete;

  // Attaches, wraps the controls and switches skinning to the engine's
  // really-active state (the creation steps after the constructor).
  void Start();
  HWND Handle() const { return m_hWnd; }
  bool ForDialog() const { return m_ForDialog; }
  bool SkinActive() const { return m_Active; }
  // Switches skinning of this window on or off.
  void SetSkinActive(bool AValue);
  // The skin changed: re-reads the region flags, repaints.
  void SkinChanged();

  bool TitleVisible() const { return m_TitleVisible; }
  void SetTitleVisible(bool AValue);
  bool BorderVisible() const { return m_BorderVisible; }
  void SetBorderVisible(bool AValue);
  // The engine's title height while the title is shown and skinning on.
  int TitleHeight() const;
  // The height of the skinned menu bar, 0 without one.
  int MenuHeight() const { return GetMenuHeight(); }
  size_t SkinCtrlCount() const { return m_SkinCtrlList.size(); }

  // Frame painting and the region, also for tests.
  void PaintFrame();
  void UpdateRegion();

 protected:
  virtual void UpdateState() = 0;
  virtual void SaveMetrics() = 0;
  virtual void SkinControls() {}
  virtual bool CanSetRegion() const { return true; }
  virtual int GetMenuHeight() const { return 0; }
  virtual bool IsMDIForm() const { return false; }
  virtual bool IsMDIChild() const { return false; }
  // The icon of the title: the window's small icon, its class's, else the
  // program's "MAINICON".
  virtual HICON GetIconHandle() const;
  virtual bool HandlesNCActivate() const { return false; }
  virtual bool StartsAtOnce() const { return false; }
  // Before the window's own processing; false: the message is answered.
  virtual bool PreProcess(const ui::TWindowMessage& /*AMsg*/, LRESULT& /*AResult*/) { return true; }
  virtual void AfterProcess(const ui::TWindowMessage& /*AMsg*/, LRESULT& /*AResult*/) {}
  virtual void AfterSize() {}
  // The window gets WM_DESTROY (skinning on or off).
  virtual void WindowDestroying() {}
  virtual TFrameState FrameState() const;
  // The controls' wrappers are told that skinning changed.
  void ControlsStateChanged();

  // A maximised MDI child (its frame is the system's).
  bool MaximizedMDIChild() const;
  // Posts "a maximised child painted its frame" to the MDI parent.
  void NotifyMainForm();
  // Puts the frame back into the system's hands (style, region, frame).
  void SwitchFrame(bool AOn);
  LRESULT WindowProc(const ui::TWindowMessage& AMsg, const ui::TWindowChain::TNext& ANext);

  TzelSkinEngine& m_Engine;
  HWND m_hWnd;
  bool m_ForDialog;
  bool m_TitleVisible = true;
  bool m_BorderVisible = true;
  bool m_Destroying = false;
  bool m_Creating = true;
  bool m_Active = false;
  bool m_SavedWndStyle = false;
  bool m_DrawForm = true;
  bool m_FormActive = true;
  bool m_TitleNeedRegion = false;
  bool m_BottomNeedRegion = false;
  bool m_HadSysMenu = false;
  int m_CaptionXPos = -10000;
  int m_OldTitleHeight = 0;
  int m_ClientWidth = 0;
  int m_ClientHeight = 0;
  int m_CaptionEnd = 0;
  bool m_SelfSizing = false;
  TTitleLayout m_Layout;
  TCaptionButtonTracker m_Tracker;
  std::vector<std::unique_ptr<TzelSkinCtrlObject>> m_SkinCtrlList;

 private:
  void StartSkinning();
  void Act(TFrameAction AAction, std::optional<POINT> AAt);
  void ShowSystemMenu(POINT AAt);
  std::optional<TPoint> PointerInWindow() const;
  TFrameElement ElementUnderPointer() const;

  uintptr_t m_SubclassId;
  std::unique_ptr<ui::TForeignSubclass> m_Foreign;
};

class TzelSkinMenuBar;
class TzelSkinMDIParent;

// A toolkit form. Its main menu shows on a skinned menu bar at the top of
// the client area while skinning is on (the form's own menu bar is taken
// off, its shortcuts keep working), and the controls move down by the
// bar's height; switching off puts everything back. An MDI parent also
// gets the control buttons of a maximised child, its own cascade and tile,
// and the list of children in its window menu (skin_window_mdi.h).
class TzelSkinWindowVCL final : public TzelSkinWindow {
 public:
  TzelSkinWindowVCL(ui::TForm& AForm, bool AForDialog, TzelSkinEngine& AEngine);
  ~TzelSkinWindowVCL() override;
  ui::TForm& Form() const { return m_Form; }

  // --- The menu bar (skin_window_menu.cc)
  // Shows AMenu on the bar instead of the form's own menu (nullptr: the
  // form's own again). AMenu must outlive the wrapper or be replaced first.
  void AssignMainMenu(ui::TMainMenu* AMenu);
  // Builds the bar anew from the menu it shows (a menu the form was given
  // meanwhile is taken off the window and owner-drawn first).
  void UpdateTopMenu();
  // AMenu is being destroyed: forgets it.
  void MenuGoing(ui::TMenu& AMenu);
  TzelSkinMenuBar* MenuBar() const { return m_MenuBar.get(); }
  // The menu the bar shows: the assigned one, else the form's.
  ui::TMainMenu* ShownMenu() const;
  // The menu given to AssignMainMenu, or null. Its shortcuts work while
  // skinning is on and the form is the active window.
  ui::TMainMenu* AssignedMenu() const { return m_Menu; }
  // The MDI support of an MDI parent, else null.
  TzelSkinMDIParent* MDI() const { return m_MDI.get(); }

 protected:
  int GetMenuHeight() const override;
  bool IsMDIForm() const override;
  bool IsMDIChild() const override;
  bool PreProcess(const ui::TWindowMessage& AMsg, LRESULT& AResult) override;
  void AfterSize() override;
  void WindowDestroying() override { ForgetWindow(); }
  void UpdateState() override;
  void SaveMetrics() override;
  void SkinControls() override;
  bool CanSetRegion() const override;
  bool HandlesNCActivate() const override { return true; }
  bool StartsAtOnce() const override { return true; }
  HICON GetIconHandle() const override;
  void AfterProcess(const ui::TWindowMessage& AMsg, LRESULT& AResult) override;
  TFrameState FrameState() const override;

 private:
  void SkinComponentsOf(ui::TComponent& AOwner);
  void ComponentGone(ui::TComponent& AComponent);
  // The menu steps of switching on and off (skin_window_menu.cc).
  void MenusOn();
  void MenusOffBeforeFrame();
  void MenusOffAfterFrame();
  void BuildMenuBar();
  void MoveControls(int ADelta);
  void HookRebuilt(ui::TMainMenu* AMenu);
  void UnhookRebuilt();
  void ForgetWindow();
  void StopShortcuts();

  ui::TForm& m_Form;
  // The form and the controls of m_SkinCtrlList (in its order) are watched:
  // a control that goes loses its wrapper first, a form that goes its
  // window wrapper.
  std::unique_ptr<TFreeWatch> m_Watch;
  std::vector<ui::TComponent*> m_SkinCtrlOf;
  std::optional<int64_t> m_OldColor;
  bool m_SkinAlled = false;
  std::unique_ptr<TzelSkinMenuBar> m_MenuBar;
  ui::TMainMenu* m_Menu = nullptr;  // assigned; null: the form's own
  bool m_MenuTaken = false;         // the form's menu bar was taken off
  bool m_Moved = false;
  int m_MovedBy = 0;
  std::optional<ui::TSizeConstraints> m_OldConstraints;
  int m_OldLeftBorderWidth2 = 4;
  int m_OldBottomHeight2 = 4;
  std::vector<ui::TMenu*> m_OwnerDrawn;
  ui::TMainMenu* m_RebuiltHooked = nullptr;
  std::function<void()> m_OldRebuilt;
  std::unique_ptr<TzelSkinMDIParent> m_MDI;
};

// Any other top-level window.
class TzelSkinWindowWnd final : public TzelSkinWindow {
 public:
  TzelSkinWindowWnd(HWND AWindow, bool AForDialog, TzelSkinEngine& AEngine);
  ~TzelSkinWindowWnd() override;

 protected:
  void UpdateState() override;
  void SaveMetrics() override;
  void SkinControls() override;
  bool PreProcess(const ui::TWindowMessage& AMsg, LRESULT& AResult) override;
  void AfterProcess(const ui::TWindowMessage& AMsg, LRESULT& AResult) override;

 private:
  // The rules of native dialogs (skin_window_wnd.cc).
  void InspectChildren();
  void GrowFrame(bool AOn);
  bool AnswerColor(const ui::TWindowMessage& AMsg, LRESULT& AResult) const;

  LONG_PTR m_OldStyle = 0;
  LONG_PTR m_OldStyle2 = 0;  // at the first background erase
  bool m_SavedWndStyle2 = false;
  bool m_Expanded = false;        // grown once after shrinking by itself
  bool m_ProgressingWnd = false;  // holds a progress or animation control
  bool m_OpenWnd = false;         // an open or save file dialog
  bool m_DirDlgWnd = false;       // a folder browser
  HMENU m_Menu = nullptr;         // taken off while skinned
  SIZE m_GrownBy{0, 0};           // what skinning added to the window's size
  HWND m_CtmDlgWnd = nullptr;     // a nested dialog
  std::unique_ptr<ui::TForeignSubclass> m_CtmDlg;
};

}  // namespace skin

#endif  // QUILLORY_SKIN_WINDOW_SKIN_WINDOW_H_
