// TzelSkinMenuBar: the skinned menu bar, a toolkit control across the top
// of a form that shows its main menu's top-level items in the skin's menu
// colours (layout and painting: skin/menu/menu_bar_layout.h) and opens
// their popup menus with TrackPopupMenu. The form's own menu bar is taken
// off (its shortcuts keep working) while the bar shows the menu.
//
// Keys (skin/menu/menu_bar_keys.h): Alt tapped or F10 selects the first
// item and gives the bar the focus; arrows move; Enter or Down opens; Esc
// leaves and gives the focus back; Alt with an item's access key opens its
// menu (or clicks an item without one).
//
// Thread safety: belongs to the window thread.
#ifndef QUILLORY_SKIN_MENU_WIN32_MENU_BAR_H_
#define QUILLORY_SKIN_MENU_WIN32_MENU_BAR_H_

#include <windows.h>

#include <functional>
#include <vector>

#include "skin/menu/menu_bar_keys.h"
#include "skin/menu/menu_bar_layout.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "ui/widget.h"

namespace skin {

struct TzelSkinMenuBarArgs {
  ui::TForm* Form = nullptr;              // required: the bar sits at its top
  const TMenuPalette* Palette = nullptr;  // required; outlives the bar
  const TBitmap* MenuBarImage = nullptr;  // "SKIN2_MENUBAR", or null
};

class TzelSkinMenuBar : public ui::TWidget {
 public:
  explicit TzelSkinMenuBar(const TzelSkinMenuBarArgs& AArgs);
  ~TzelSkinMenuBar() override;

  // Shows AMenu's top-level items (nullptr: none; the bar hides). AMenu
  // must outlive the bar or be replaced first.
  void SetMenu(ui::TMainMenu* AMenu);
  ui::TMainMenu* Menu() const { return FMenu; }
  // Lays the items out anew (after captions or states changed).
  void UpdateTopMenu();
  void SetMenuBarImage(const TBitmap* AImage);
  // Whether the bar may show (it still hides without items); a hidden bar
  // takes no keys.
  void SetShown(bool AShown);
  bool Shown() const { return FShown; }
  // The bar starts AIndent pixels right of the form's left edge, and its
  // buttons keep AReservedRight pixels at its right end free.
  void SetIndent(int AIndent, int AReservedRight);
  // Told after each layout (the bar's size may have changed).
  std::function<void()> OnLayout;

  // The bar's height: its rows of buttons, 0 while hidden or empty.
  int MenuBarHeight() const;
  const TMenuBarLayout& Layout() const { return FLayout; }

  // Opens item AIndex's popup menu (returns when it closes).
  void OpenItem(int AIndex);
  // Told when an item's popup opens (index), for whoever watches.
  std::function<void(int AIndex)> OnPopup;

 protected:
  LRESULT HandleMessage(UINT AMessage, WPARAM AWParam, LPARAM ALParam) override;
  bool DialogChar(wchar_t AKey) override;

 private:
  void Relayout();
  void Paint(HDC ADc);
  void Act(const TMenuBarAction& AAction);
  void EnterMenuMode();
  void LeaveMenuMode();
  void ClickItem(int AIndex);
  std::vector<TMenuBarItem> BarItems() const;

  ui::TForm* FForm;
  const TMenuPalette& FPalette;
  const TBitmap* FMenuBarImage;
  ui::TMainMenu* FMenu = nullptr;
  std::vector<TMenuBarItem> FItems;
  TMenuBarLayout FLayout;
  TMenuBarKeys FKeys;
  ui::TFontHandle FFont;
  int FMouseHot = -1;
  int FOpen = -1;
  HWND FFocusBefore = nullptr;
  bool FShown = true;
  int FIndent = 0;
  int FReservedRight = 0;
};

// The height of AForm's skinned menu bar when it has one, else 0.
int GetMenuBarHeight(const TzelSkinMenuBar* ABar);

}  // namespace skin

#endif  // QUILLORY_SKIN_MENU_WIN32_MENU_BAR_H_
