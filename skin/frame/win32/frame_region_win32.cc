#include "skin/frame/win32/frame_region_win32.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace skin {

TCountedObject RegionFromRects(const std::vector<TRect>& ARects) {
  // One RGNDATA block: the header, then the rectangles.
  const DWORD count = static_cast<DWORD>(ARects.size());
  std::vector<unsigned char> block(sizeof(RGNDATAHEADER) + count * sizeof(RECT));
  RGNDATAHEADER header{};
  header.dwSize = sizeof(RGNDATAHEADER);
  header.iType = RDH_RECTANGLES;
  header.nCount = count;
  header.nRgnSize = count * sizeof(RECT);
  RECT bounds{0, 0, 0, 0};
  std::vector<RECT> rects;
  rects.reserve(count);
  for (const TRect& r : ARects) {
    const RECT rect{r.Left, r.Top, r.Right, r.Bottom};
    if (rects.empty()) {
      bounds = rect;
    } else {
      bounds.left = std::min(bounds.left, rect.left);
      bounds.top = std::min(bounds.top, rect.top);
      bounds.right = std::max(bounds.right, rect.right);
      bounds.bottom = std::max(bounds.bottom, rect.bottom);
    }
    rects.push_back(rect);
  }
  header.rcBound = bounds;
  std::memcpy(block.data(), &header, sizeof header);
  if (count > 0) std::memcpy(block.data() + sizeof header, rects.data(), count * sizeof(RECT));
  return TCountedObject(ExtCreateRegion(nullptr, static_cast<DWORD>(block.size()),
                                        reinterpret_cast<const RGNDATA*>(block.data())));
}

}  // namespace skin
