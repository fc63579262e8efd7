#include "skin/bitmap/bitmap.h"

#include <algorithm>

namespace skin {

TBitmap::TBitmap(int AWidth, int AHeight, TColor AFill) {
  SetSize(AWidth, AHeight, AFill);
}

void TBitmap::SetSize(int AWidth, int AHeight, TColor AFill) {
  int w = std::clamp(AWidth, 0, kMaxSide);
  int h = std::clamp(AHeight, 0, kMaxSide);
  if (std::int64_t{w} * h > kMaxPixels) w = h = 0;
  FWidth = w;
  FHeight = h;
  FPixels.assign(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), AFill);
}

void TBitmap::CopyRect(int ADestX, int ADestY, const TBitmap& ASource, int ASourceX, int ASourceY,
                       int AWidth, int AHeight) {
  // Clip against the source, then against this bitmap, moving both origins.
  auto clip = [](int& AFrom, int& ATo, int& ACount, int ALimit) {
    if (AFrom < 0) {
      ATo -= AFrom;
      ACount += AFrom;
      AFrom = 0;
    }
    ACount = std::min(ACount, ALimit - AFrom);
  };
  clip(ASourceX, ADestX, AWidth, ASource.FWidth);
  clip(ASourceY, ADestY, AHeight, ASource.FHeight);
  clip(ADestX, ASourceX, AWidth, FWidth);
  clip(ADestY, ASourceY, AHeight, FHeight);
  if (AWidth <= 0 || AHeight <= 0) return;
  for (int y = 0; y < AHeight; ++y) {
    const TColor* from = ASource.Row(ASourceY + y) + ASourceX;
    std::copy(from, from + AWidth, Row(ADestY + y) + ADestX);
  }
}

}  // namespace skin
