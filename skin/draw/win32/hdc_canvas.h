// THdcCanvas: the painting canvas over a Win32 device context. Bitmaps go
// through StretchDIBits (nearest: COLORONCOLOR, halftone: HALFTONE), masked
// bitmaps are resampled into a counted DIB section and put down with an
// unscaled TransparentBlt, fills go through the DC brush; text uses the font selected into the DC.
// The DC's state (stretch mode, colours, background mode, selections) is restored after each call.
//
// Thread safety: a canvas belongs to the thread that owns its DC.
#ifndef QUILLORY_SKIN_DRAW_WIN32_HDC_CANVAS_H_
#define QUILLORY_SKIN_DRAW_WIN32_HDC_CANVAS_H_

#include <windows.h>

#include "skin/draw/canvas.h"

namespace skin {

class THdcCanvas : public TPaintCanvas {
 public:
  // Paints on ADc, which the caller owns and keeps for the canvas's life.
  explicit THdcCanvas(HDC ADc) : FDc(ADc) {}

  void DrawBitmap(const TRect& ADest, const TBitmap& ASource, const TRect& ASourceRect,
                  TStretchMode AMode) override;
  void DrawBitmapMasked(const TRect& ADest, const TBitmap& ASource, const TRect& ASourceRect,
                        TColor ATransColor) override;
  void FillRect(const TRect& ARect, TColor AColor) override;
  TSize TextExtent(std::u16string_view AText, int AWrapWidth = 0) override;
  void PaintText(const TRect& ARect, std::u16string_view AText, TColor AColor,
                 TTextFormat AFormat) override;

  HDC Dc() const { return FDc; }

 private:
  HDC FDc;
};

// DrawControlBorder on AWindow's whole-window device context, around its
// window rectangle.
void DrawControlBorder(HWND AWindow, TColor ABorderColor, TColor AInnerColor, bool ADrawInner);

}  // namespace skin

#endif  // QUILLORY_SKIN_DRAW_WIN32_HDC_CANVAS_H_
