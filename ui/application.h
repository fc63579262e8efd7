// The program's application object: its title, its window, the list of its
// forms, the message loop, and the error box for errors that escape a
// handler.
//
// The application window is a hidden-size top-level window captioned with
// the title; it owns every form, so the taskbar entry carries the
// application title, and it is the owner of the program's system dialogs.
// Minimising the main form minimises the application; restoring the
// application's entry shows its forms again.
//
// Thread safety: belongs to the program's one window thread.
#ifndef QUILLORY_UI_APPLICATION_H_
#define QUILLORY_UI_APPLICATION_H_

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace ui {

class TForm;

class TApplication {
 public:
  // Makes the common controls usable and the application window. ATitle
  // (UTF-8) is the window's text and the caption of the application's
  // message boxes.
  explicit TApplication(std::string ATitle);
  ~TApplication();
  TApplication(const TApplication&) = delete;
  TApplication& operator=(const TApplication&) = delete;

  const std::string& Title() const { return FTitle; }
  HWND Handle() const { return FHandle; }

  // The forms in creation order (the screen's list of forms).
  const std::vector<TForm*>& Forms() const { return FForms; }
  // The form given to Run, else the first form made.
  TForm* MainForm() const;

  // Shows AMainForm, unless Terminate() was called already, and runs the
  // message loop until the main form is destroyed or Terminate() is called.
  // Keyboard navigation between controls (Tab, access keys, Ctrl+Tab and
  // Ctrl+Shift+Tab between pages) and the active form's shortcuts are
  // handled here.
  void Run(TForm& AMainForm);
  // Runs the message loop until ADone() is true, the application ends or
  // AForm's window goes (for modal forms).
  void RunUntil(const std::function<bool()>& ADone, TForm* AForm);

  // Asks the message loop to end (at once, when it is not running yet).
  void Terminate();
  bool Terminated() const { return FTerminated; }
  // Hides the forms and minimises the application's entry.
  void Minimize();

  // A message box owned by the active form, else the main form. AText and
  // ACaption are UTF-8; AFlags are the MB_* flags. Returns the button chosen.
  int ShowMessageBox(const std::string& AText, const std::string& ACaption, UINT AFlags);

  // The general error box: caption Title(), error icon, one OK button, and
  // AMessage with a full stop added when its last character sorts after it.
  void ShowException(const std::string& AMessage);

 private:
  friend class TForm;
  void AddForm(TForm& AForm);
  void RemoveForm(TForm& AForm);
  // Handles one message of the loop; false when it was WM_QUIT.
  bool ProcessMessage();
  TForm* ActiveForm() const;
  static LRESULT CALLBACK WindowProc(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam);

  std::string FTitle;
  HWND FHandle = nullptr;
  bool FTerminated = false;
  TForm* FMainForm = nullptr;
  std::vector<TForm*> FForms;
};

}  // namespace ui

#endif  // QUILLORY_UI_APPLICATION_H_
