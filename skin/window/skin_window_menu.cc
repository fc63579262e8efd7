// The window wrapper of a toolkit form: its menu bar. While skinning is on
// the form's main menu shows on a TzelSkinMenuBar at the top of the client
// area, its menus are owner-drawn by the engine, the controls sit below the
// bar and the form keeps a least size; switching off gives the form its own
// menu bar, controls, size and constraints back.
#include <algorithm>

#include "skin/menu/win32/menu_bar.h"
#include "skin/window/skin_window.h"
#include "skin/window/skin_window_mdi.h"
#include "ui/form.h"
#include "ui/menu.h"

namespace skin {
namespace {

// The shortcuts of menus assigned with AssignMainMenu: the application's
// message loop knows only a form's own menu, so a thread message hook
// runs them for the active form's wrapper (and the key goes no further).
std::vector<TzelSkinWindowVCL*> g_ShortcutWindows;
HHOOK g_ShortcutHook = nullptr;

bool Down(int AKey) {
  return (GetKeyState(AKey) & 0x8000) != 0;
}

// The item of AItems (and their submenus) whose shortcut is AKey with the
// modifiers held now, or null.
const ui::TMenuItem* ShortcutItem(const std::vector<ui::TMenuItem>& AItems, WPARAM AKey) {
  for (const ui::TMenuItem& item : AItems) {
    const ui::TShortCut& s = item.ShortCut;
    if (s.Key && s.Key == AKey && s.Alt == Down(VK_MENU) && s.Ctrl == Down(VK_CONTROL) &&
        s.Shift == Down(VK_SHIFT) && item.Enabled) {
      return &item;
    }
    if (const ui::TMenuItem* inner = ShortcutItem(item.Items, AKey)) return inner;
  }
  return nullptr;
}

LRESULT CALLBACK ShortcutHook(int ACode, WPARAM AWParam, LPARAM ALParam) {
  auto* msg = reinterpret_cast<MSG*>(ALParam);
  if (ACode == HC_ACTION && AWParam == PM_REMOVE &&
      (msg->message == WM_KEYDOWN || msg->message == WM_SYSKEYDOWN)) {
    const HWND active = GetActiveWindow();
    for (TzelSkinWindowVCL* w : g_ShortcutWindows) {
      if (w->Handle() != active) continue;
      if (!w->SkinActive() || !w->AssignedMenu()) break;
      if (const ui::TMenuItem* item = ShortcutItem(w->AssignedMenu()->Items(), msg->wParam)) {
        msg->message = WM_NULL;
        if (item->OnClick) item->OnClick();
      }
      break;
    }
  }
  return CallNextHookEx(g_ShortcutHook, ACode, AWParam, ALParam);
}

void WatchShortcuts(TzelSkinWindowVCL* AWindow, bool AOn) {
  std::erase(g_ShortcutWindows, AWindow);
  if (AOn) g_ShortcutWindows.push_back(AWindow);
  if (!g_ShortcutWindows.empty() && !g_ShortcutHook) {
    g_ShortcutHook = SetWindowsHookExW(WH_GETMESSAGE, ShortcutHook, nullptr, GetCurrentThreadId());
  } else if (g_ShortcutWindows.empty() && g_ShortcutHook) {
    UnhookWindowsHookEx(g_ShortcutHook);
    g_ShortcutHook = nullptr;
  }
}

}  // namespace

void TzelSkinWindowVCL::StopShortcuts() {
  WatchShortcuts(this, false);
}

ui::TMainMenu* TzelSkinWindowVCL::ShownMenu() const {
  return m_Menu ? m_Menu : m_Form.Menu();
}

int TzelSkinWindowVCL::GetMenuHeight() const {
  return GetMenuBarHeight(m_MenuBar.get());
}

bool TzelSkinWindowVCL::IsMDIForm() const {
  return m_Form.FormStyle() == ui::TFormStyle::MDIForm;
}

bool TzelSkinWindowVCL::IsMDIChild() const {
  return m_Form.FormStyle() == ui::TFormStyle::MDIChild;
}

void TzelSkinWindowVCL::AssignMainMenu(ui::TMainMenu* AMenu) {
  if (AMenu == m_Form.Menu()) AMenu = nullptr;
  if (AMenu == m_Menu) return;
  const bool on = m_Active && m_SavedWndStyle;
  if (on && m_Menu) {
    m_Engine.RestoreMenu(*m_Menu);
    std::erase(m_OwnerDrawn, static_cast<ui::TMenu*>(m_Menu));
  }
  m_Menu = AMenu;
  if (m_Menu) m_Engine.WatchMenu(*m_Menu);
  WatchShortcuts(this, m_Menu != nullptr && !IsMDIChild());
  if (!on) return;
  // The form's own menu bar stays off while another menu shows.
  if (m_Form.Menu() && m_Form.MenuShown()) {
    m_Form.SetMenuShown(false);
    m_MenuTaken = true;
  }
  if (m_Menu && m_Menu->Tag() != m_Engine.DisabledTag()) {
    m_Engine.MakeMenuOwnerDrawn(*m_Menu);
    m_OwnerDrawn.push_back(m_Menu);
  }
  BuildMenuBar();
}

void TzelSkinWindowVCL::UpdateTopMenu() {
  if (!m_Active || !m_SavedWndStyle) {
    if (m_MenuBar) m_MenuBar->UpdateTopMenu();
    return;
  }
  // The form may have been given another menu, which it shows itself.
  if (m_Form.Menu() && m_Form.MenuShown() && !IsMDIChild()) {
    m_Form.SetMenuShown(false);
    m_MenuTaken = true;
  }
  ui::TMenu* shown = ShownMenu();
  if (shown && shown->Tag() != m_Engine.DisabledTag() &&
      std::find(m_OwnerDrawn.begin(), m_OwnerDrawn.end(), shown) == m_OwnerDrawn.end()) {
    m_Engine.MakeMenuOwnerDrawn(*shown);
    m_OwnerDrawn.push_back(shown);
  }
  BuildMenuBar();
}

void TzelSkinWindowVCL::MenuGoing(ui::TMenu& AMenu) {
  std::erase(m_OwnerDrawn, &AMenu);
  if (m_RebuiltHooked == &AMenu) {
    m_RebuiltHooked = nullptr;
    m_OldRebuilt = {};
  }
  if (m_Menu == &AMenu) {
    m_Menu = nullptr;
    StopShortcuts();
  }
  if (m_MenuBar && m_MenuBar->Menu() == &AMenu) m_MenuBar->SetMenu(nullptr);
}

void TzelSkinWindowVCL::HookRebuilt(ui::TMainMenu* AMenu) {
  if (AMenu == m_RebuiltHooked) return;
  UnhookRebuilt();
  if (!AMenu) return;
  m_RebuiltHooked = AMenu;
  m_Engine.WatchMenu(*AMenu);
  m_OldRebuilt = AMenu->OnRebuilt;
  AMenu->OnRebuilt = [this, old = m_OldRebuilt] {
    if (old) old();
    if (m_MenuBar) m_MenuBar->UpdateTopMenu();
  };
}

void TzelSkinWindowVCL::UnhookRebuilt() {
  if (!m_RebuiltHooked) return;
  m_RebuiltHooked->OnRebuilt = m_OldRebuilt;
  m_RebuiltHooked = nullptr;
  m_OldRebuilt = {};
}

void TzelSkinWindowVCL::BuildMenuBar() {
  ui::TMainMenu* menu = ShownMenu();
  // An MDI child's menu shows merged on its parent's bar.
  if (!menu || IsMDIChild()) {
    if (m_MenuBar) m_MenuBar->SetShown(false);
    return;
  }
  if (!m_MenuBar) {
    m_MenuBar = std::make_unique<TzelSkinMenuBar>(
        TzelSkinMenuBarArgs{&m_Form, &m_Engine.MenuPalette(),
                            m_Engine.SkinReader().GetBitmap(TSkinBitmapKey::MenuBar)});
    m_MenuBar->SetShown(false);
    if (m_MDI) m_MDI->MenuBarCreated(*m_MenuBar);
  }
  m_MenuBar->SetMenuBarImage(m_Engine.SkinReader().GetBitmap(TSkinBitmapKey::MenuBar));
  m_MenuBar->SetIndent(m_OldLeftBorderWidth2 >= 5 ? m_OldLeftBorderWidth2 - 4 : 0,
                       m_MDI ? m_MDI->ReservedWidth() : 0);
  HookRebuilt(menu);
  m_MenuBar->SetMenu(menu);
  m_MenuBar->SetShown(true);
  m_MenuBar->BringToFront();
}

void TzelSkinWindowVCL::MoveControls(int ADelta) {
  for (ui::TWidget* child : m_Form.Children()) {
    if (child == m_MenuBar.get() || !child->Handle()) continue;
    const RECT r = child->BoundsRect();
    const int64_t anchors = child->Anchors();
    const bool bottom = (anchors & ui::akBottom) != 0;
    const bool top = (anchors & ui::akTop) != 0;
    if (bottom && top) {
      // Kept at both edges: moves and gives up the height it moved.
      child->SetBounds(r.left, r.top + ADelta, r.right - r.left, r.bottom - r.top - ADelta);
    } else if (!bottom) {
      child->SetBounds(r.left, r.top + ADelta, r.right - r.left, r.bottom - r.top);
    }
    // Controls kept at the bottom edge follow the client height.
  }
}

void TzelSkinWindowVCL::MenusOn() {
  ui::TMainMenu* menu = ShownMenu();
  if (menu && m_Form.Menu() && m_Form.MenuShown() && !IsMDIChild()) {
    m_Form.SetMenuShown(false);
    m_MenuTaken = true;
  }
  // Every menu of the form is owner-drawn by the engine.
  m_OwnerDrawn.clear();
  auto ownerDraw = [this](ui::TMenu* AMenu) {
    if (!AMenu || AMenu->Tag() == m_Engine.DisabledTag()) return;
    if (std::find(m_OwnerDrawn.begin(), m_OwnerDrawn.end(), AMenu) != m_OwnerDrawn.end()) return;
    m_Engine.MakeMenuOwnerDrawn(*AMenu);
    m_OwnerDrawn.push_back(AMenu);
  };
  ownerDraw(m_Form.Menu());
  ownerDraw(m_Menu);
  for (ui::TComponent* c : m_Form.Components()) {
    if (c->Class().InheritsFrom(ui::classes::PopupMenu)) ownerDraw(dynamic_cast<ui::TMenu*>(c));
  }
  BuildMenuBar();
  const int menuHeight = GetMenuHeight();
  // The least size: room for the title, the menu bar and a few rows; the
  // skin's least width unless the form is a dialog.
  ui::TSizeConstraints limits = m_Form.Constraints();
  m_OldConstraints = limits;
  if (limits.MinHeight == 0) limits.MinHeight = menuHeight + m_Engine.TitleHeight() + 6;
  if (limits.MinWidth == 0 && !m_ForDialog) limits.MinWidth = m_Engine.Metrics().MinWidth;
  m_Form.SetConstraints(limits);
  if (menuHeight > 0) {
    if (!m_Moved) {
      m_Moved = true;
      m_MovedBy = menuHeight;
      MoveControls(menuHeight);
    }
    if (!IsZoomed(m_hWnd) && !IsIconic(m_hWnd)) {
      m_SelfSizing = true;
      m_Form.SetClientSize(2 * std::max(4, m_OldLeftBorderWidth2) + m_ClientWidth - 8,
                           menuHeight + m_ClientHeight + 2 * std::max(4, m_OldBottomHeight2) - 8);
      m_SelfSizing = false;
    }
  }
  if (m_MDI) m_MDI->SkinStateChanged(true);
}

void TzelSkinWindowVCL::MenusOffBeforeFrame() {
  if (m_MDI) m_MDI->SkinStateChanged(false);
  if (m_MenuBar) m_MenuBar->SetShown(false);
  if (m_Moved) {
    MoveControls(-m_MovedBy);
    m_Moved = false;
  }
  for (ui::TMenu* menu : m_OwnerDrawn) m_Engine.RestoreMenu(*menu);
  m_OwnerDrawn.clear();
  UnhookRebuilt();
  if (m_MenuTaken) {
    m_MenuTaken = false;
    m_Form.SetMenuShown(true);
  }
}

void TzelSkinWindowVCL::MenusOffAfterFrame() {
  if (m_MovedBy > 0 && !IsZoomed(m_hWnd) && !IsIconic(m_hWnd)) {
    m_SelfSizing = true;
    m_Form.SetClientSize(m_ClientWidth, m_ClientHeight);
    m_SelfSizing = false;
  }
  m_MovedBy = 0;
  if (m_OldConstraints) {
    m_Form.SetConstraints(*m_OldConstraints);
    m_OldConstraints.reset();
  }
}

void TzelSkinWindowVCL::ForgetWindow() {
  // The form frees its children with itself: the bar (and what sits on
  // it) now belongs to the form alone.
  UnhookRebuilt();
  StopShortcuts();
  if (m_MDI) m_MDI->WindowGoing();
  (void)m_MenuBar.release();
}

}  // namespace skin
