#include "ui/application.h"

#include <commctrl.h>

#include <algorithm>
#include <cwctype>
#include <utility>

#include "platform/win32/wide.h"
#include "ui/error_text.h"
#include "ui/form.h"
#include "ui/messages.h"

namespace ui {

using platform::win32::ToWide;

namespace {

constexpr wchar_t kWindowClass[] = L"TApplication";

}  // namespace

TApplication::TApplication(std::string ATitle) : FTitle(std::move(ATitle)) {
  INITCOMMONCONTROLSEX controls{sizeof controls,
                                ICC_STANDARD_CLASSES | ICC_TAB_CLASSES | ICC_UPDOWN_CLASS};
  InitCommonControlsEx(&controls);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = &TApplication::WindowProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hIcon = LoadIconW(GetModuleHandleW(nullptr), L"MAINICON");
  wc.lpszClassName = kWindowClass;
  RegisterClassExW(&wc);
  // Zero-sized, so it never shows more than its taskbar entry.
  FHandle = CreateWindowExW(0, kWindowClass, ToWide(FTitle).c_str(),
                            WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                            GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0,
                            0, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (FHandle) SetWindowLongPtrW(FHandle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TApplication::~TApplication() {
  if (FHandle) DestroyWindow(FHandle);
}

LRESULT CALLBACK TApplication::WindowProc(HWND AWindow, UINT AMessage, WPARAM AWParam,
                                          LPARAM ALParam) {
  auto* self = reinterpret_cast<TApplication*>(GetWindowLongPtrW(AWindow, GWLP_USERDATA));
  TForm* main = self ? self->MainForm() : nullptr;
  switch (AMessage) {
    case WM_ACTIVATE:
      // Activating the application (its taskbar entry, or the end of a
      // dialog it owned) activates its form.
      if (LOWORD(AWParam) != WA_INACTIVE && main && main->Handle() &&
          IsWindowVisible(main->Handle()) && !IsIconic(AWindow)) {
        TForm* active = self->ActiveForm();
        SetActiveWindow(active ? active->Handle() : main->Handle());
        return 0;
      }
      break;
    case WM_SYSCOMMAND:
      if ((AWParam & 0xFFF0) == SC_RESTORE && main && main->Handle()) {
        const LRESULT result = DefWindowProcW(AWindow, AMessage, AWParam, ALParam);
        for (TForm* form : self->FForms) {
          if (form->Handle() && form->FWasShown) ShowWindow(form->Handle(), SW_SHOW);
        }
        SetActiveWindow(main->Handle());
        return result;
      }
      break;
    case WM_CLOSE:
      if (main) {
        main->Close();
        return 0;
      }
      break;
    default:
      break;
  }
  return DefWindowProcW(AWindow, AMessage, AWParam, ALParam);
}

void TApplication::AddForm(TForm& AForm) {
  FForms.push_back(&AForm);
}

void TApplication::RemoveForm(TForm& AForm) {
  FForms.erase(std::remove(FForms.begin(), FForms.end(), &AForm), FForms.end());
  if (FMainForm == &AForm) FMainForm = nullptr;
}

TForm* TApplication::MainForm() const {
  if (FMainForm) return FMainForm;
  return FForms.empty() ? nullptr : FForms.front();
}

TForm* TApplication::ActiveForm() const {
  HWND active = GetActiveWindow();
  for (TForm* form : FForms) {
    if (form->Handle() == active) return form;
  }
  return nullptr;
}

void TApplication::Minimize() {
  for (TForm* form : FForms) {
    if (!form->Handle()) continue;
    form->FWasShown = IsWindowVisible(form->Handle()) != FALSE;
    if (form->FWasShown) ShowWindow(form->Handle(), SW_HIDE);
  }
  ShowWindow(FHandle, SW_MINIMIZE);
}

bool TApplication::ProcessMessage() {
  MSG message;
  if (GetMessageW(&message, nullptr, 0, 0) <= 0) return false;
  // Keys reach a form's shortcuts only when they were meant for the form:
  // other windows of this thread (the help viewer, say) keep their keys.
  for (TForm* form : FForms) {
    HWND window = form->Handle();
    if (!window || !(message.hwnd == window || IsChild(window, message.hwnd))) continue;
    if (form->ClientHandle() && TranslateMDISysAccel(form->ClientHandle(), &message)) return true;
    if (TranslateAcceleratorW(window, form->Accelerators(), &message)) return true;
    if (message.message == WM_KEYDOWN && message.wParam == VK_TAB &&
        (GetKeyState(VK_CONTROL) & 0x8000) && form->SelectNextPage(GetKeyState(VK_SHIFT) >= 0)) {
      return true;
    }
    if (message.message == WM_SYSCHAR &&
        form->Perform(CM_DIALOGCHAR, std::towupper(static_cast<wint_t>(message.wParam)))) {
      return true;
    }
    if (IsDialogMessageW(window, &message)) return true;
    break;
  }
  TranslateMessage(&message);
  DispatchMessageW(&message);
  return true;
}

void TApplication::Run(TForm& AMainForm) {
  FMainForm = &AMainForm;
  if (!FTerminated) {
    ShowWindow(FHandle, SW_SHOWNOACTIVATE);  // the taskbar entry
    AMainForm.Show();
  }
  RunUntil([] { return false; }, &AMainForm);
  FMainForm = nullptr;
}

void TApplication::RunUntil(const std::function<bool()>& ADone, TForm* AForm) {
  while (!FTerminated && (!AForm || AForm->Handle()) && !ADone()) {
    if (!ProcessMessage()) {
      FTerminated = true;
      PostQuitMessage(0);
    }
  }
}

void TApplication::Terminate() {
  FTerminated = true;
  PostQuitMessage(0);
}

int TApplication::ShowMessageBox(const std::string& AText, const std::string& ACaption,
                                 UINT AFlags) {
  TForm* owner = ActiveForm();
  if (!owner) owner = MainForm();
  HWND window = owner && owner->Handle() ? owner->Handle() : FHandle;
  return MessageBoxW(window, ToWide(AText).c_str(), ToWide(ACaption).c_str(), AFlags);
}

void TApplication::ShowException(const std::string& AMessage) {
  ShowMessageBox(ErrorBoxText(AMessage), FTitle, MB_OK | MB_ICONERROR);
}

}  // namespace ui
