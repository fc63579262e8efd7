#include "skin/draw/button_layout.h"

#include <algorithm>

namespace skin {

TGlyphLayout LayoutGlyphAndCaption(const TGlyphLayoutArgs& AArgs) {
  TGlyphSide side = AArgs.Side;
  if (AArgs.RightToLeft && side == TGlyphSide::Left) {
    side = TGlyphSide::Right;
  } else if (AArgs.RightToLeft && side == TGlyphSide::Right) {
    side = TGlyphSide::Left;
  }
  const bool across = side == TGlyphSide::Left || side == TGlyphSide::Right;
  const TSize client{AArgs.Client.Width(), AArgs.Client.Height()};
  const TSize glyph = AArgs.Glyph, text = AArgs.Caption;
  // Lengths along the glyph's axis (a) and across it (c).
  auto along = [&](TSize S) { return across ? S.Width : S.Height; };
  auto cross = [&](TSize S) { return across ? S.Height : S.Width; };

  int glyphCross = (cross(client) - cross(glyph) + 1) / 2;
  int textCross = (cross(client) - cross(text) + 1) / 2;

  int margin = AArgs.Margin, spacing = AArgs.Spacing;
  if (text.Width == 0 || glyph.Width == 0) spacing = 0;
  if (margin == -1) {
    if (spacing < 0) {
      margin = (along(client) - (along(glyph) + along(text))) / 3;
      spacing = margin;
    } else {
      margin = (along(client) - (along(glyph) + spacing + along(text)) + 1) / 2;
    }
  } else if (spacing < 0) {
    spacing = (along(client) - (margin + along(glyph)) - along(text)) / 2;
  }

  int glyphAlong = 0, textAlong = 0;
  if (side == TGlyphSide::Left || side == TGlyphSide::Top) {
    glyphAlong = margin;
    textAlong = glyphAlong + along(glyph) + spacing;
  } else {
    glyphAlong = along(client) - margin - along(glyph);
    textAlong = glyphAlong - spacing - along(text);
  }

  TGlyphLayout out;
  const TPoint g = across ? TPoint{glyphAlong, glyphCross} : TPoint{glyphCross, glyphAlong};
  const TPoint t = across ? TPoint{textAlong, textCross} : TPoint{textCross, textAlong};
  out.Glyph = {AArgs.Client.Left + g.X, AArgs.Client.Top + g.Y};
  out.Caption =
      TRect::Sized(AArgs.Client.Left + t.X, AArgs.Client.Top + t.Y, text.Width, text.Height);
  return out;
}

TGlyphDraw GlyphDrawFor(int ANumGlyphs, bool AEnabled, bool APressed) {
  TGlyphDraw draw;
  if (!AEnabled && ANumGlyphs <= 1) {
    draw.MaskByCorner = true;
    return draw;
  }
  draw.Frame = AEnabled ? 1 : std::min(2, ANumGlyphs);
  if (APressed) draw.Offset = {1, 1};
  return draw;
}

TRect PaintButtonCaption(TPaintCanvas& ACanvas, const TRect& ACaptionRect,
                         std::u16string_view ACaption, const TCaptionStyle& AStyle) {
  if (ACaption.empty()) return {};
  TRect box = ACaptionRect;
  if (AStyle.Pressed) box = box.Moved(1, 1);
  if (AStyle.WordWrap) box = box.Inset(2, 0);
  const TSize extent = ACanvas.TextExtent(ACaption, AStyle.WordWrap ? box.Width() : 0);
  const TRect at =
      TRect::Sized(box.Left + (box.Width() - extent.Width) / 2,
                   box.Top + (box.Height() - extent.Height) / 2, extent.Width, extent.Height);
  ACanvas.PaintText(at, ACaption, AStyle.Enabled ? AStyle.Color : 0x808080,
                    {.WordWrap = AStyle.WordWrap, .Centred = true});
  return at;
}

TCheckBoxPlacement PlaceCheckBox(const TRect& AClient, TSize ABox, bool ARightAligned,
                                 bool ARightToLeft) {
  const int side = std::max({13, ABox.Width, ABox.Height});
  const bool textOnRight = ARightAligned != ARightToLeft;
  const int left = textOnRight ? AClient.Left : AClient.Right - side - 1;
  const int top = AClient.Top + (AClient.Height() - side) / 2;
  TCheckBoxPlacement out;
  out.Square = TRect::Sized(left, top, side, side);
  out.Box = {left + (side - ABox.Width) / 2, top + (side - ABox.Height) / 2};
  return out;
}

}  // namespace skin
