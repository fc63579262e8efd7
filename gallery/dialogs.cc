#include "gallery/dialogs.h"

#include <commdlg.h>
#include <shlobj.h>

#include <memory>
#include <string>

#include "ui/button.h"
#include "ui/label.h"

namespace gallery {
namespace {

int CALLBACK FolderCallback(HWND AWindow, UINT AMessage, LPARAM, LPARAM) {
  if (AMessage == BFFM_INITIALIZED) SetWindowTextW(AWindow, L"Choose Folder");
  return 0;
}

}  // namespace

TMdiWindow::TMdiWindow(ui::TApplication& AApplication)
    : ui::TForm(ui::TFormArgs{.Application = &AApplication,
                              .Caption = "MDI Parent",
                              .ClientWidth = 560,
                              .ClientHeight = 380,
                              .BorderStyle = ui::TFormBorderStyle::Sizeable,
                              .BorderIcons = ui::biSystemMenu | ui::biMinimize | ui::biMaximize,
                              .Name = "frmMdiParent",
                              .FormStyle = ui::TFormStyle::MDIForm}) {
  for (int i = 1; i <= 3; ++i) {
    const std::string number = std::to_string(i);
    auto child = std::make_unique<ui::TForm>(
        ui::TFormArgs{.Application = &AApplication,
                      .Caption = "MDI Child " + number,
                      .ClientWidth = 260,
                      .ClientHeight = 140,
                      .BorderStyle = ui::TFormBorderStyle::Sizeable,
                      .BorderIcons = ui::biSystemMenu | ui::biMinimize | ui::biMaximize,
                      .Name = "frmMdiChild" + number,
                      .FormStyle = ui::TFormStyle::MDIChild,
                      .MDIParent = this});
    FLabels.push_back(std::make_unique<ui::TLabel>(
        ui::TLabelArgs{.Widget = {child.get(), 12, 12, 0, 0, "Child window " + number}}));
    FChildren.push_back(std::move(child));
  }
}

TMdiWindow::~TMdiWindow() {
  FLabels.clear();
  FChildren.clear();
  DestroyHandle();
}

void TMdiWindow::Show() {
  ui::TForm::Show();
  for (auto& child : FChildren) child->Show();
  SendMessageW(ClientHandle(), WM_MDICASCADE, 0, 0);
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
  // Enter clicks OK, Escape Cancel.
  ui::TButton ok(
      ui::TButtonArgs{.Widget = {&form, 124, 80, 80, 26, "OK", 0, "btn_OK"}, .Default = true});
  ui::TButton cancel(ui::TButtonArgs{.Widget = {&form, 212, 80, 80, 26, "Cancel", 0, "btn_Cancel"},
                                     .Cancel = true});
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
