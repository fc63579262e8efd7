#include "ui/glyph_paint.h"

#include <algorithm>

#include "ui/gdi.h"

namespace ui {

void DrawGlyphFace(HDC ADc, const RECT& AClient, const TGlyphFace& AFace) {
  TSelectObject font(ADc, AFace.Font);
  RECT text_rect{0, 0, 0, 0};
  if (!AFace.Caption.empty()) {
    DrawTextW(ADc, AFace.Caption.c_str(), -1, &text_rect, DT_SINGLELINE | DT_CALCRECT);
  }
  BITMAP info{};
  const int frames = std::clamp(AFace.NumGlyphs, 1, 4);
  if (AFace.Glyph) GetObjectW(AFace.Glyph, sizeof info, &info);
  const int glyph_width = AFace.Glyph ? static_cast<int>(info.bmWidth) / frames : 0;
  const int glyph_height = AFace.Glyph ? static_cast<int>(info.bmHeight) : 0;
  TGlyphLayoutInput input;
  input.ClientWidth = AClient.right - AClient.left;
  input.ClientHeight = AClient.bottom - AClient.top;
  input.GlyphWidth = glyph_width;
  input.GlyphHeight = glyph_height;
  input.TextWidth = text_rect.right;
  input.TextHeight = text_rect.bottom;
  input.Layout = AFace.Layout;
  input.Margin = AFace.Margin;
  input.Spacing = AFace.Spacing;
  const TGlyphLayout layout = LayoutGlyph(input);
  const int x0 = AClient.left + AFace.Shift;
  const int y0 = AClient.top + AFace.Shift;

  if (AFace.Glyph && glyph_width > 0) {
    const int frame = GlyphFrame(AFace.State, frames);
    TMemoryDc source(ADc);
    TSelectObject select(source.Get(), AFace.Glyph);
    const COLORREF mask = GetPixel(source.Get(), frame * glyph_width, glyph_height - 1);
    TransparentBlt(ADc, x0 + layout.GlyphX, y0 + layout.GlyphY, glyph_width, glyph_height,
                   source.Get(), frame * glyph_width, 0, glyph_width, glyph_height, mask);
  }
  if (AFace.Caption.empty()) return;
  RECT caption{x0 + layout.TextX, y0 + layout.TextY, x0 + layout.TextX + text_rect.right,
               y0 + layout.TextY + text_rect.bottom};
  SetBkMode(ADc, TRANSPARENT);
  if (AFace.State == TGlyphState::Disabled) {
    RECT light = caption;
    OffsetRect(&light, 1, 1);
    SetTextColor(ADc, GetSysColor(COLOR_BTNHIGHLIGHT));
    DrawTextW(ADc, AFace.Caption.c_str(), -1, &light, DT_SINGLELINE);
    SetTextColor(ADc, GetSysColor(COLOR_GRAYTEXT));
  } else {
    SetTextColor(ADc, AFace.TextColor);
  }
  DrawTextW(ADc, AFace.Caption.c_str(), -1, &caption, DT_SINGLELINE);
}

}  // namespace ui
