#include "gallery/dialogs.h"

#include <commdlg.h>
#include <shlobj.h>

#include <string>

#include "ui/button.h"
#include "ui/label.h"

namespace gallery {
namespace {

constexpr wchar_t kFrameClass[] = L"TGalleryMdiFrame";
constexpr wchar_t kChildClass[] = L"TGalleryMdiChild";

LRESULT CALLBACK ChildProc(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  if (AMessage == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(AWindow, &ps);
    RECT rect;
    GetClientRect(AWindow, &rect);
    wchar_t text[64] = {};
    GetWindowTextW(AWindow, text, 64);
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, text, -1, &rect, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    EndPaint(AWindow, &ps);
    return 0;
  }
  return DefMDIChildProcW(AWindow, AMessage, AWParam, ALParam);
}

LRESULT CALLBACK FrameProc(HWND AWindow, UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  auto client = reinterpret_cast<HWND>(GetWindowLongPtrW(AWindow, GWLP_USERDATA));
  switch (AMessage) {
    case WM_CREATE: {
      CLIENTCREATESTRUCT create{nullptr, 50000};
      client = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                               WS_CHILD | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | WS_VISIBLE, 0,
                               0, 0, 0, AWindow, nullptr, GetModuleHandleW(nullptr), &create);
      SetWindowLongPtrW(AWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(client));
      return 0;
    }
    case WM_CLOSE:
      DestroyWindow(AWindow);
      return 0;
    default:
      return DefFrameProcW(AWindow, client, AMessage, AWParam, ALParam);
  }
}

void RegisterMdiClasses() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
  wc.lpfnWndProc = FrameProc;
  wc.lpszClassName = kFrameClass;
  RegisterClassExW(&wc);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  wc.lpfnWndProc = ChildProc;
  wc.lpszClassName = kChildClass;
  RegisterClassExW(&wc);
}

int CALLBACK FolderCallback(HWND AWindow, UINT AMessage, LPARAM, LPARAM) {
  if (AMessage == BFFM_INITIALIZED) SetWindowTextW(AWindow, L"Choose Folder");
  return 0;
}

}  // namespace

void OpenMdiWindow(ui::TForm& AOwner) {
  RegisterMdiClasses();
  HWND frame = CreateWindowExW(0, kFrameClass, L"MDI Parent",
                               WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, 60, 60, 560, 420,
                               AOwner.Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!frame) return;
  auto client = reinterpret_cast<HWND>(GetWindowLongPtrW(frame, GWLP_USERDATA));
  for (int i = 1; i <= 3; ++i) {
    const std::wstring caption = L"MDI Child " + std::to_wstring(i);
    MDICREATESTRUCTW create{};
    create.szClass = kChildClass;
    create.szTitle = caption.c_str();
    create.hOwner = GetModuleHandleW(nullptr);
    create.x = create.y = create.cx = create.cy = CW_USEDEFAULT;
    create.style = WS_VISIBLE;
    SendMessageW(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create));
  }
  SendMessageW(client, WM_MDICASCADE, 0, 0);
}

int ShowModalDialog(ui::TApplication& AApplication) {
  ui::TForm form(ui::TFormArgs{.Application = &AApplication,
                               .Caption = "Modal Dialog",
                               .ClientWidth = 300,
                               .ClientHeight = 120,
                               .BorderStyle = ui::TFormBorderStyle::Dialog,
                               .BorderIcons = ui::biSystemMenu,
                               .Name = "frmModal"});
  ui::TLabel text(ui::TLabelArgs{.Widget = {&form, 16, 20, 0, 0, "A modal dialog form."}});
  ui::TButton ok(ui::TButtonArgs{.Widget = {&form, 124, 80, 80, 26, "OK", 0, "btn_OK"}});
  ui::TButton cancel(
      ui::TButtonArgs{.Widget = {&form, 212, 80, 80, 26, "Cancel", 0, "btn_Cancel"}});
  ok.OnClick = [&form] { form.SetModalResult(IDOK); };
  cancel.OnClick = [&form] { form.SetModalResult(IDCANCEL); };
  const int result = form.ShowModal();
  return result;
}

void ShowFolderDialog(HWND AOwner) {
  BROWSEINFOW info{};
  info.hwndOwner = AOwner;
  info.lpszTitle = L"Choose a folder:";
  info.ulFlags = BIF_RETURNONLYFSDIRS;
  info.lpfn = FolderCallback;
  if (LPITEMIDLIST chosen = SHBrowseForFolderW(&info)) CoTaskMemFree(chosen);
}

void ShowOpenDialog(HWND AOwner) {
  wchar_t file[MAX_PATH] = {};
  OPENFILENAMEW info{};
  info.lStructSize = sizeof info;
  info.hwndOwner = AOwner;
  info.lpstrFilter = L"All files\0*.*\0Text files\0*.txt\0";
  info.lpstrFile = file;
  info.nMaxFile = MAX_PATH;
  info.lpstrTitle = L"Open File";
  info.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_EXPLORER;
  GetOpenFileNameW(&info);
}

}  // namespace gallery
