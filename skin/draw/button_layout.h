// Where a push button puts its glyph and caption, and how it draws them:
// the bitmap-button layout of the toolkit (glyph left, right, above or
// below the caption, with a margin and a spacing), and the centred caption.
//
// Thread safety: pure functions, except that the caption painter draws on
// the canvas it is given.
#ifndef QUILLORY_SKIN_DRAW_BUTTON_LAYOUT_H_
#define QUILLORY_SKIN_DRAW_BUTTON_LAYOUT_H_

#include <string_view>

#include "skin/draw/canvas.h"

namespace skin {

enum class TGlyphSide { Left, Right, Top, Bottom };

struct TGlyphLayoutArgs {
  TRect Client;   // the button's client rectangle
  TSize Glyph;    // one glyph frame; 0 x 0 without a glyph
  TSize Caption;  // the caption's extent in the button's font; 0 x 0 without one
  TGlyphSide Side = TGlyphSide::Left;
  int Margin = -1;           // glyph to edge; -1 centres glyph and caption together
  int Spacing = 4;           // glyph to caption; -1 spreads them evenly
  bool RightToLeft = false;  // swaps Left and Right
};

struct TGlyphLayout {
  TPoint Glyph;   // top left of the glyph
  TRect Caption;  // the caption's rectangle, its extent's size
};

// Lays out glyph and caption in AArgs.Client. Along the glyph's axis, a
// margin of -1 with a spacing of -1 makes margin and spacing a third of the
// room left; a margin of -1 alone centres the pair (odd pixels to the
// far side); a spacing of -1 alone centres the caption in the room after
// the glyph. Across it, each is centred on its own. Spacing counts only
// when there are both a glyph and a caption. Divisions truncate towards
// zero.
TGlyphLayout LayoutGlyphAndCaption(const TGlyphLayoutArgs& AArgs);

// How a bitmap button draws its glyph strip of ANumGlyphs frames.
struct TGlyphDraw {
  int Frame = 1;  // 1 enabled, 2 disabled, never beyond ANumGlyphs
  bool MaskByCorner =
      false;      // a one-frame glyph of a disabled button: masked by its top-left pixel
  TPoint Offset;  // (1, 1) when pressed, except for MaskByCorner
};
TGlyphDraw GlyphDrawFor(int ANumGlyphs, bool AEnabled, bool APressed);

// Draws a push button's caption in ACaptionRect (the client rectangle, or
// the layout's caption rectangle): moved by (1, 1) when pressed, narrowed
// by 2 pixels on each side when word-wrapped; the text's extent (wrapped
// to that width when AWordWrap) is centred in it, half the difference
// truncated towards zero, and the text drawn there in AColor, or grey
// (0x808080) when disabled. Returns the rectangle the text was drawn in.
// An empty caption draws nothing.
struct TCaptionStyle {
  bool Enabled = true;
  bool Pressed = false;
  bool WordWrap = false;
  TColor Color = 0;
};
TRect PaintButtonCaption(TPaintCanvas& ACanvas, const TRect& ACaptionRect,
                         std::u16string_view ACaption, const TCaptionStyle& AStyle);

// Where a check box or radio button paints its box: a square of at least
// 13 x 13 (filled with the control's colour) vertically centred in
// AClient, at its left edge when the text is on the right (right-aligned
// text read left to right, or left-aligned text read right to left), else
// one pixel in from its right edge; the box image of ABox is centred in
// the square. Divisions truncate towards zero.
struct TCheckBoxPlacement {
  TRect Square;
  TPoint Box;
};
TCheckBoxPlacement PlaceCheckBox(const TRect& AClient, TSize ABox, bool ARightAligned,
                                 bool ARightToLeft);

}  // namespace skin

#endif  // QUILLORY_SKIN_DRAW_BUTTON_LAYOUT_H_
