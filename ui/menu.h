// A form's main menu: a tree of items with captions, shortcuts and click
// handlers, and the accelerator table of the shortcuts.
//
// Thread safety: belongs to the window thread.
#ifndef QUILLORY_UI_MENU_H_
#define QUILLORY_UI_MENU_H_

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

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

struct TMenuItem {
  std::string Name;     // e.g. "MI_Exit", for code that looks items up
  std::string Caption;  // UTF-8, '&' marks the access key
  TShortCut ShortCut;
  TNotifyEvent OnClick;
  std::vector<TMenuItem> Items;  // a submenu when not empty
  int Tag = 0;
};

class TMainMenu {
 public:
  // Builds the menu bar from AItems (the top-level items).
  explicit TMainMenu(std::vector<TMenuItem> AItems);
  ~TMainMenu();
  TMainMenu(const TMainMenu&) = delete;
  TMainMenu& operator=(const TMainMenu&) = delete;

  HMENU Handle() const { return FMenu; }
  HACCEL Accelerators() const { return FAccelerators; }
  const std::vector<TMenuItem>& Items() const { return FItems; }

  // Runs OnClick of the item with command id AId. True when there was one.
  bool Dispatch(WORD AId);

 private:
  HMENU Build(std::vector<TMenuItem>& AItems, bool ABar);

  std::vector<TMenuItem> FItems;
  std::vector<TMenuItem*> FById;  // index: id - kFirstId
  std::vector<ACCEL> FAccelTable;
  HMENU FMenu = nullptr;
  HACCEL FAccelerators = nullptr;
};

}  // namespace ui

#endif  // QUILLORY_UI_MENU_H_
