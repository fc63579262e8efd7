// A top-level window with a border style, border icons, an optional main
// menu and keyboard shortcuts; or an MDI parent with a client area for MDI
// children, whose menus it merges into its own by group index while they
// are active. The application's main form ends the message
// loop when its window is destroyed.
//
// A form remembers its active control: when the form is activated again
// (Alt+Tab, after a message box or a dialog) the focus goes back there, and
// returning to the window does not count as the focus leaving a control.
// Access keys (Alt+letter) are offered to the form's widgets as
// CM_DIALOGCHAR; a label's moves the focus to the control it labels.
//
// A derived form whose handlers reach its own members calls DestroyHandle()
// in its destructor, so that OnDestroy runs while those members exist.
//
// Thread safety: belongs to the window thread.
#ifndef QUILLORY_UI_FORM_H_
#define QUILLORY_UI_FORM_H_

#include <windows.h>

#include <memory>
#include <string>

#include "ui/widget.h"

namespace ui {

class TApplication;
class TMainMenu;

enum class TFormBorderStyle { None, Single, Sizeable, Dialog, ToolWindow, SizeToolWin };
// Bits of BorderIcons.
enum TBorderIcon : int64_t { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
enum class TWindowState { Normal, Minimized, Maximized };
enum class TFormStyle { Normal, MDIChild, MDIForm };
enum class TPosition { Designed, ScreenCenter };

struct TFormArgs {
  TApplication* Application = nullptr;  // required; outlives the form
  std::string Caption;
  int ClientWidth = 0;
  int ClientHeight = 0;
  TFormBorderStyle BorderStyle = TFormBorderStyle::Single;
  int64_t BorderIcons = biSystemMenu | biMinimize;
  TPosition Position = TPosition::ScreenCenter;
  TFont Font = {};
  const wchar_t* WindowClassName = L"TForm";
  std::string Name = {};
  TFormStyle FormStyle = TFormStyle::Normal;
  // For an MDI child: the MDI parent form it lives in (outlives the child).
  class TForm* MDIParent = nullptr;
};

// The window styles of a border style and border icons (portable rule kept
// beside the form that uses it).
void FormStyles(TFormBorderStyle ABorderStyle, int64_t ABorderIcons, DWORD& AStyle,
                DWORD& AExStyle);

class TForm : public TWidget {
 public:
  explicit TForm(const TFormArgs& AArgs);
  ~TForm() override;

  const TWidgetClass& Class() const override { return classes::Form; }

  TApplication& Application() const { return *FApplication; }

  // Gives the form its main menu. Its shortcuts become the form's
  // shortcuts.
  void SetMenu(std::unique_ptr<TMainMenu> AMenu);
  TMainMenu* Menu() const { return FMenu.get(); }
  // Takes the menu bar off the window (false) or puts it back (true); the
  // client area keeps its size and the shortcuts keep working meanwhile.
  void SetMenuShown(bool AShown);
  bool MenuShown() const { return FMenuShown; }
  // The accelerator table of the menu's shortcuts, or nullptr.
  HACCEL Accelerators() const;

  TFormBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle AStyle);
  int64_t BorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(int64_t AIcons);
  TWindowState WindowState() const;
  void SetWindowState(TWindowState AState);
  TPosition Position() const { return FPosition; }
  TFormStyle FormStyle() const { return FFormStyle; }
  // An MDI parent's client window (the area its children live in), else
  // nullptr.
  HWND ClientHandle() const { return FClientWindow; }
  // The active MDI child of an MDI parent, or nullptr.
  TForm* ActiveMDIChild() const;
  int ClientWidth() const;
  int ClientHeight() const;
  void SetClientSize(int AWidth, int AHeight);
  HICON Icon() const { return FIcon; }
  void SetIcon(HICON AIcon);  // not owned

  // The control that has, or last had, the focus on this form.
  TWidget* ActiveControl() const { return FActive; }
  void SetActiveControl(TWidget* AControl);

  // Places the form (centred on the screen by Position), shows it and runs
  // OnShow.
  void Show();
  // Shows the form as a modal window: the application's other forms are
  // disabled until ModalResult is set (or the form is closed); returns it.
  int ShowModal();
  int ModalResult() const { return FModalResult; }
  void SetModalResult(int AResult) { FModalResult = AResult; }
  // Asks the form to close (as the title bar's close button does).
  void Close();

  TNotifyEvent OnShow;
  TNotifyEvent OnDestroy;  // the window is being destroyed

  // Brings the next (AForward) or previous page of the form's first page
  // control to view, wrapping around. False when the form has none.
  bool SelectNextPage(bool AForward);

  // Shows AMessage in the application's general error box.
  void ShowException(const std::string& AMessage);

 protected:
  LRESULT HandleMessage(UINT AMessage, WPARAM AWParam, LPARAM ALParam) override;
  LRESULT DefaultHandler(UINT AMessage, WPARAM AWParam, LPARAM ALParam) override;
  bool DialogChar(wchar_t AKey) override;
  void WindowRecreated() override;
  bool ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const override;
  bool WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) override;

 private:
  friend class TWidget;
  friend class TApplication;
  // The window that owns the form's window: the application's window.
  HWND OwnerWindow() const;
  // The keyboard focus moved to AWidget: OnExit of the widgets it left.
  void FocusMovedTo(TWidget* AWidget);
  // AWidget is being destroyed; the form must not remember it.
  void Forget(TWidget* AWidget);
  void ApplyStyles();
  bool RestoreFocus();

  void MergeChildMenu(TForm* AChild);

  TApplication* FApplication;
  TFormStyle FFormStyle;
  TForm* FMDIParent;
  HWND FClientWindow = nullptr;
  TForm* FMergedChild = nullptr;  // whose menu the menu bar shows merged in
  std::unique_ptr<TMainMenu> FMenu;
  bool FMenuShown = true;
  TFormBorderStyle FBorderStyle;
  int64_t FBorderIcons;
  TPosition FPosition;
  HICON FIcon = nullptr;
  TWidget* FFocused = nullptr;  // where the focus is, as far as OnExit goes
  TWidget* FActive = nullptr;   // the control to give the focus back to
  int FModalResult = 0;
  bool FModal = false;
  bool FWasShown = false;  // visible when the application was minimised
};

}  // namespace ui

#endif  // QUILLORY_UI_FORM_H_
