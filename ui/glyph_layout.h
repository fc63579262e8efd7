// Where a button with a glyph puts its glyph and its caption, and which
// frame of a glyph strip a state shows: the arithmetic of bit buttons and
// speed buttons. Portable.
//
// Thread safety: plain functions.
#ifndef QUILLORY_UI_GLYPH_LAYOUT_H_
#define QUILLORY_UI_GLYPH_LAYOUT_H_

namespace ui {

// TButtonLayout: where the glyph sits next to the caption.
enum class TButtonLayout { GlyphLeft, GlyphRight, GlyphTop, GlyphBottom };

struct TGlyphLayoutInput {
  int ClientWidth = 0;
  int ClientHeight = 0;
  int GlyphWidth = 0;  // 0: no glyph
  int GlyphHeight = 0;
  int TextWidth = 0;  // 0: no caption
  int TextHeight = 0;
  TButtonLayout Layout = TButtonLayout::GlyphLeft;
  // Pixels from the edge (on the glyph's side) to the glyph; -1 centres
  // glyph and caption together.
  int Margin = -1;
  // Pixels between glyph and caption; -1 spreads the free room evenly
  // (with Margin -1: margin, spacing and the opposite margin equal; with a
  // margin: the caption centred in the room after the glyph).
  int Spacing = 4;
};

struct TGlyphLayout {
  int GlyphX = 0, GlyphY = 0;  // top left of the glyph
  int TextX = 0, TextY = 0;    // top left of the caption
};

// Places glyph and caption in the client rectangle (origin 0, 0). Without
// a glyph or without a caption the spacing is 0. Positions may be negative
// when the content does not fit.
TGlyphLayout LayoutGlyph(const TGlyphLayoutInput& AInput);

enum class TGlyphState { Up, Disabled, Down, Exclusive };

// The frame (from 0) of a strip of ANumGlyphs frames (1 to 4) that AState
// shows: up 0, disabled 1, down 2, exclusive (held down in a group) 3;
// a frame the strip lacks falls back to 0.
int GlyphFrame(TGlyphState AState, int ANumGlyphs);

}  // namespace ui

#endif  // QUILLORY_UI_GLYPH_LAYOUT_H_
