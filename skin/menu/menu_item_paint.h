// The measure and draw rules of owner-drawn menu items: popup items with
// their left bar, selection frame, check and radio marks, pictures,
// shortcut text and submenu arrow. Pure functions over a TPaintCanvas, so
// the same code paints a test bitmap and a device context.
//
// The canvas's font is the system's menu font, bold for the default item:
// the caller selects it before measuring or drawing.
//
// Thread safety: each call uses only the canvas it is given.
#ifndef QUILLORY_SKIN_MENU_MENU_ITEM_PAINT_H_
#define QUILLORY_SKIN_MENU_MENU_ITEM_PAINT_H_

#include <array>
#include <string>

#include "skin/bitmap/bitmap.h"
#include "skin/draw/canvas.h"

namespace skin {

// Indexes into TMenuPalette::Colors (the skin's colours 3 to 15 in order).
enum TMenuColor : int {
  kMenuBarStart = 0,
  kMenuBarEnd = 1,
  kTopSelected = 2,
  kTopSelectedBorder = 3,
  kTopSelectedFont = 4,
  kTopFont = 5,
  kLeftBarStart = 6,
  kLeftBarEnd = 7,
  kItemBackground = 8,
  kItemFont = 9,
  kItemSelected = 10,
  kItemSelectedBorder = 11,
  kItemSelectedFont = 12,
};

// The colour of the separator line.
inline constexpr TColor kSeparatorLineColor = 0x00848284;

// What the painters need from the engine: the menu colours, the disabled
// font colour and the check-mark glyph (masked with CheckTransColor).
struct TMenuPalette {
  std::array<TColor, 13> Colors{};
  TColor DisabledFontColor = 0x00808080;
  const TBitmap* CheckGlyph = nullptr;
  TColor CheckTransColor = 0x00FFFFFF;
};

// An item's picture: a cell of an image list (the whole of Image when
// Source is empty), or the item's own bitmap, stretched to 16 by 16.
struct TMenuItemPicture {
  const TBitmap* Image = nullptr;
  TRect Source;
  bool Masked = false;
  TColor TransColor = 0;
};

// One popup item as the painters see it.
struct TMenuItemView {
  std::u16string Caption;  // '&' marks the access key; "-" is a separator
  std::u16string ShortCut;
  bool Enabled = true;
  bool Selected = false;
  bool Checked = false;
  bool Radio = false;
  bool HasSubmenu = false;
  bool RightToLeft = false;
  // The item's image list, when it has one other than the shared empty one.
  bool HasOwnImageList = false;
  TSize ImageListSize{16, 16};
  // The picture to show, when the item has one (Image not null).
  TMenuItemPicture Picture;
  bool OwnBitmap = false;  // Picture is the item's own bitmap
};

inline bool IsSeparator(const TMenuItemView& AItem) {
  return AItem.Caption == u"-";
}

// The caption as drawn: "&&" becomes "&", a single '&' is dropped.
std::u16string VisibleCaption(std::u16string_view ACaption);

// The item's size: a separator is 5 high; otherwise the larger of the
// caption's height and 21, and of the image height + 5 with an own image
// list. The width is the caption's width plus the shortcut's plus 66.
TSize MeasureMenuItem(TPaintCanvas& ACanvas, const TMenuItemView& AItem);

// The width of the image column: the image list's width + 10, or 26
// without an own image list.
int MenuImageColumnWidth(const TMenuItemView& AItem);

// Paints AItem into ARect.
void DrawMenuItem(TPaintCanvas& ACanvas, const TRect& ARect, const TMenuItemView& AItem,
                  const TMenuPalette& APalette);

}  // namespace skin

#endif  // QUILLORY_SKIN_MENU_MENU_ITEM_PAINT_H_
