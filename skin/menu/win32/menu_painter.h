// TzelMenuPainter: paints a toolkit menu's owner-drawn items with the
// skin's menu rules (skin/menu/menu_item_paint.h). Attach gives every item
// the painter's measure and draw handlers and makes the menu owner-drawn;
// each item is painted into one off-screen buffer and copied to the menu
// in one step, so the menu never shows a half-painted item.
//
// The palette is read at each paint: the engine changes it (a new skin)
// and the next paint shows the new colours.
//
// Thread safety: belongs to the window thread.
#ifndef QUILLORY_SKIN_MENU_WIN32_MENU_PAINTER_H_
#define QUILLORY_SKIN_MENU_WIN32_MENU_PAINTER_H_

#include <windows.h>

#include <memory>

#include "skin/draw/win32/dib_surface.h"
#include "skin/menu/menu_item_paint.h"
#include "ui/gdi.h"
#include "ui/menu.h"

namespace skin {

class TzelMenuPainter {
 public:
  // APalette must outlive the painter.
  explicit TzelMenuPainter(const TMenuPalette& APalette);
  TzelMenuPainter(const TzelMenuPainter&) = delete;
  TzelMenuPainter& operator=(const TzelMenuPainter&) = delete;

  // Makes AMenu owner-drawn with this painter's handlers on every item
  // (again after items were added: the engine's MenuItemAdded). The
  // top-level items of a main menu are left to the skinned menu bar.
  // AMenu must not outlive the painter while attached.
  void Attach(ui::TMenu& AMenu);
  // Gives AMenu back its own look: handlers cleared, owner-draw off.
  static void Detach(ui::TMenu& AMenu);

  // The handlers' work, public for tests: AItem of AMenu.
  void Measure(const ui::TMenu& AMenu, const ui::TMenuItem& AItem, int& AWidth, int& AHeight);
  void Draw(const ui::TMenu& AMenu, const ui::TMenuItem& AItem, HDC ADc, const RECT& ARect,
            bool ASelected);

  // The item as the portable painter sees it (its picture converted into
  // APictureStore, which must live while the view is used).
  TMenuItemView ViewOf(const ui::TMenu& AMenu, const ui::TMenuItem& AItem, bool ASelected,
                       TBitmap& APictureStore) const;

 private:
  HFONT FontFor(const ui::TMenuItem& AItem);
  TDibSurface& Buffer(int AWidth, int AHeight);

  const TMenuPalette& FPalette;
  ui::TFontHandle FFont;
  ui::TFontHandle FBoldFont;
  std::unique_ptr<TDibSurface> FBuffer;
};

// The system's menu font (bold when ABold).
HFONT CreateMenuFont(bool ABold);

}  // namespace skin

#endif  // QUILLORY_SKIN_MENU_WIN32_MENU_PAINTER_H_
