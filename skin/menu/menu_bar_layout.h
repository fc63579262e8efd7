// The skinned menu bar's portable core: laying its buttons out in rows,
// its height, hit tests and painting over a TPaintCanvas.
//
// Thread safety: plain values and pure functions.
#ifndef QUILLORY_SKIN_MENU_MENU_BAR_LAYOUT_H_
#define QUILLORY_SKIN_MENU_MENU_BAR_LAYOUT_H_

#include <string>
#include <vector>

#include "skin/menu/menu_item_paint.h"

namespace skin {

// One top-level item on the bar.
struct TMenuBarItem {
  std::u16string Caption;  // '&' marks the access key
  bool Enabled = true;
  bool HasSubmenu = false;
  TMenuItemPicture Picture;  // Image null: no picture
};

// Space left and right of a button's label.
inline constexpr int kMenuBarButtonPadding = 7;
// The least height of a row of buttons.
inline constexpr int kMenuBarMinRowHeight = 19;

struct TMenuBarLayout {
  std::vector<TRect> Buttons;  // one per item, in bar coordinates
  int RowHeight = 0;
  int Height = 0;  // rows * RowHeight; 0 without items
};

// Lays AItems out left to right from the bar's top-left corner; a button
// that would reach past ABarWidth starts a new row (unless it is the first
// of its row). A button is its label's width plus the padding on each side,
// plus the picture's width + 2 when it has one; every row is as high as the
// highest label + 6, at least kMenuBarMinRowHeight.
TMenuBarLayout LayoutMenuBar(TPaintCanvas& ACanvas, const std::vector<TMenuBarItem>& AItems,
                             int ABarWidth);

// The index of the button under APoint, or -1.
int MenuBarHitTest(const TMenuBarLayout& ALayout, TPoint APoint);

// What the bar shows: the hot (or pressed) button, -1 for none.
struct TMenuBarPaintState {
  int Hot = -1;
};

// Paints the bar into ABar: "SKIN2_MENUBAR" (AMenuBarImage) stretched over
// it, else a vertical gradient from menu colour 0 to 1 (a plain fill when
// they are equal); then each button: the hot one filled with colour 2,
// framed with colour 3 and labelled in colour 4; the others labelled in
// colour 5, or grey 0x808080 when disabled. A picture is drawn 2 pixels
// right of and below the button's corner, the label after it.
void PaintMenuBar(TPaintCanvas& ACanvas, const TRect& ABar, const TMenuBarLayout& ALayout,
                  const std::vector<TMenuBarItem>& AItems, const TMenuBarPaintState& AState,
                  const TMenuPalette& APalette, const TBitmap* AMenuBarImage);

// The label's top-left corner inside AButton for a label of ATextSize.
TPoint MenuBarLabelOrigin(const TRect& AButton, const TMenuBarItem& AItem, TSize ATextSize);

}  // namespace skin

#endif  // QUILLORY_SKIN_MENU_MENU_BAR_LAYOUT_H_
