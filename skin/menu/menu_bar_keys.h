// TMenuBarKeys: the skinned menu bar's keyboard decisions. Alt tapped or
// F10 selects the first item; Left and Right move the selection (wrapping);
// Enter or Down opens the selected item's menu (Enter clicks an item
// without one); Esc or another Alt/F10 leaves; an access key opens its
// item's menu, or clicks it, when Alt is held or the bar is in menu mode.
//
// Thread safety: belongs to the bar's window thread.
#ifndef QUILLORY_SKIN_MENU_MENU_BAR_KEYS_H_
#define QUILLORY_SKIN_MENU_MENU_BAR_KEYS_H_

#include <string>
#include <vector>

namespace skin {

enum class TMenuBarKey { MenuKey, Left, Right, Up, Down, Enter, Escape };

struct TMenuBarAction {
  enum TKind { None, Open, Click, Leave };
  TKind Kind = None;
  int Index = -1;
  bool operator==(const TMenuBarAction&) const = default;
};

// What the keys need to know of an item.
struct TMenuBarKeyItem {
  char16_t AccessKey = 0;  // 0: none
  bool Enabled = true;
  bool HasSubmenu = false;
};

// The access key of a caption: the character after a single '&' (upper
// case for ASCII letters), or 0.
char16_t AccessKeyOf(std::u16string_view ACaption);

class TMenuBarKeys {
 public:
  void SetItems(std::vector<TMenuBarKeyItem> AItems);

  // Whether the bar is in menu mode, and its selected item (-1 outside).
  bool Active() const { return FHot >= 0; }
  int Hot() const { return FHot; }

  TMenuBarAction Press(TMenuBarKey AKey);
  // A character typed; AAlt when Alt was held. Unknown keys do nothing.
  TMenuBarAction Char(char16_t AChar, bool AAlt);
  // The pointer opened AIndex's menu, or it closed (leaves menu mode).
  void Select(int AIndex);
  void Leave() { FHot = -1; }

 private:
  TMenuBarAction Choose(int AIndex);

  std::vector<TMenuBarKeyItem> FItems;
  int FHot = -1;
};

}  // namespace skin

#endif  // QUILLORY_SKIN_MENU_MENU_BAR_KEYS_H_
