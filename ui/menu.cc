#include "ui/menu.h"

#include <algorithm>

#include "platform/win32/wide.h"
#include "ui/gdi.h"
#include "ui/menu_merge.h"

namespace ui {
namespace {

// Above IDOK, IDCANCEL and the other dialog command ids.
constexpr WORD kFirstId = 100;
constexpr uint32_t kDrawDataMagic = 0x4D454E55;  // "MENU"
constexpr int kImageColumn = 24;

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

bool IsSeparator(const TMenuItem& AItem) {
  return AItem.Caption == "-";
}

std::wstring ItemText(const TMenuItem& AItem) {
  std::wstring text = platform::win32::ToWide(AItem.Caption);
  if (AItem.ShortCut.Key) text += L"\t" + AItem.ShortCut.Text();
  return text;
}

}  // namespace

struct TMenu::TDrawData {
  uint32_t Magic = kDrawDataMagic;
  TMenu* Menu;
  const TMenuItem* Item;
};

std::wstring TShortCut::Text() const {
  if (!Key) return {};
  std::wstring text;
  if (Shift) text += L"Shift+";
  if (Ctrl) text += L"Strg+";
  if (Alt) text += L"Alt+";
  return text + KeyName(Key);
}

TMenu::TMenu(std::vector<TMenuItem> AItems, bool ABar) : FItems(std::move(AItems)), FBar(ABar) {
  std::vector<const TMenuItem*> top;
  for (const TMenuItem& item : FItems) top.push_back(&item);
  Rebuild(top);
}

TMenu::~TMenu() {
  BeginDestruction();
  Destroy();
}

void TMenu::Destroy() {
  if (FAccelerators) DestroyAcceleratorTable(FAccelerators);
  FAccelerators = nullptr;
  // A form detaches its menu first, or its window is gone and took the menu
  // along.
  if (FMenu && IsMenu(FMenu)) DestroyMenu(FMenu);
  FMenu = nullptr;
  FById.clear();
  FAccelTable.clear();
  FDrawData.clear();
}

void TMenu::Rebuild(const std::vector<const TMenuItem*>& ATop) {
  HMENU old_menu = FMenu;
  HACCEL old_accelerators = FAccelerators;
  std::vector<std::unique_ptr<TDrawData>> old_data = std::move(FDrawData);
  FMenu = nullptr;
  FAccelerators = nullptr;
  FDrawData.clear();
  FById.clear();
  FAccelTable.clear();
  FTop = ATop;
  FMenu = Build(FTop, FBar);
  if (!FAccelTable.empty()) {
    FAccelerators =
        CreateAcceleratorTableW(FAccelTable.data(), static_cast<int>(FAccelTable.size()));
  }
  // Whoever shows the menu takes the new one before the old one goes.
  if (old_menu && OnRebuilt) OnRebuilt();
  if (old_accelerators) DestroyAcceleratorTable(old_accelerators);
  if (old_menu && IsMenu(old_menu)) DestroyMenu(old_menu);
}

void TMenu::Append(HMENU AMenu, const TMenuItem& AItem, UINT_PTR AIdOrPopup, bool APopup) {
  std::wstring text = ItemText(AItem);
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_DATA | (APopup ? MIIM_SUBMENU : MIIM_ID);
  if (IsSeparator(AItem)) {
    info.fType = MFT_SEPARATOR;
  } else {
    info.fMask |= MIIM_STRING;
    info.dwTypeData = text.data();
  }
  // The menu bar's items are drawn by the system unless the whole menu is
  // owner-drawn; submenu items follow the switch.
  if (FOwnerDraw) info.fType |= MFT_OWNERDRAW;
  if (AItem.RadioItem) info.fType |= MFT_RADIOCHECK;
  info.fState = (AItem.Checked ? MFS_CHECKED : 0) | (AItem.Enabled ? 0 : MFS_DISABLED) |
                (AItem.Default ? MFS_DEFAULT : 0);
  if (APopup) {
    info.hSubMenu = reinterpret_cast<HMENU>(AIdOrPopup);
  } else {
    info.wID = static_cast<UINT>(AIdOrPopup);
  }
  auto data = std::make_unique<TDrawData>();
  data->Menu = this;
  data->Item = &AItem;
  info.dwItemData = reinterpret_cast<ULONG_PTR>(data.get());
  FDrawData.push_back(std::move(data));
  InsertMenuItemW(AMenu, GetMenuItemCount(AMenu), TRUE, &info);
}

HMENU TMenu::Build(const std::vector<const TMenuItem*>& AItems, bool ABar) {
  HMENU menu = ABar ? CreateMenu() : CreatePopupMenu();
  for (const TMenuItem* item : AItems) {
    if (!item->Items.empty()) {
      std::vector<const TMenuItem*> inner;
      for (const TMenuItem& child : item->Items) inner.push_back(&child);
      Append(menu, *item, reinterpret_cast<UINT_PTR>(Build(inner, false)), true);
      continue;
    }
    const WORD id = static_cast<WORD>(kFirstId + FById.size());
    FById.push_back(item);
    Append(menu, *item, id, false);
    if (item->ShortCut.Key) {
      BYTE flags = FVIRTKEY;
      if (item->ShortCut.Alt) flags |= FALT;
      if (item->ShortCut.Ctrl) flags |= FCONTROL;
      if (item->ShortCut.Shift) flags |= FSHIFT;
      FAccelTable.push_back(ACCEL{flags, item->ShortCut.Key, id});
    }
  }
  return menu;
}

TMenuItem* TMenu::Find(std::string_view AName) {
  std::vector<TMenuItem*> open;
  for (TMenuItem& item : FItems) open.push_back(&item);
  while (!open.empty()) {
    TMenuItem* item = open.back();
    open.pop_back();
    if (item->Name == AName) return item;
    for (TMenuItem& child : item->Items) open.push_back(&child);
  }
  return nullptr;
}

void TMenu::Update(const TMenuItem& AItem) {
  // The item's place: its draw data knows it; rebuilding keeps the code
  // simple and the menu consistent (ids and shortcuts included).
  (void)AItem;
  Rebuild(FTop);
}

void TMenu::ForEachItem(const std::function<void(TMenuItem& AItem, int ADepth)>& AVisit) {
  const std::function<void(std::vector<TMenuItem>&, int)> visit =
      [&](std::vector<TMenuItem>& AItems, int ADepth) {
        for (TMenuItem& item : AItems) {
          AVisit(item, ADepth);
          visit(item.Items, ADepth + 1);
        }
      };
  visit(FItems, 0);
  Rebuild(FTop);
}

void TMenu::SetOwnerDraw(bool AOn) {
  if (AOn == FOwnerDraw) return;
  FOwnerDraw = AOn;
  Rebuild(FTop);
}

void TMenu::SetImages(const TImageList* AImages) {
  FImages = AImages;
}

bool TMenu::Dispatch(WORD AId) {
  if (AId < kFirstId || static_cast<size_t>(AId - kFirstId) >= FById.size()) return false;
  const TMenuItem* item = FById[AId - kFirstId];
  if (item->OnClick) item->OnClick();
  return true;
}

bool TMenu::MeasureItem(MEASUREITEMSTRUCT& AItem) {
  const auto* data = reinterpret_cast<const TDrawData*>(AItem.itemData);
  if (AItem.CtlType != ODT_MENU || !data || data->Magic != kDrawDataMagic) return false;
  const TMenuItem& item = *data->Item;
  int width = 0;
  int height = 5;
  HDC dc = GetDC(nullptr);
  if (!IsSeparator(item)) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    TFontHandle font(CreateFontIndirectW(&metrics.lfMenuFont));
    TSelectObject select(dc, font.Get());
    const std::wstring text = ItemText(item);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    width = size.cx + 2 * kImageColumn;
    height =
        std::max<int>(size.cy + 4, data->Menu->FImages ? data->Menu->FImages->Height() + 4 : 0);
  }
  if (item.OnMeasureItem) item.OnMeasureItem(item, dc, width, height);
  ReleaseDC(nullptr, dc);
  AItem.itemWidth = static_cast<UINT>(std::max(width, 0));
  AItem.itemHeight = static_cast<UINT>(std::max(height, 0));
  return true;
}

