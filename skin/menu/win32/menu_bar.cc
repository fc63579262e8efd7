#include "skin/menu/win32/menu_bar.h"

#include <windowsx.h>

#include "platform/win32/wide.h"
#include "skin/draw/win32/dib_surface.h"
#include "skin/draw/win32/hdc_canvas.h"
#include "skin/menu/win32/menu_painter.h"

namespace skin {
namespace {

constexpr UINT kOpenMessage = WM_APP + 0x4D0;  // wParam: the item to open
constexpr uintptr_t kFormHookId = 0x4D454E42;  // "MENB"

std::u16string U16(const std::string& AText) {
  const std::wstring wide = platform::win32::ToWide(AText);
  return {wide.begin(), wide.end()};
}

}  // namespace

TzelSkinMenuBar::TzelSkinMenuBar(const TzelSkinMenuBarArgs& AArgs)
    : TWidget(ui::TWidgetArgs{AArgs.Form, 0, 0, 0, 0, "", 0, "MenuBar"}),
      FForm(AArgs.Form),
      FPalette(*AArgs.Palette),
      FMenuBarImage(AArgs.MenuBarImage),
      FFont(CreateMenuFont(false)) {
  CreateHandle(nullptr, WS_CLIPSIBLINGS, 0, L"TzelSkinMenuBar");
  // The form's keys that enter menu mode, and its size, which the bar's
  // width follows.
  FForm->Subclass(kFormHookId, [this](const ui::TWindowMessage& AMsg, const auto& ANext) {
    if (AMsg.Message == WM_SYSCOMMAND && (AMsg.WParam & 0xFFF0) == SC_KEYMENU && AMsg.LParam == 0 &&
        MenuBarHeight() > 0) {
      Act(FKeys.Press(TMenuBarKey::MenuKey));
      if (FKeys.Active()) EnterMenuMode();
      return LRESULT{0};
    }
    const LRESULT result = ANext(AMsg);
    if (AMsg.Message == WM_SIZE) Relayout();
    return result;
  });
}

TzelSkinMenuBar::~TzelSkinMenuBar() {
  if (FForm->Handle()) FForm->Unsubclass(kFormHookId);
}

void TzelSkinMenuBar::SetMenu(ui::TMainMenu* AMenu) {
  FMenu = AMenu;
  UpdateTopMenu();
}

void TzelSkinMenuBar::SetShown(bool AShown) {
  FShown = AShown;
  if (!AShown) LeaveMenuMode();
  Relayout();
}

void TzelSkinMenuBar::SetIndent(int AIndent, int AReservedRight) {
  FIndent = AIndent;
  FReservedRight = AReservedRight;
  Relayout();
}

void TzelSkinMenuBar::SetMenuBarImage(const TBitmap* AImage) {
  FMenuBarImage = AImage;
  Invalidate();
}

std::vector<TMenuBarItem> TzelSkinMenuBar::BarItems() const {
  std::vector<TMenuBarItem> items;
  if (!FMenu) return items;
  for (const ui::TMenuItem* item : FMenu->TopItems()) {
    items.push_back({U16(item->Caption), item->Enabled, !item->Items.empty(), {}});
  }
  return items;
}

void TzelSkinMenuBar::UpdateTopMenu() {
  FItems = BarItems();
  std::vector<TMenuBarKeyItem> keys;
  for (const TMenuBarItem& item : FItems) {
    keys.push_back({AccessKeyOf(item.Caption), item.Enabled, item.HasSubmenu});
  }
  FKeys.SetItems(std::move(keys));
  Relayout();
}

void TzelSkinMenuBar::Relayout() {
  if (!Handle()) return;
  HDC dc = GetDC(Handle());
  {
    ui::TSelectObject font(dc, FFont.Get());
    THdcCanvas canvas(dc);
    FLayout = LayoutMenuBar(canvas, FItems, FForm->ClientWidth() - FIndent - FReservedRight);
  }
  ReleaseDC(Handle(), dc);
  SetBounds(FIndent, 0, FForm->ClientWidth() - FIndent, FLayout.Height);
  SetVisible(FShown && FLayout.Height > 0);
  if (OnLayout) OnLayout();
  Invalidate();
}

int TzelSkinMenuBar::MenuBarHeight() const {
  return Handle() && Visible() ? FLayout.Height : 0;
}

int GetMenuBarHeight(const TzelSkinMenuBar* ABar) {
  return ABar ? ABar->MenuBarHeight() : 0;
}

void TzelSkinMenuBar::Paint(HDC ADc) {
  RECT client;
  GetClientRect(Handle(), &client);
  if (client.right <= 0 || client.bottom <= 0) return;
  TDibSurface buffer(client.right, client.bottom, ADc);
  if (!buffer.Valid()) return;
  {
    ui::TSelectObject font(buffer.Dc(), FFont.Get());
    THdcCanvas canvas(buffer.Dc());
    const int hot = FOpen >= 0 ? FOpen : FKeys.Active() ? FKeys.Hot() : FMouseHot;
    PaintMenuBar(canvas, {0, 0, client.right, client.bottom}, FLayout, FItems, {hot}, FPalette,
                 FMenuBarImage);
  }
  buffer.CopyTo(ADc, 0, 0);
}

void TzelSkinMenuBar::EnterMenuMode() {
  if (GetFocus() != Handle()) {
    FFocusBefore = GetFocus();
    SetFocus();
  }
  Invalidate();
}

void TzelSkinMenuBar::LeaveMenuMode() {
  FKeys.Leave();
  if (GetFocus() == Handle()) {
    if (FFocusBefore && IsWindow(FFocusBefore)) {
      ::SetFocus(FFocusBefore);
    } else {
      ::SetFocus(FForm->Handle());
    }
  }
  FFocusBefore = nullptr;
  Invalidate();
}

void TzelSkinMenuBar::ClickItem(int AIndex) {
  LeaveMenuMode();
  if (!FMenu || !FMenu->Handle()) return;
  const UINT id = GetMenuItemID(FMenu->Handle(), AIndex);
  if (id != static_cast<UINT>(-1)) FMenu->Dispatch(static_cast<WORD>(id));
}

void TzelSkinMenuBar::Act(const TMenuBarAction& AAction) {
  switch (AAction.Kind) {
    case TMenuBarAction::Open:
      PostMessageW(Handle(), kOpenMessage, static_cast<WPARAM>(AAction.Index), 0);
      break;
    case TMenuBarAction::Click:
      ClickItem(AAction.Index);
      break;
    case TMenuBarAction::Leave:
      LeaveMenuMode();
      break;
    case TMenuBarAction::None:
      Invalidate();
      break;
  }
}

void TzelSkinMenuBar::OpenItem(int AIndex) {
  if (!FMenu || !FMenu->Handle() || AIndex < 0 ||
      AIndex >= static_cast<int>(FLayout.Buttons.size())) {
    return;
  }
  HMENU popup = GetSubMenu(FMenu->Handle(), AIndex);
  if (!popup) return;
  FOpen = AIndex;
  FKeys.Select(AIndex);
  Repaint();
  const TRect& button = FLayout.Buttons[AIndex];
  POINT at{button.Left, button.Bottom};
  ClientToScreen(Handle(), &at);
  if (OnPopup) OnPopup(AIndex);
  // Owner-drawn items are measured and drawn through this window.
  const UINT id = static_cast<UINT>(
      TrackPopupMenuEx(popup, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, at.x,
                       at.y, Handle(), nullptr));
  FOpen = -1;
  LeaveMenuMode();
  FMouseHot = -1;
  Repaint();
  if (id) FMenu->Dispatch(static_cast<WORD>(id));
}

bool TzelSkinMenuBar::DialogChar(wchar_t AKey) {
  if (!IsWindowVisible(Handle())) return false;
  const TMenuBarAction action = FKeys.Char(static_cast<char16_t>(AKey), true);
  if (action.Kind == TMenuBarAction::None) return false;
  Act(action);
  return true;
}

LRESULT TzelSkinMenuBar::HandleMessage(UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  switch (AMessage) {
    case WM_PAINT: {
      ui::TPaintDc dc(Handle());
      Paint(dc.Get());
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_GETDLGCODE:
      return DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS;
    case kOpenMessage:
      OpenItem(static_cast<int>(AWParam));
      return 0;
    case WM_LBUTTONDOWN: {
      const int hit = MenuBarHitTest(FLayout, {GET_X_LPARAM(ALParam), GET_Y_LPARAM(ALParam)});
      if (hit < 0 || !FItems[hit].Enabled) return 0;
      if (FItems[hit].HasSubmenu) {
        OpenItem(hit);
      } else {
        ClickItem(hit);
      }
      return 0;
    }
    case WM_MOUSEMOVE: {
      const int hit = MenuBarHitTest(FLayout, {GET_X_LPARAM(ALParam), GET_Y_LPARAM(ALParam)});
      if (hit != FMouseHot) {
        FMouseHot = hit;
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
        TrackMouseEvent(&track);
        Invalidate();
      }
      break;
    }
    case WM_MOUSELEAVE:
      FMouseHot = -1;
      Invalidate();
      break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      if (!FKeys.Active()) break;
      TMenuBarKey key;
      switch (AWParam) {
        case VK_LEFT:
          key = TMenuBarKey::Left;
          break;
        case VK_RIGHT:
          key = TMenuBarKey::Right;
          break;
        case VK_UP:
          key = TMenuBarKey::Up;
          break;
        case VK_DOWN:
          key = TMenuBarKey::Down;
          break;
        case VK_ESCAPE:
          key = TMenuBarKey::Escape;
          break;
        case VK_F10:
          key = TMenuBarKey::MenuKey;
          break;
        case VK_RETURN:
          return 0;  // acts when released
        default:
          return 0;
      }
      Act(FKeys.Press(key));
      return 0;
    }
    case WM_KEYUP:
      if (AWParam == VK_RETURN && FKeys.Active()) {
        Act(FKeys.Press(TMenuBarKey::Enter));
        return 0;
      }
      break;
    case WM_CHAR:
      if (FKeys.Active()) {
        Act(FKeys.Char(static_cast<char16_t>(AWParam), false));
        return 0;
      }
      break;
    case WM_KILLFOCUS:
      if (FKeys.Active() && FOpen < 0) {
        FKeys.Leave();
        FFocusBefore = nullptr;
        Invalidate();
      }
      break;
  }
  return TWidget::HandleMessage(AMessage, AWParam, ALParam);
}

}  // namespace skin
