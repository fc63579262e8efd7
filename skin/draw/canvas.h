// TPaintCanvas: the drawing surface the skin's painting routines work on.
// It offers only what the routines need, each operation pixel-exact, so
// that the routines run unchanged on a portable bitmap (TBitmapCanvas, for
// tests and off-screen work) and on a Win32 device context (THdcCanvas).
//
// Every operation clips to the surface; rectangles may reach outside it.
//
// Thread safety: a canvas belongs to one thread.
#ifndef QUILLORY_SKIN_DRAW_CANVAS_H_
#define QUILLORY_SKIN_DRAW_CANVAS_H_

#include <string_view>

#include "skin/bitmap/bitmap.h"
#include "skin/draw/geometry.h"

namespace skin {

// How a bitmap is resampled when source and target sizes differ.
enum class TStretchMode {
  // Each target pixel takes one source pixel (see StretchSource).
  Nearest,
  // Neighbouring source pixels are averaged (the device's halftone mode);
  // the bitmap canvas takes the nearest pixel instead.
  Halftone,
};

// Text layout for PaintText.
struct TTextFormat {
  bool WordWrap = false;  // break lines at spaces to fit the rectangle's width
  bool Centred = false;   // centre each line horizontally and the block vertically
};

class TPaintCanvas {
 public:
  virtual ~TPaintCanvas() = default;

  // Draws ASourceRect of ASource into ADest, resampled with AMode when the
  // sizes differ. Nothing happens when either rectangle is empty or the
  // source rectangle does not lie inside ASource.
  virtual void DrawBitmap(const TRect& ADest, const TBitmap& ASource, const TRect& ASourceRect,
                          TStretchMode AMode) = 0;

  // As DrawBitmap with TStretchMode::Nearest, except that target pixels
  // whose source pixel is ATransColor are left as they are.
  virtual void DrawBitmapMasked(const TRect& ADest, const TBitmap& ASource,
                                const TRect& ASourceRect, TColor ATransColor) = 0;

  // Fills ARect with AColor.
  virtual void FillRect(const TRect& ARect, TColor AColor) = 0;

  // Width and height of AText in the canvas's font, on one line (AWrapWidth
  // 0) or broken at spaces into lines of at most AWrapWidth pixels.
  virtual TSize TextExtent(std::u16string_view AText, int AWrapWidth = 0) = 0;

  // Draws AText in AColor inside ARect over the existing pixels (no
  // background), starting at its top left unless AFormat centres it.
  virtual void PaintText(const TRect& ARect, std::u16string_view AText, TColor AColor,
                         TTextFormat AFormat) = 0;
};

// The whole of ABitmap as a source rectangle.
inline TRect BoundsOf(const TBitmap& ABitmap) {
  return {0, 0, ABitmap.Width(), ABitmap.Height()};
}

// Whether a blit from ASourceRect of ASource to ADest draws anything.
inline bool Drawable(const TRect& ADest, const TBitmap& ASource, const TRect& ASourceRect) {
  return !ADest.Empty() && !ASourceRect.Empty() && ASourceRect.Left >= 0 && ASourceRect.Top >= 0 &&
         ASourceRect.Right <= ASource.Width() && ASourceRect.Bottom <= ASource.Height();
}

enum class TAxis { Columns, Rows };

// The source index (0..ASourceCount-1) that target index ATarget
// (0..ATargetCount-1) takes when ASourceCount columns or rows are resampled
// to ATargetCount with TStretchMode::Nearest. This is the device's own
// mapping (stretch mode COLORONCOLOR, between top-down DIBs, as measured).
// Enlarging takes the source pixel under the target pixel's centre, a
// centre on a boundary going up or left. Shrinking takes, for columns, the
// source pixel half a pixel left of the target pixel's right end, and for
// rows the source row nearest the target row's top, halves going down.
inline int StretchSource(int ATarget, int ATargetCount, int ASourceCount, TAxis AAxis) {
  const long long t = ATarget, dw = ATargetCount, sw = ASourceCount;
  long long s;
  if (dw >= sw) {
    s = ((2 * t + 1) * sw - 1) / (2 * dw);
  } else if (AAxis == TAxis::Columns) {
    s = ((2 * t + 2) * sw - dw) / (2 * dw);
  } else {
    s = (2 * t * sw + dw) / (2 * dw);
  }
  return static_cast<int>(s);
}

}  // namespace skin

#endif  // QUILLORY_SKIN_DRAW_CANVAS_H_
