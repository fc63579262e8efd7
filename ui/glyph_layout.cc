#include "ui/glyph_layout.h"

namespace ui {
namespace {

// Along the axis of the layout: AClient room, AGlyph and AText sizes. Sets
// the glyph's and the caption's offsets from the start of the room, as if
// the glyph came first.
void Place(int AClient, int AGlyph, int AText, int AMargin, int ASpacing, int& AGlyphPos,
           int& ATextPos) {
  int margin = AMargin;
  int spacing = ASpacing;
  if (AGlyph == 0 || AText == 0) spacing = 0;
  if (margin == -1) {
    if (spacing == -1) {
      const int free = AClient - AGlyph - AText;
      margin = free / 3;
      spacing = margin;
    } else {
      const int total = AGlyph + spacing + AText;
      margin = (AClient - total + 1) / 2;
    }
  } else if (spacing == -1) {
    const int room = AClient - (margin + AGlyph);
    spacing = (room - AText) / 2;
  }
  AGlyphPos = margin;
  ATextPos = margin + AGlyph + spacing;
}

}  // namespace

TGlyphLayout LayoutGlyph(const TGlyphLayoutInput& AInput) {
  TGlyphLayout result;
  const bool horizontal =
      AInput.Layout == TButtonLayout::GlyphLeft || AInput.Layout == TButtonLayout::GlyphRight;
  const bool reversed =
      AInput.Layout == TButtonLayout::GlyphRight || AInput.Layout == TButtonLayout::GlyphBottom;
  const int client = horizontal ? AInput.ClientWidth : AInput.ClientHeight;
  const int glyph = horizontal ? AInput.GlyphWidth : AInput.GlyphHeight;
  const int text = horizontal ? AInput.TextWidth : AInput.TextHeight;
  int glyph_pos = 0;
  int text_pos = 0;
  Place(client, AInput.GlyphWidth ? glyph : 0, AInput.TextWidth ? text : 0, AInput.Margin,
        AInput.Spacing, glyph_pos, text_pos);
  if (reversed) {
    // Mirrored: the glyph's far edge at the margin from the far side.
    glyph_pos = client - glyph_pos - glyph;
    text_pos = client - text_pos - text;
  }
  // Across the axis both are centred.
  const int cross = horizontal ? AInput.ClientHeight : AInput.ClientWidth;
  const int glyph_cross = (cross - (horizontal ? AInput.GlyphHeight : AInput.GlyphWidth) + 1) / 2;
  const int text_cross = (cross - (horizontal ? AInput.TextHeight : AInput.TextWidth) + 1) / 2;
  if (horizontal) {
    result = {glyph_pos, glyph_cross, text_pos, text_cross};
  } else {
    result = {glyph_cross, glyph_pos, text_cross, text_pos};
  }
  return result;
}

int GlyphFrame(TGlyphState AState, int ANumGlyphs) {
  const int frame = static_cast<int>(AState);
  return frame < ANumGlyphs ? frame : 0;
}

}  // namespace ui
