#include "skin/draw/bitmap_canvas.h"

#include <algorithm>

namespace skin {

void TBitmapCanvas::SetFont(std::function<int(char16_t)> AAdvance, int ALineHeight) {
  FAdvance = std::move(AAdvance);
  FLineHeight = ALineHeight;
}

void TBitmapCanvas::Blit(const TRect& ADest, const TBitmap& ASource, const TRect& ASourceRect,
                         bool AMasked, TColor ATransColor) {
  if (!Drawable(ADest, ASource, ASourceRect)) return;
  const int dw = ADest.Width(), dh = ADest.Height();
  const int sw = ASourceRect.Width(), sh = ASourceRect.Height();
  // Only the visible part of the target is visited; the mapping stays that
  // of the whole rectangle.
  const int x0 = std::max(0, -ADest.Left), x1 = std::min(dw, FTarget.Width() - ADest.Left);
  const int y0 = std::max(0, -ADest.Top), y1 = std::min(dh, FTarget.Height() - ADest.Top);
  if (x0 >= x1 || y0 >= y1) return;
  std::vector<int> columns(static_cast<std::size_t>(x1 - x0));
  for (int x = x0; x < x1; ++x) {
    columns[x - x0] = ASourceRect.Left + StretchSource(x, dw, sw, TAxis::Columns);
  }
  for (int y = y0; y < y1; ++y) {
    const TColor* from = ASource.Row(ASourceRect.Top + StretchSource(y, dh, sh, TAxis::Rows));
    TColor* to = FTarget.Row(ADest.Top + y) + ADest.Left;
    for (int x = x0; x < x1; ++x) {
      const TColor c = from[columns[x - x0]];
      if (!AMasked || c != ATransColor) to[x] = c;
    }
  }
}

void TBitmapCanvas::DrawBitmap(const TRect& ADest, const TBitmap& ASource, const TRect& ASourceRect,
                               TStretchMode) {
  Blit(ADest, ASource, ASourceRect, false, 0);
}

void TBitmapCanvas::DrawBitmapMasked(const TRect& ADest, const TBitmap& ASource,
                                     const TRect& ASourceRect, TColor ATransColor) {
  Blit(ADest, ASource, ASourceRect, true, ATransColor);
}

void TBitmapCanvas::FillRect(const TRect& ARect, TColor AColor) {
  const int x0 = std::max(0, ARect.Left), x1 = std::min(FTarget.Width(), ARect.Right);
  const int y0 = std::max(0, ARect.Top), y1 = std::min(FTarget.Height(), ARect.Bottom);
  for (int y = y0; y < y1; ++y) {
    std::fill(FTarget.Row(y) + x0, FTarget.Row(y) + std::max(x0, x1), AColor);
  }
}

int TBitmapCanvas::LineWidth(std::u16string_view ALine) const {
  int width = 0;
  for (char16_t c : ALine) width += FAdvance(c);
  return width;
}

// Greedy breaking at spaces: a line takes words while they fit; a word
// wider than the width stands on a line of its own.
std::vector<std::u16string_view> TBitmapCanvas::Lines(std::u16string_view AText,
                                                      int AWrapWidth) const {
  std::vector<std::u16string_view> lines;
  if (AWrapWidth <= 0) {
    lines.push_back(AText);
    return lines;
  }
  std::size_t lineStart = 0;
  std::size_t lineEnd = std::u16string_view::npos;  // npos: no word on the line yet
  std::size_t wordStart = 0;
  for (;;) {
    std::size_t wordEnd = std::min(AText.find(u' ', wordStart), AText.size());
    if (lineEnd != std::u16string_view::npos &&
        LineWidth(AText.substr(lineStart, wordEnd - lineStart)) > AWrapWidth) {
      lines.push_back(AText.substr(lineStart, lineEnd - lineStart));
      lineStart = wordStart;
    }
    lineEnd = wordEnd;
    if (wordEnd == AText.size()) break;
    wordStart = wordEnd + 1;
  }
  lines.push_back(AText.substr(lineStart, lineEnd - lineStart));
  return lines;
}

TSize TBitmapCanvas::TextExtent(std::u16string_view AText, int AWrapWidth) {
  TSize size;
  auto lines = Lines(AText, AWrapWidth);
  for (auto line : lines) size.Width = std::max(size.Width, LineWidth(line));
  size.Height = FLineHeight * static_cast<int>(lines.size());
  return size;
}

void TBitmapCanvas::PaintText(const TRect& ARect, std::u16string_view AText, TColor AColor,
                              TTextFormat AFormat) {
  auto lines = Lines(AText, AFormat.WordWrap ? ARect.Width() : 0);
  int y = ARect.Top;
  if (AFormat.Centred) {
    y += (ARect.Height() - FLineHeight * static_cast<int>(lines.size())) / 2;
  }
  for (auto line : lines) {
    int x = ARect.Left;
    if (AFormat.Centred) x += (ARect.Width() - LineWidth(line)) / 2;
    FTextRuns.push_back({{x, y}, std::u16string(line), AColor});
    y += FLineHeight;
  }
}

}  // namespace skin