bool TMenu::DrawItem(const DRAWITEMSTRUCT& AItem) {
  const auto* data = reinterpret_cast<const TDrawData*>(AItem.itemData);
  if (AItem.CtlType != ODT_MENU || !data || data->Magic != kDrawDataMagic) return false;
  const TMenuItem& item = *data->Item;
  const bool selected = (AItem.itemState & ODS_SELECTED) != 0;
  if (item.OnDrawItem) {
    item.OnDrawItem(item, AItem.hDC, AItem.rcItem, selected);
    return true;
  }
  // The default look: the system's colours, the picture in a column on the
  // left, the caption and the shortcut text.
  RECT rect = AItem.rcItem;
  FillRect(AItem.hDC, &rect, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
  if (IsSeparator(item)) {
    RECT line{rect.left + kImageColumn, (rect.top + rect.bottom) / 2, rect.right,
              (rect.top + rect.bottom) / 2 + 1};
    FillRect(AItem.hDC, &line, GetSysColorBrush(COLOR_GRAYTEXT));
    return true;
  }
  const TImageList* images = data->Menu->FImages;
  if (images && item.ImageIndex >= 0) {
    images->Draw(AItem.hDC, rect.left + 4, (rect.top + rect.bottom - images->Height()) / 2,
                 item.ImageIndex);
  } else if (item.Bitmap) {
    TMemoryDc memory(AItem.hDC);
    TSelectObject select(memory.Get(), item.Bitmap);
    BITMAP info;
    GetObjectW(item.Bitmap, sizeof info, &info);
    StretchBlt(AItem.hDC, rect.left + 4, rect.top + 2, 16, 16, memory.Get(), 0, 0, info.bmWidth,
               info.bmHeight, SRCCOPY);
  } else if (item.Checked) {
    RECT mark{rect.left, rect.top, rect.left + kImageColumn, rect.bottom};
    DrawTextW(AItem.hDC, item.RadioItem ? L"\x2022" : L"\x2713", -1, &mark,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
  SetBkMode(AItem.hDC, TRANSPARENT);
  SetTextColor(AItem.hDC, GetSysColor(!item.Enabled ? COLOR_GRAYTEXT
                                      : selected    ? COLOR_HIGHLIGHTTEXT
                                                    : COLOR_MENUTEXT));
  const std::wstring caption = platform::win32::ToWide(item.Caption);
  RECT text{rect.left + kImageColumn + 4, rect.top, rect.right - 16, rect.bottom};
  DrawTextW(AItem.hDC, caption.c_str(), -1, &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
  const std::wstring shortcut = item.ShortCut.Text();
  DrawTextW(AItem.hDC, shortcut.c_str(), -1, &text, DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
  return true;
}

bool TMenu::ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const {
  if (AInfo.Name != "Images") return TComponent::ReadProperty(AInfo, AValue);
  AValue = static_cast<const void*>(FImages);
  return true;
}

bool TMenu::WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) {
  if (AInfo.Name != "Images") return TComponent::WriteProperty(AInfo, AValue);
  SetImages(static_cast<const TImageList*>(std::get<const void*>(AValue)));
  return true;
}

void TMainMenu::Merge(const TMainMenu* AChild) {
  static const std::vector<TMenuItem> kNone;
  Rebuild(MergeByGroupIndex(Items(), AChild ? AChild->Items() : kNone));
}

void TPopupMenu::Popup(const TWidget& AOwner, int AX, int AY) {
  const int chosen = TrackPopupMenu(Handle(), TPM_RETURNCMD | TPM_RIGHTBUTTON, AX, AY, 0,
                                    AOwner.Handle(), nullptr);
  if (chosen > 0) Dispatch(static_cast<WORD>(chosen));
}

}  // namespace ui
