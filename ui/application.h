// The program's application object: its title, the message loop, and the
// error box for errors that escape a handler.
//
// Thread safety: belongs to the program's one window thread.
#ifndef QUILLORY_UI_APPLICATION_H_
#define QUILLORY_UI_APPLICATION_H_

#include <windows.h>

#include <string>

namespace ui {

class TForm;

class TApplication {
 public:
  // Makes the common controls usable. ATitle (UTF-8) is the caption of the
  // application's message boxes.
  explicit TApplication(std::string ATitle);
  TApplication(const TApplication&) = delete;
  TApplication& operator=(const TApplication&) = delete;

  const std::string& Title() const { return FTitle; }

  // Shows AMainForm, unless Terminate() was called already, and runs the
  // message loop until the main form is destroyed or Terminate() is called.
  // Keyboard navigation between controls (Tab, access keys, Ctrl+Tab and
  // Ctrl+Shift+Tab between pages) and the main form's shortcuts are handled
  // here.
  void Run(TForm& AMainForm);

  // Asks the message loop to end (at once, when it is not running yet).
  void Terminate();
  bool Terminated() const { return FTerminated; }

  // A message box owned by the main form (when there is one). AText and
  // ACaption are UTF-8; AFlags are the MB_* flags. Returns the button chosen.
  int ShowMessageBox(const std::string& AText, const std::string& ACaption, UINT AFlags);

  // The general error box: caption Title(), error icon, one OK button, and
  // AMessage with a full stop added when its last character sorts after it.
  void ShowException(const std::string& AMessage);

 private:
  std::string FTitle;
  bool FTerminated = false;
  TForm* FMainForm = nullptr;
};

}  // namespace ui

#endif  // QUILLORY_UI_APPLICATION_H_
