#include "ui/application.h"

#include <commctrl.h>

#include <utility>

#include "platform/win32/wide.h"
#include "ui/error_text.h"
#include "ui/form.h"

namespace ui {

using platform::win32::ToWide;

TApplication::TApplication(std::string ATitle) : FTitle(std::move(ATitle)) {
  INITCOMMONCONTROLSEX controls{sizeof controls,
                                ICC_STANDARD_CLASSES | ICC_TAB_CLASSES | ICC_UPDOWN_CLASS};
  InitCommonControlsEx(&controls);
}

void TApplication::Run(TForm& AMainForm) {
  FMainForm = &AMainForm;
  if (!FTerminated) AMainForm.Show();
  MSG message;
  while (!FTerminated && AMainForm.Handle() && GetMessageW(&message, nullptr, 0, 0) > 0) {
    // Keys reach the form's shortcuts only when they were meant for the form:
    // other windows of this thread (the help viewer, say) keep their keys.
    HWND main = AMainForm.Handle();
    const bool for_form = main && (message.hwnd == main || IsChild(main, message.hwnd));
    if (for_form) {
      if (TranslateAcceleratorW(main, AMainForm.Accelerators(), &message)) continue;
      if (message.message == WM_KEYDOWN && message.wParam == VK_TAB &&
          (GetKeyState(VK_CONTROL) & 0x8000) &&
          AMainForm.SelectNextPage(GetKeyState(VK_SHIFT) >= 0)) {
        continue;
      }
      if (IsDialogMessageW(main, &message)) continue;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  FMainForm = nullptr;
}

void TApplication::Terminate() {
  FTerminated = true;
  PostQuitMessage(0);
}

int TApplication::ShowMessageBox(const std::string& AText, const std::string& ACaption,
                                 UINT AFlags) {
  HWND owner = FMainForm ? FMainForm->Handle() : nullptr;
  return MessageBoxW(owner, ToWide(AText).c_str(), ToWide(ACaption).c_str(), AFlags);
}

void TApplication::ShowException(const std::string& AMessage) {
  ShowMessageBox(ErrorBoxText(AMessage), FTitle, MB_OK | MB_ICONERROR);
}

}  // namespace ui
