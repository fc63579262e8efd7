// The engine's menus: the owner-drawn look of every menu of a skinned form,
// the engine's own system menu, the check-mark glyph and the menu bar
// operations that reach a form's window wrapper.
#include <windows.h>

#include <algorithm>

#include "platform/win32/wide.h"
#include "skin/engine/skin_engine.h"
#include "skin/menu/win32/menu_painter.h"
#include "skin/menu/win32/system_menu_win32.h"
#include "skin/window/skin_window.h"
#include "ui/form.h"
#include "ui/image_list.h"
#include "ui/menu.h"

namespace skin {
// namespace

TBitmap TzelSkinEngine::ProgramBitmap(const wchar_t* AResource) {
  TBitmap out;
  HBITMAP bitmap = static_cast<HBITMAP>(
      LoadImageW(GetModuleHandleW(nullptr), AResource, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (!bitmap) return out;
  BITMAP info{};
  if (GetObjectW(bitmap, sizeof info, &info) && info.bmWidth > 0 && info.bmHeight > 0) {
    BITMAPINFO header{};
    header.bmiHeader.biSize = sizeof header.bmiHeader;
    header.bmiHeader.biWidth = info.bmWidth;
    header.bmiHeader.biHeight = -info.bmHeight;  // rows top down
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = 32;
    header.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> pixels(static_cast<size_t>(info.bmWidth) * info.bmHeight);
    HDC dc = GetDC(nullptr);
    const int rows = GetDIBits(dc, bitmap, 0, static_cast<UINT>(info.bmHeight), pixels.data(),
                               &header, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    if (rows == info.bmHeight) {
      out.SetSize(info.bmWidth, info.bmHeight);
      for (int y = 0; y < info.bmHeight; ++y) {
        for (int x = 0; x < info.bmWidth; ++x) {
          const std::uint32_t p = pixels[static_cast<size_t>(y) * info.bmWidth + x];
          // 0x00RRGGBB in the DIB; colours are 0x00BBGGRR.
          out.SetPixel(x, y, ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF));
        }
      }
    }
  }
  DeleteObject(bitmap);
  return out;
}

const TBitmap& TzelSkinEngine::DefaultCheckGlyph() {
  static const TBitmap glyph = ProgramBitmap(L"ZELSKIN_MENU_CHECKED");
  return glyph;
}

const ui::TImageList& TzelSkinEngine::SharedEmptyImageList() {
  static const ui::TImageList empty(16, 16);
  return empty;
}

void TzelSkinEngine::CreateMenus() {
  DefaultCheckGlyph();  // loaded at start-up
  UpdateMenuPalette();
  m_MenuPainter = std::make_unique<TzelMenuPainter>(m_MenuPalette);
  m_InternalSysMenu = std::make_unique<TzelSkinSysMenu>(*m_MenuPainter);
  m_InternalSysMenu->SetResSysMenuMin(m_ResSysMenuMin);
  m_InternalSysMenu->SetResSysMenuMax(m_ResSysMenuMax);
  m_InternalSysMenu->SetResSysMenuClose(m_ResSysMenuClose);
}

void TzelSkinEngine::WatchMenu(ui::TMenu& AMenu) {
  FreeNotification(AMenu);
}

void TzelSkinEngine::Notification(ui::TComponent& AComponent, ui::TOperation AOperation) {
  if (AOperation != ui::TOperation::Remove) return;
  if (auto* menu = dynamic_cast<ui::TMenu*>(&AComponent)) MenuGoing(*menu);
}

void TzelSkinEngine::SetSysMenu(ui::TPopupMenu* AMenu) {
  m_CustomSysMenu = AMenu;
  if (AMenu) WatchMenu(*AMenu);
}

void TzelSkinEngine::MenuGoing(ui::TMenu& AMenu) {
  if (m_CustomSysMenu == &AMenu) m_CustomSysMenu = nullptr;
  for (const auto& w : m_WndList) {
    if (auto* form = dynamic_cast<TzelSkinWindowVCL*>(w.get())) form->MenuGoing(AMenu);
  }
}

void TzelSkinEngine::UpdateMenuPalette() {
  for (int i = 0; i < kMenuColorCount; ++i) m_MenuPalette.Colors[i] = m_Metrics.MenuColors[i];
  m_MenuPalette.DisabledFontColor = m_Metrics.DisabledMenuFontColor;
  const TBitmap* own =
      m_SkinReader ? m_SkinReader->GetBitmap(TSkinBitmapKey::CheckedMenuIcon) : nullptr;
  if (own && !own->Empty()) {
    m_MenuPalette.CheckGlyph = own;
    m_MenuPalette.CheckTransColor = m_TransColor;
  } else {
    const TBitmap& glyph = DefaultCheckGlyph();
    m_MenuPalette.CheckGlyph = glyph.Empty() ? nullptr : &glyph;
    m_MenuPalette.CheckTransColor = 0x00FFFFFF;
  }
}

void TzelSkinEngine::SetResSysMenuMin(std::string AValue) {
  m_ResSysMenuMin = std::move(AValue);
  m_InternalSysMenu->SetResSysMenuMin(m_ResSysMenuMin);
}

void TzelSkinEngine::SetResSysMenuMax(std::string AValue) {
  m_ResSysMenuMax = std::move(AValue);
  m_InternalSysMenu->SetResSysMenuMax(m_ResSysMenuMax);
}

void TzelSkinEngine::SetResSysMenuClose(std::string AValue) {
  m_ResSysMenuClose = std::move(AValue);
  m_InternalSysMenu->SetResSysMenuClose(m_ResSysMenuClose);
}

void TzelSkinEngine::SetAutoSkinWndClassNames(std::vector<std::string> AValue) {
  m_AutoSkinWndClassNames = std::move(AValue);
  for (const std::string& name : m_AutoSkinWndClassNames) AddAutoSkinClass(name);
}

ui::TPopupMenu& TzelSkinEngine::SysMenu() {
  return m_CustomSysMenu ? *m_CustomSysMenu : m_InternalSysMenu->Menu();
}

void TzelSkinEngine::PopupSysMenu(TWndHandle AWindow, const TSysMenuWindow& AState, int AX,
                                  int AY) {
  m_PopSysMenuWnd = AWindow;
  if (!m_CustomSysMenu) {
    m_InternalSysMenu->Popup(AWindow, AWindow, AState, AX, AY);
    return;
  }
  const int chosen = TrackPopupMenu(m_CustomSysMenu->Handle(), TPM_RETURNCMD | TPM_RIGHTBUTTON, AX,
                                    AY, 0, AWindow, nullptr);
  if (chosen > 0) m_CustomSysMenu->Dispatch(static_cast<WORD>(chosen));
}

void TzelSkinEngine::MakeMenuOwnerDrawn(ui::TMenu& AMenu) {
  if (AMenu.Tag() == m_DisabledTag) return;
  WatchMenu(AMenu);
  if (dynamic_cast<ui::TMainMenu*>(&AMenu) && !AMenu.Images()) {
    AMenu.SetImages(&SharedEmptyImageList());
  }
  m_MenuPainter->Attach(AMenu);
}

void TzelSkinEngine::RestoreMenu(ui::TMenu& AMenu) {
  TzelMenuPainter::Detach(AMenu);
  if (AMenu.Images() == &SharedEmptyImageList()) AMenu.SetImages(nullptr);
}

void TzelSkinEngine::MenuItemAdded(ui::TMenu& AMenu) {
  MakeMenuOwnerDrawn(AMenu);
}

TzelSkinWindowVCL* TzelSkinEngine::FormWrapper(ui::TComponent& AForm) const {
  auto* form = dynamic_cast<ui::TForm*>(&AForm);
  if (!form || !form->Handle()) return nullptr;
  return dynamic_cast<TzelSkinWindowVCL*>(FindSkinWindow(form->Handle()));
}

void TzelSkinEngine::AssignMainMenu(ui::TMainMenu* AMenu) {
  if (Owner()) AssignMainMenu(*Owner(), AMenu);
}

void TzelSkinEngine::AssignMainMenu(ui::TComponent& AForm, ui::TMainMenu* AMenu) {
  if (TzelSkinWindowVCL* w = FormWrapper(AForm)) w->AssignMainMenu(AMenu);
}

void TzelSkinEngine::UpdateTopMenu() {
  if (Owner()) UpdateTopMenu(*Owner());
}

void TzelSkinEngine::UpdateTopMenu(ui::TComponent& AForm) {
  if (!RealActive()) return;
  TzelSkinWindowVCL* w = FormWrapper(AForm);
  if (w && w->SkinActive()) w->UpdateTopMenu();
}

int TzelSkinEngine::GetMenuBarHeight(ui::TComponent& AForm) const {
  TzelSkinWindowVCL* w = FormWrapper(AForm);
  return w ? w->MenuHeight() : 0;
}

}  // namespace skin
