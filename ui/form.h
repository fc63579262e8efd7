// A top-level window with a fixed single border, an optional main menu and
// keyboard shortcuts. A form is a main window: when its window is destroyed,
// the application's message loop ends.
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

struct TFormArgs {
  TApplication* Application = nullptr;  // required; outlives the form
  std::string Caption;
  int ClientWidth = 0;
  int ClientHeight = 0;
  bool MinimizeButton = true;  // the system menu is always there; never a maximise button
  TFont Font;
  const wchar_t* WindowClassName = L"TForm";
};

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
  // The accelerator table of the menu's shortcuts, or nullptr.
  HACCEL Accelerators() const;

  // Places the form in the centre of the screen, shows it and runs OnShow.
  void Show();
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

 private:
  friend class TWidget;
  // The keyboard focus moved to AWidget: OnExit of the widgets it left.
  void FocusMovedTo(TWidget* AWidget);
  // AWidget is being destroyed; the form must not remember it.
  void Forget(TWidget* AWidget);

  TApplication* FApplication;
  std::unique_ptr<TMainMenu> FMenu;
  TWidget* FFocused = nullptr;
};

}  // namespace ui

#endif  // QUILLORY_UI_FORM_H_
