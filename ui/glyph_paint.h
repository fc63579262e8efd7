// Paints the face of a button with a glyph strip and a caption, placed by
// ui/glyph_layout.h: shared by bit buttons and speed buttons.
//
// Thread safety: belongs to the window thread.
#ifndef QUILLORY_UI_GLYPH_PAINT_H_
#define QUILLORY_UI_GLYPH_PAINT_H_

#include <windows.h>

#include <string>

#include "ui/glyph_layout.h"

namespace ui {

struct TGlyphFace {
  HBITMAP Glyph = nullptr;  // a strip of NumGlyphs equal frames, or nullptr
  int NumGlyphs = 1;
  TGlyphState State = TGlyphState::Up;
  std::wstring Caption;  // '&' marks the access key
  HFONT Font = nullptr;
  COLORREF TextColor = 0;
  TButtonLayout Layout = TButtonLayout::GlyphLeft;
  int Margin = -1;
  int Spacing = 4;
  int Shift = 0;  // pixels right and down (1 while pressed)
};

// Draws AFace into AClient of ADc. The glyph's transparent colour is its
// frame's bottom-left pixel; a disabled caption is drawn embossed.
void DrawGlyphFace(HDC ADc, const RECT& AClient, const TGlyphFace& AFace);

}  // namespace ui

#endif  // QUILLORY_UI_GLYPH_PAINT_H_
