// Menus: a form's main menu and popup menus, built from trees of items with
// captions, shortcuts, click handlers and state (checked, enabled, default,
// radio item, picture), and the accelerator table of the shortcuts.
//
// An owner-drawn menu measures and paints its items itself: each item may
// bring its own measure and draw handlers; the form hands the menu
// WM_MEASUREITEM and WM_DRAWITEM for its items. Item pictures come from the
// menu's image list (ImageIndex) or the item's own bitmap.
//
// An MDI parent's menu bar can take in a child's menu by group index
// (ui/menu_merge.h).
//
// Thread safety: belongs to the window thread.
#ifndef QUILLORY_UI_MENU_H_
#define QUILLORY_UI_MENU_H_

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/component.h"
#include "ui/image_list.h"
#include "ui/widget.h"

namespace ui {

// A key with its modifiers, e.g. {VK_F1} or {VK_F4, Alt}.
struct TShortCut {
  WORD Key = 0;  // 0: no shortcut
  bool Alt = false;
  bool Ctrl = false;
  bool Shift = false;

  // "Alt+F4", "F1", ...: the text shown beside the caption.
  std::wstring Text() const;
};

struct TMenuItem;
// Sets the size of an owner-drawn item (AWidth, AHeight start at the
// default measure).
using TMenuMeasureEvent =
    std::function<void(const TMenuItem& AItem, HDC ADc, int& AWidth, int& AHeight)>;
// Paints an owner-drawn item; ASelected is the highlight state.
using TMenuDrawEvent =
    std::function<void(const TMenuItem& AItem, HDC ADc, const RECT& ARect, bool ASelected)>;

struct TMenuItem {
  std::string Name;     // e.g. "MI_Exit", for code that looks items up
  std::string Caption;  // UTF-8, '&' marks the access key, "-" is a separator
  TShortCut ShortCut;
  TNotifyEvent OnClick;
  std::vector<TMenuItem> Items;  // a submenu when not empty
  int Tag = 0;
  bool Checked = false;
  bool Enabled = true;
  bool Default = false;
  bool RadioItem = false;  // checked with a bullet instead of a tick
  int GroupIndex = 0;
  int ImageIndex = -1;       // picture of the menu's image list
  HBITMAP Bitmap = nullptr;  // own picture (not owned) when ImageIndex is -1
  TMenuMeasureEvent OnMeasureItem = {};
  TMenuDrawEvent OnDrawItem = {};
};

// The common part of main and popup menus.
class TMenu : public TComponent {
 public:
  ~TMenu() override;
  const TWidgetClass& Class() const override { return classes::Menu; }

  HMENU Handle() const { return FMenu; }
  HACCEL Accelerators() const { return FAccelerators; }
  const std::vector<TMenuItem>& Items() const { return FItems; }
  // What the menu shows at its top level: its own items, or a main menu's
  // items with an MDI child's merged in.
  const std::vector<const TMenuItem*>& TopItems() const { return FTop; }
  // The item named AName anywhere in the tree, or nullptr. Change its state
  // fields, then call Update.
  TMenuItem* Find(std::string_view AName);
  // Shows AItem's current state (caption, checked, enabled, default).
  void Update(const TMenuItem& AItem);
  // Calls AVisit for every item, parents before their children (ADepth 0
  // for the top level), then builds the menu anew so changed states and
  // handlers show. Items must not be added or removed by AVisit.
  void ForEachItem(const std::function<void(TMenuItem& AItem, int ADepth)>& AVisit);

  // Items drawn by the menu (and their handlers) instead of the system.
  void SetOwnerDraw(bool AOn);
  bool OwnerDraw() const { return FOwnerDraw; }
  void SetImages(const TImageList* AImages);  // not owned
  const TImageList* Images() const { return FImages; }

  // Runs OnClick of the item with command id AId. True when there was one.
  bool Dispatch(WORD AId);
  // The menu was built anew (Handle() and Accelerators() changed); the old
  // menu is destroyed when this returns.
  TNotifyEvent OnRebuilt;
  // WM_MEASUREITEM / WM_DRAWITEM of an owner-drawn menu item, whichever
  // window receives it. False when the item is no item of a TMenu.
  static bool MeasureItem(MEASUREITEMSTRUCT& AItem);
  static bool DrawItem(const DRAWITEMSTRUCT& AItem);

 protected:
  TMenu(std::vector<TMenuItem> AItems, bool ABar);
  // Builds the menu from ATop (pointers into the items of this menu or of
  // others that outlive it).
  void Rebuild(const std::vector<const TMenuItem*>& ATop);
  bool ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const override;
  bool WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) override;

 private:
  HMENU Build(const std::vector<const TMenuItem*>& AItems, bool ABar);
  void Append(HMENU AMenu, const TMenuItem& AItem, UINT_PTR AIdOrPopup, bool APopup);
  void Destroy();

  std::vector<TMenuItem> FItems;
  bool FBar;
  bool FOwnerDraw = false;
  const TImageList* FImages = nullptr;
  std::vector<const TMenuItem*> FTop;   // what the menu shows at its top level
  std::vector<const TMenuItem*> FById;  // index: id - kFirstId
  struct TDrawData;                     // what an owner-drawn item carries
  std::vector<std::unique_ptr<TDrawData>> FDrawData;
  std::vector<ACCEL> FAccelTable;
  HMENU FMenu = nullptr;
  HACCEL FAccelerators = nullptr;
};

class TMainMenu : public TMenu {
 public:
  // Builds the menu bar from AItems (the top-level items).
  explicit TMainMenu(std::vector<TMenuItem> AItems) : TMenu(std::move(AItems), true) {}
  const TWidgetClass& Class() const override { return classes::MainMenu; }

  // Shows AChild's items merged in by group index (an MDI child's menu), or
  // only this menu's with nullptr. AChild must outlive the merge.
  void Merge(const TMainMenu* AChild);
};

class TPopupMenu : public TMenu {
 public:
  explicit TPopupMenu(std::vector<TMenuItem> AItems) : TMenu(std::move(AItems), false) {}
  const TWidgetClass& Class() const override { return classes::PopupMenu; }

  // Shows the menu at AX, AY (screen) for AOwner and runs the chosen item's
  // OnClick; AOwner receives the owner-draw messages meanwhile.
  void Popup(const TWidget& AOwner, int AX, int AY);
};

}  // namespace ui

#endif  // QUILLORY_UI_MENU_H_
