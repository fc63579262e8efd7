// TBitmapCanvas: a TPaintCanvas over a portable TBitmap. Bitmaps are
// resampled exactly as StretchSource says (halftone included), so tests can
// compute every expected pixel. Text is not rasterised: its font is a table
// of character advances, and each drawn line is recorded as a TTextRun.
//
// Thread safety: as the bitmap it paints on.
#ifndef QUILLORY_SKIN_DRAW_BITMAP_CANVAS_H_
#define QUILLORY_SKIN_DRAW_BITMAP_CANVAS_H_

#include <functional>
#include <string>
#include <vector>

#include "skin/draw/canvas.h"

namespace skin {

// One line of text as drawn: its top-left corner, the text and colour.
struct TTextRun {
  TPoint Origin;
  std::u16string Text;
  TColor Color = 0;
  bool operator==(const TTextRun&) const = default;
};

class TBitmapCanvas : public TPaintCanvas {
 public:
  // Paints on ATarget, which must outlive the canvas. The font gives every
  // character 6 pixels and every line 13 until SetFont says otherwise.
  explicit TBitmapCanvas(TBitmap& ATarget) : FTarget(ATarget) {}

  // The advance of each character, and the height of a line.
  void SetFont(std::function<int(char16_t)> AAdvance, int ALineHeight);

  void DrawBitmap(const TRect& ADest, const TBitmap& ASource, const TRect& ASourceRect,
                  TStretchMode AMode) override;
  void DrawBitmapMasked(const TRect& ADest, const TBitmap& ASource, const TRect& ASourceRect,
                        TColor ATransColor) override;
  void FillRect(const TRect& ARect, TColor AColor) override;
  TSize TextExtent(std::u16string_view AText, int AWrapWidth = 0) override;
  void PaintText(const TRect& ARect, std::u16string_view AText, TColor AColor,
                 TTextFormat AFormat) override;

  // The lines drawn so far, in order.
  const std::vector<TTextRun>& TextRuns() const { return FTextRuns; }
  TBitmap& Target() { return FTarget; }

 private:
  int LineWidth(std::u16string_view ALine) const;
  std::vector<std::u16string_view> Lines(std::u16string_view AText, int AWrapWidth) const;
  void Blit(const TRect& ADest, const TBitmap& ASource, const TRect& ASourceRect, bool AMasked,
            TColor ATransColor);

  TBitmap& FTarget;
  std::function<int(char16_t)> FAdvance = [](char16_t) { return 6; };
  int FLineHeight = 13;
  std::vector<TTextRun> FTextRuns;
};

}  // namespace skin

#endif  // QUILLORY_SKIN_DRAW_BITMAP_CANVAS_H_
