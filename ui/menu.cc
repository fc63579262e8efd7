#include "ui/menu.h"

#include "platform/win32/wide.h"

namespace ui {
namespace {

// Above IDOK, IDCANCEL and the other dialog command ids.
constexpr WORD kFirstId = 100;

std::wstring KeyName(WORD AKey) {
  if (AKey >= VK_F1 && AKey <= VK_F24) return L"F" + std::to_wstring(AKey - VK_F1 + 1);
  if ((AKey >= '0' && AKey <= '9') || (AKey >= 'A' && AKey <= 'Z')) {
    return std::wstring(1, static_cast<wchar_t>(AKey));
  }
  wchar_t name[64] = {};
  const UINT scan = MapVirtualKeyW(AKey, MAPVK_VK_TO_VSC);
  GetKeyNameTextW(static_cast<LONG>(scan << 16), name, 64);
  return name;
}

}  // namespace

std::wstring TShortCut::Text() const {
  if (!Key) return {};
  std::wstring text;
  if (Shift) text += L"Shift+";
  if (Ctrl) text += L"Strg+";
  if (Alt) text += L"Alt+";
  return text + KeyName(Key);
}

TMainMenu::TMainMenu(std::vector<TMenuItem> AItems) : FItems(std::move(AItems)) {
  FMenu = Build(FItems, true);
  if (!FAccelTable.empty()) {
    FAccelerators =
        CreateAcceleratorTableW(FAccelTable.data(), static_cast<int>(FAccelTable.size()));
  }
}

TMainMenu::~TMainMenu() {
  if (FAccelerators) DestroyAcceleratorTable(FAccelerators);
  // The form detaches the menu first, or its window is gone and took the
  // menu along.
  if (FMenu && IsMenu(FMenu)) DestroyMenu(FMenu);
}

HMENU TMainMenu::Build(std::vector<TMenuItem>& AItems, bool ABar) {
  HMENU menu = ABar ? CreateMenu() : CreatePopupMenu();
  for (TMenuItem& item : AItems) {
    std::wstring text = platform::win32::ToWide(item.Caption);
    if (item.ShortCut.Key) text += L"\t" + item.ShortCut.Text();
    if (!item.Items.empty()) {
      AppendMenuW(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(Build(item.Items, false)),
                  text.c_str());
      continue;
    }
    const WORD id = static_cast<WORD>(kFirstId + FById.size());
    FById.push_back(&item);
    AppendMenuW(menu, MF_STRING, id, text.c_str());
    if (item.ShortCut.Key) {
      BYTE flags = FVIRTKEY;
      if (item.ShortCut.Alt) flags |= FALT;
      if (item.ShortCut.Ctrl) flags |= FCONTROL;
      if (item.ShortCut.Shift) flags |= FSHIFT;
      FAccelTable.push_back(ACCEL{flags, item.ShortCut.Key, id});
    }
  }
  return menu;
}

bool TMainMenu::Dispatch(WORD AId) {
  if (AId < kFirstId || static_cast<size_t>(AId - kFirstId) >= FById.size()) return false;
  TMenuItem* item = FById[AId - kFirstId];
  if (item->OnClick) item->OnClick();
  return true;
}

}  // namespace ui
