#include "skin/menu/win32/system_menu_win32.h"

#include "platform/win32/wide.h"

namespace skin {
namespace {

const char* const kEntryNames[4] = {"SM_Minimize", "SM_Maximize", "SM_Separator", "SM_Close"};

std::string Utf8(const std::u16string& AText) {
  return platform::win32::ToUtf8(std::wstring(AText.begin(), AText.end()));
}

}  // namespace

TSysMenuWindow SysMenuWindowOf(HWND AWindow) {
  const LONG_PTR style = GetWindowLongPtrW(AWindow, GWL_STYLE);
  TSysMenuWindow w;
  w.Minimized = IsIconic(AWindow) != FALSE;
  w.Maximized = IsZoomed(AWindow) != FALSE;
  w.HasCloseButton = (style & WS_SYSMENU) != 0;
  w.HasMinButton = (style & WS_MINIMIZEBOX) != 0;
  w.HasMaxButton = (style & WS_MAXIMIZEBOX) != 0;
  return w;
}

TzelSkinSysMenu::TzelSkinSysMenu(TzelMenuPainter& APainter) {
  const auto entries = SysMenuEntries({}, {});
  std::vector<ui::TMenuItem> items;
  for (int i = 0; i < 4; ++i) {
    ui::TMenuItem item;
    item.Name = kEntryNames[i];
    item.Caption = Utf8(entries[i].Caption);
    if (i != 2) item.OnClick = [this, i] { Run(i); };
    items.push_back(std::move(item));
  }
  FMenu = std::make_unique<ui::TPopupMenu>(std::move(items));
  APainter.Attach(*FMenu);
}

void TzelSkinSysMenu::Rename(int AIndex, const std::string& ACaption) {
  ui::TMenuItem* item = FMenu->Find(kEntryNames[AIndex]);
  if (!item || item->Caption == ACaption) return;
  item->Caption = ACaption;
  FMenu->Update(*item);
}

void TzelSkinSysMenu::Prepare(HWND AWindow, const TSysMenuWindow& AState) {
  FTarget = AWindow;
  FState = AState;
  const auto entries = SysMenuEntries({}, AState);
  bool changed = false;
  for (int i : {kSysMenuMin, kSysMenuMax, kSysMenuClose}) {
    ui::TMenuItem* item = FMenu->Find(kEntryNames[i]);
    if (item->Enabled != entries[i].Enabled) item->Enabled = entries[i].Enabled, changed = true;
  }
  if (changed) FMenu->Update(*FMenu->Find(kEntryNames[0]));
}

void TzelSkinSysMenu::Popup(const ui::TWidget& AOwner, HWND AWindow, const TSysMenuWindow& AState,
                            int AX, int AY) {
  Prepare(AWindow, AState);
  FMenu->Popup(AOwner, AX, AY);
}

void TzelSkinSysMenu::Popup(HWND AOwner, HWND AWindow, const TSysMenuWindow& AState, int AX,
                            int AY) {
  Prepare(AWindow, AState);
  const int chosen =
      TrackPopupMenu(FMenu->Handle(), TPM_RETURNCMD | TPM_RIGHTBUTTON, AX, AY, 0, AOwner, nullptr);
  if (chosen > 0) FMenu->Dispatch(static_cast<WORD>(chosen));
}

void TzelSkinSysMenu::Run(int AIndex) {
  if (!FTarget || !IsWindow(FTarget)) return;
  WPARAM command = 0;
  switch (SysMenuCommand(AIndex, FState)) {
    case TSysCommand::Minimize:
      command = SC_MINIMIZE;
      break;
    case TSysCommand::Maximize:
      command = SC_MAXIMIZE;
      break;
    case TSysCommand::Restore:
      command = SC_RESTORE;
      break;
    case TSysCommand::Close:
      command = SC_CLOSE;
      break;
    case TSysCommand::None:
      return;
  }
  PostMessageW(FTarget, WM_SYSCOMMAND, command, 0);
}

}  // namespace skin
