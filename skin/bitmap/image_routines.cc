#include "skin/bitmap/image_routines.h"

#include <algorithm>

namespace skin {
namespace {

// A bitmap of AWidth x AHeight with the depth and transparency of ALike.
TBitmap Shaped(const TBitmap& ALike, int AWidth, int AHeight) {
  TBitmap b(AWidth, AHeight);
  b.SetBitsPerPixel(ALike.BitsPerPixel());
  b.SetTransparent(ALike.Transparent(), ALike.TransparentColor());
  return b;
}

}  // namespace

void SpitBitmap(const TBitmap* ASource, TBitmap& ADest, int ASpitCount, int ASpitIndex) {
  if (ASource == nullptr) return;
  if (ASpitCount < 1 || ASpitIndex < 1 || ASpitIndex > ASpitCount) {
    ADest = TBitmap();
    return;
  }
  const int frame = ASource->Width() / ASpitCount;
  TBitmap result = Shaped(*ASource, frame, ASource->Height());
  result.CopyRect(0, 0, *ASource, frame * (ASpitIndex - 1), 0, frame, ASource->Height());
  ADest = std::move(result);
}

void RotateLeft(TBitmap& ABitmap) {
  const int w = ABitmap.Width(), h = ABitmap.Height();
  TBitmap result = Shaped(ABitmap, h, w);
  for (int y = 0; y < h; ++y) {
    const TColor* row = ABitmap.Row(y);
    for (int x = 0; x < w; ++x) result.Row(w - 1 - x)[y] = row[x];
  }
  ABitmap = std::move(result);
}

void Rotate180(TBitmap& ABitmap) {
  const int w = ABitmap.Width(), h = ABitmap.Height();
  for (int y = 0; y < (h + 1) / 2; ++y) {
    TColor* top = ABitmap.Row(y);
    TColor* bottom = ABitmap.Row(h - 1 - y);
    std::reverse(top, top + w);
    if (top != bottom) {
      std::reverse(bottom, bottom + w);
      std::swap_ranges(top, top + w, bottom);
    }
  }
}

void RotateRight(TBitmap& ABitmap) {
  const int w = ABitmap.Width(), h = ABitmap.Height();
  TBitmap result = Shaped(ABitmap, h, w);
  for (int y = 0; y < h; ++y) {
    const TColor* row = ABitmap.Row(y);
    for (int x = 0; x < w; ++x) result.Row(x)[h - 1 - y] = row[x];
  }
  ABitmap = std::move(result);
}

void ReplaceColor(TBitmap& ABitmap, TColor AFromColor, TColor AToColor) {
  ABitmap.SetBitsPerPixel(24);
  for (int y = 0; y < ABitmap.Height(); ++y) {
    TColor* row = ABitmap.Row(y);
    std::replace(row, row + ABitmap.Width(), AFromColor, AToColor);
  }
}

}  // namespace skin
