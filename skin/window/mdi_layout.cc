#include "skin/window/mdi_layout.h"

#include <algorithm>
#include <cmath>

namespace skin {

std::vector<TRect> CascadeRects(int ACount, TSize AClient) {
  std::vector<TRect> out;
  const int width = AClient.Width * 8 / 10;
  const int height = AClient.Height * 6 / 10;
  for (int k = 0; k < ACount; ++k) {
    out.push_back(TRect::Sized(k * kMDICascadeStep, k * kMDICascadeStep, width, height));
  }
  return out;
}

std::vector<TRect> TileRects(int ACount, TSize AClient, bool AHorizontal) {
  std::vector<TRect> out;
  if (ACount <= 0) return out;
  // Worked out for columns side by side; horizontal tiling swaps the axes.
  const int across = AHorizontal ? AClient.Height : AClient.Width;
  const int along = AHorizontal ? AClient.Width : AClient.Height;
  int lines = ACount <= 3 ? ACount : static_cast<int>(std::ceil(std::sqrt(double(ACount))));
  lines = std::max(lines, 1);
  const int base = ACount / lines;
  const int extra = ACount % lines;  // the last `extra` lines hold one more
  int index = 0;
  for (int line = 0; line < lines; ++line) {
    const int cells = base + (line >= lines - extra ? 1 : 0);
    const int a0 = across * line / lines, a1 = across * (line + 1) / lines;
    for (int cell = 0; cell < cells && index < ACount; ++cell, ++index) {
      const int b0 = along * cell / cells, b1 = along * (cell + 1) / cells;
      out.push_back(AHorizontal ? TRect{b0, a0, b1, a1} : TRect{a0, b0, a1, b1});
    }
  }
  return out;
}

}  // namespace skin
