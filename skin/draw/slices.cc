#include "skin/draw/slices.h"

#include <algorithm>

namespace skin {
namespace {

// One axis of a nine-slice: the bounds of the near corner, the middle and
// the far corner as drawn, in the source and in the target. The source's
// middle band is not among them: it is the lines between the full quarters,
// not those cut away from the corners.
struct TBands {
  int Source[4];  // 0, end of the near corner, start of the far corner, length
  int Target[4];
};

TBands NineSliceBands(int ASource, int ATarget) {
  const int nearSource = ASource / 2;
  const int farSource = std::max(0, ASource / 2 - 1);
  // Cut each corner to the target's own quarter.
  const int nearDrawn = std::min(nearSource, ATarget / 2);
  const int farDrawn = std::min(farSource, std::max(0, ATarget / 2 - 1));
  TBands b;
  b.Source[0] = 0;
  b.Source[1] = nearDrawn;
  b.Source[2] = ASource - farDrawn;
  b.Source[3] = ASource;
  b.Target[0] = 0;
  b.Target[1] = nearDrawn;
  b.Target[2] = ATarget - farDrawn;
  b.Target[3] = ATarget;
  return b;
}

}  // namespace

void DrawNineSlice(const TBitmap& ABitmap, TPaintCanvas& ACanvas, const TRect& ARect,
                   TColor ATransColor, bool ATransparent) {
  if (ARect.Empty() || ABitmap.Empty()) return;
  const int w = ABitmap.Width(), h = ABitmap.Height();
  const TBands cols = NineSliceBands(w, ARect.Width());
  const TBands rows = NineSliceBands(h, ARect.Height());
  // Middle lines of the source: between the full quarters.
  const int midCols[2] = {w / 2, w - std::max(0, w / 2 - 1)};
  const int midRows[2] = {h / 2, h - std::max(0, h / 2 - 1)};
  for (int r = 0; r < 3; ++r) {
    for (int c = 0; c < 3; ++c) {
      TRect source{cols.Source[c], rows.Source[r], cols.Source[c + 1], rows.Source[r + 1]};
      if (c == 1) source.Left = midCols[0], source.Right = midCols[1];
      if (r == 1) source.Top = midRows[0], source.Bottom = midRows[1];
      const TRect target{ARect.Left + cols.Target[c], ARect.Top + rows.Target[r],
                         ARect.Left + cols.Target[c + 1], ARect.Top + rows.Target[r + 1]};
      const bool corner = c != 1 && r != 1;
      if (corner && ATransparent) {
        ACanvas.DrawBitmapMasked(target, ABitmap, source, ATransColor);
      } else {
        ACanvas.DrawBitmap(target, ABitmap, source, TStretchMode::Nearest);
      }
    }
  }
}

void DrawThreeSliceH(const TBitmap& ABitmap, TPaintCanvas& ACanvas, const TRect& ARect,
                     int AEndWidth) {
  if (ARect.Empty() || ARect.Left < 0 || ABitmap.Empty()) return;
  const int w = ABitmap.Width(), h = ABitmap.Height();
  const int end = std::clamp(AEndWidth, 0, w);
  const int drawn = std::min(end, ARect.Width());
  if (end < w - end && ARect.Width() > 2 * end) {
    ACanvas.DrawBitmap({ARect.Left + end, ARect.Top, ARect.Right - end, ARect.Bottom}, ABitmap,
                       {end, 0, w - end, h}, TStretchMode::Halftone);
  }
  if (drawn == 0) return;
  ACanvas.DrawBitmap({ARect.Left, ARect.Top, ARect.Left + drawn, ARect.Bottom}, ABitmap,
                     {0, 0, drawn, h}, TStretchMode::Nearest);
  ACanvas.DrawBitmap({ARect.Right - drawn, ARect.Top, ARect.Right, ARect.Bottom}, ABitmap,
                     {w - drawn, 0, w, h}, TStretchMode::Nearest);
}

void DrawThreeSliceV(const TBitmap& ABitmap, TPaintCanvas& ACanvas, const TRect& ARect,
                     int AEndHeight) {
  if (ARect.Empty() || ARect.Top < 0 || ABitmap.Empty()) return;
  const int w = ABitmap.Width(), h = ABitmap.Height();
  const int end = std::clamp(AEndHeight == 0 ? h / 3 : AEndHeight, 0, h);
  const int drawn = std::min(end, ARect.Height());
  if (end < h - end && ARect.Height() > 2 * end) {
    ACanvas.DrawBitmap({ARect.Left, ARect.Top + end, ARect.Right, ARect.Bottom - end}, ABitmap,
                       {0, end, w, h - end}, TStretchMode::Halftone);
  }
  if (drawn == 0) return;
  ACanvas.DrawBitmap({ARect.Left, ARect.Top, ARect.Right, ARect.Top + drawn}, ABitmap,
                     {0, 0, w, drawn}, TStretchMode::Nearest);
  ACanvas.DrawBitmap({ARect.Left, ARect.Bottom - drawn, ARect.Right, ARect.Bottom}, ABitmap,
                     {0, h - drawn, w, h}, TStretchMode::Nearest);
}

void DrawThreeFrameH(const TBitmap& ABitmap, TPaintCanvas& ACanvas, const TRect& ARect,
                     TColor AMaskColor, bool AMasked) {
  const int frame = ABitmap.Width() / 3, h = ABitmap.Height();
  if (ARect.Empty() || frame == 0 || h == 0) return;
  auto draw = [&](const TRect& ATarget, const TRect& ASource) {
    if (ATarget.Empty()) return;
    if (AMasked) {
      ACanvas.DrawBitmapMasked(ATarget, ABitmap, ASource, AMaskColor);
    } else {
      ACanvas.DrawBitmap(ATarget, ABitmap, ASource, TStretchMode::Nearest);
    }
  };
  if (ARect.Width() < frame) {
    draw(ARect, {0, 0, ARect.Width(), h});
    return;
  }
  draw({ARect.Left, ARect.Top, ARect.Left + frame, ARect.Bottom}, {0, 0, frame, h});
  draw({ARect.Left + frame, ARect.Top, ARect.Right - frame, ARect.Bottom},
       {frame, 0, 2 * frame, h});
  draw({ARect.Right - frame, ARect.Top, ARect.Right, ARect.Bottom}, {2 * frame, 0, 3 * frame, h});
}

void StretchBitmap(const TBitmap& ABitmap, TPaintCanvas& ACanvas, const TRect& ARect) {
  ACanvas.DrawBitmap(ARect, ABitmap, BoundsOf(ABitmap), TStretchMode::Halftone);
}

}  // namespace skin
