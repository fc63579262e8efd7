#include "skin/frame/frame_region.h"

#include <algorithm>

#include "skin/draw/bitmap_canvas.h"
#include "skin/frame/paint_frame.h"

namespace skin {
namespace {

// Appends ARect, merged into the last rectangle when it continues it.
void Add(std::vector<TRect>& AList, const TRect& ARect) {
  if (ARect.Empty()) return;
  if (!AList.empty()) {
    TRect& last = AList.back();
    if (last.Left == ARect.Left && last.Right == ARect.Right && last.Bottom == ARect.Top) {
      last.Bottom = ARect.Bottom;
      return;
    }
  }
  AList.push_back(ARect);
}

void AddAll(std::vector<TRect>& AList, const std::vector<TRect>& AMore) {
  for (const TRect& r : AMore) Add(AList, r);
}

}  // namespace

std::vector<TRect> ScanRegionRows(const TBitmap& ABuffer, int ATop, int ARegionMin, int ARegionMax,
                                  TColor ATransColor) {
  std::vector<TRect> list;
  const int w = ABuffer.Width(), n = ABuffer.Height();
  // Minimums below -1 count as 0 and every bound is cut to the buffer.
  const int first = std::clamp(ARegionMin, 0, n);
  const int last = ARegionMin < ARegionMax ? std::clamp(ARegionMax, first - 1, n - 1) : n - 1;
  Add(list, {0, ATop, w, ATop + first});
  for (int y = first; y <= last; ++y) {
    const TColor* row = ABuffer.Row(y);
    for (int x = 0; x < w;) {
      if (row[x] == ATransColor) {
        ++x;
        continue;
      }
      const int start = x;
      while (x < w && row[x] != ATransColor) ++x;
      list.push_back({start, ATop + y, x, ATop + y + 1});
    }
  }
  Add(list, {0, ATop + last + 1, w, ATop + n});
  return list;
}

std::vector<TRect> FrameRegion(const TSkinMetrics& AMetrics, const TFrameImages& AImages,
                               const TFrameState& AState, TSize AWindowSize, int ACaptionEnd) {
  const int w = std::max(0, AWindowSize.Width), h = std::max(0, AWindowSize.Height);
  std::vector<TRect> list;
  if (w == 0 || h == 0) return list;
  const TFrameEdges e = FrameEdges(AMetrics, AState);
  const bool title = AMetrics.TitleNeedRegion && e.Title > 0;
  const bool bottom =
      AMetrics.BottomNeedRegion && ShowsBorders(AState) && AMetrics.BottomBorderWidth > 0;
  if (AState.Show == TWindowShow::Minimized || (!title && !bottom)) {
    list.push_back({0, 0, w, h});
    return list;
  }
  const int titleRows = std::min(e.Title, h);
  if (title) {
    TBitmap buffer(w, titleRows, AMetrics.FormColor);
    TBitmapCanvas canvas(buffer);
    PaintTitleImages(canvas, AMetrics, AImages, w, ACaptionEnd, false);
    AddAll(list, ScanRegionRows(buffer, 0, AMetrics.TitleRegionMin, AMetrics.TitleRegionMax,
                                AMetrics.TransColor));
  } else {
    Add(list, {0, 0, w, titleRows});
  }
  const int bb = AMetrics.BottomBorderWidth;
  const int bottomTop = bottom ? std::max(titleRows, h - bb) : h;
  Add(list, {0, titleRows, w, bottomTop});
  if (bottom && bottomTop < h) {
    TBitmap buffer(w, bb, AMetrics.FormColor);
    TBitmapCanvas canvas(buffer);
    PaintBottomImages(canvas, AMetrics, AImages, {0, 0, w, bb}, false);
    // Rows the title covers in a window lower than its frame are left out.
    for (const TRect& r : ScanRegionRows(buffer, h - bb, AMetrics.BottomRegionMin,
                                         AMetrics.BottomRegionMax, AMetrics.TransColor)) {
      Add(list, {r.Left, std::max(r.Top, bottomTop), r.Right, r.Bottom});
    }
  }
  return list;
}

}  // namespace skin
