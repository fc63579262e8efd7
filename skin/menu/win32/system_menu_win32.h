// TzelSkinSysMenu: the engine's own system menu, a toolkit popup menu with
// the four entries of skin/menu/system_menu.h, painted by the skin's menu
// painter. Setting a caption renames its entry at once; when the menu pops
// up for a window, its entries are enabled as that window's caption
// buttons allow, and the chosen entry posts WM_SYSCOMMAND to the window.
//
// Thread safety: belongs to the window thread.
#ifndef QUILLORY_SKIN_MENU_WIN32_SYSTEM_MENU_WIN32_H_
#define QUILLORY_SKIN_MENU_WIN32_SYSTEM_MENU_WIN32_H_

#include <windows.h>

#include <memory>
#include <string>

#include "skin/menu/system_menu.h"
#include "skin/menu/win32/menu_painter.h"
#include "ui/menu.h"
#include "ui/widget.h"

namespace skin {

class TzelSkinSysMenu {
 public:
  // APainter must outlive the menu.
  explicit TzelSkinSysMenu(TzelMenuPainter& APainter);

  // The captions (UTF-8, '&' marks the access key): ResSysMenuMin,
  // ResSysMenuMax and ResSysMenuClose.
  void SetResSysMenuMin(const std::string& ACaption) { Rename(kSysMenuMin, ACaption); }
  void SetResSysMenuMax(const std::string& ACaption) { Rename(kSysMenuMax, ACaption); }
  void SetResSysMenuClose(const std::string& ACaption) { Rename(kSysMenuClose, ACaption); }

  ui::TPopupMenu& Menu() { return *FMenu; }

  // Enables the entries for AWindow (and remembers it as the target).
  void Prepare(HWND AWindow, const TSysMenuWindow& AState);
  // Prepare, then shows the menu at AX, AY (screen) with AOwner taking the
  // owner-draw messages.
  void Popup(const ui::TWidget& AOwner, HWND AWindow, const TSysMenuWindow& AState, int AX, int AY);
  // The same with any window as the owner; that window must hand the
  // menu's WM_MEASUREITEM and WM_DRAWITEM to ui::TMenu.
  void Popup(HWND AOwner, HWND AWindow, const TSysMenuWindow& AState, int AX, int AY);
  // The window the menu was prepared for last.
  HWND Target() const { return FTarget; }

 private:
  void Rename(int AIndex, const std::string& ACaption);
  void Run(int AIndex);

  std::unique_ptr<ui::TPopupMenu> FMenu;
  HWND FTarget = nullptr;
  TSysMenuWindow FState;
};

// The state and caption buttons of a window as its styles tell them.
TSysMenuWindow SysMenuWindowOf(HWND AWindow);

}  // namespace skin

#endif  // QUILLORY_SKIN_MENU_WIN32_SYSTEM_MENU_WIN32_H_
