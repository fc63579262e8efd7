#include "skin/frame/paint_frame.h"

#include <algorithm>

#include "skin/draw/ellipsis_text.h"
#include "skin/draw/fills.h"
#include "skin/draw/slices.h"

namespace skin {
namespace {

// ABitmap over ADest (stretched when the sizes differ), through the
// transparent colour when AMasked.
void Put(TPaintCanvas& ACanvas, const TBitmap* ABitmap, const TRect& ADest, const TRect& ASource,
         bool AMasked, TColor ATransColor) {
  if (!ABitmap || !Drawable(ADest, *ABitmap, ASource)) return;
  if (AMasked) {
    ACanvas.DrawBitmapMasked(ADest, *ABitmap, ASource, ATransColor);
  } else {
    ACanvas.DrawBitmap(ADest, *ABitmap, ASource, TStretchMode::Nearest);
  }
}
void Put(TPaintCanvas& ACanvas, const TBitmap* ABitmap, const TRect& ADest, bool AMasked,
         TColor ATransColor) {
  if (ABitmap) Put(ACanvas, ABitmap, ADest, BoundsOf(*ABitmap), AMasked, ATransColor);
}

}  // namespace

TFrameElement ElementAt(const TTitleLayout& ALayout, TPoint APoint) {
  auto inside = [&](const TRect& R) {
    return APoint.X >= R.Left && APoint.X < R.Right && APoint.Y >= R.Top && APoint.Y < R.Bottom;
  };
  for (const TCaptionButtonPlace& b : ALayout.Buttons) {
    if (inside(b.Bounds)) return b.Element;
  }
  if (inside(ALayout.Icon)) return TFrameElement::Icon;
  return TFrameElement::None;
}

void PaintTitleImages(TPaintCanvas& ACanvas, const TSkinMetrics& AMetrics,
                      const TFrameImages& AImages, int AWidth, int ACaptionEnd, bool AMasked) {
  const TColor trans = AMetrics.TransColor;
  const TBitmap* left = AImages.TitleBar[0];
  const TBitmap* right = AMetrics.TitleFiveSect ? AImages.TitleBar[4] : AImages.TitleBar[2];
  const int w1 = WidthOf(left), wr = WidthOf(right);
  auto at = [](const TBitmap* B, int AX, int AWidthDrawn) {
    return TRect::Sized(AX, 0, AWidthDrawn, HeightOf(B));
  };
  if (AWidth < w1) {
    // Only the left end fits: it is cut at the right edge, and the right
    // end's last border columns close the title there.
    Put(ACanvas, left, at(left, 0, w1), AMasked, trans);
    const int border = std::min({AMetrics.RightBorderWidth, wr, AWidth});
    if (right && border > 0) {
      Put(ACanvas, right, at(right, AWidth - border, border), {wr - border, 0, wr, right->Height()},
          AMasked, trans);
    }
    return;
  }
  if (AWidth < w1 + wr) {
    // Too narrow for both ends: the right end (or the part of it right of
    // the left border) at its place, the left end stretched over the rest.
    const int keep = std::min(std::max(0, AMetrics.LeftBorderWidth), AWidth);
    const int start = std::max(AWidth - wr, keep);
    if (right) {
      Put(ACanvas, right, at(right, start, AWidth - start),
          {wr - (AWidth - start), 0, wr, right->Height()}, AMasked, trans);
    }
    Put(ACanvas, left, at(left, 0, start), AMasked, trans);
    return;
  }
  Put(ACanvas, left, at(left, 0, w1), AMasked, trans);
  Put(ACanvas, right, at(right, AWidth - wr, wr), AMasked, trans);
  const int rightStart = AWidth - wr;
  if (!AMetrics.TitleFiveSect) {
    const TBitmap* middle = AImages.TitleBar[1];
    Put(ACanvas, middle, at(middle, w1, rightStart - w1), AMasked, trans);
    return;
  }
  // Five parts: the second stretched to just past the caption, the third
  // unscaled after it, the fourth stretched to the right end; none of them
  // beyond the right end.
  const TBitmap* second = AImages.TitleBar[1];
  const TBitmap* third = AImages.TitleBar[2];
  const TBitmap* fourth = AImages.TitleBar[3];
  const int secondEnd = std::clamp(ACaptionEnd + 2, w1, rightStart);
  const int thirdEnd = std::min(secondEnd + WidthOf(third), rightStart);
  Put(ACanvas, second, at(second, w1, secondEnd - w1), AMasked, trans);
  if (third && thirdEnd > secondEnd) {
    Put(ACanvas, third, at(third, secondEnd, thirdEnd - secondEnd),
        {0, 0, thirdEnd - secondEnd, third->Height()}, AMasked, trans);
  }
  Put(ACanvas, fourth, at(fourth, thirdEnd, rightStart - thirdEnd), AMasked, trans);
}

void PaintBottomImages(TPaintCanvas& ACanvas, const TSkinMetrics& AMetrics,
                       const TFrameImages& AImages, const TRect& ARect, bool AMasked) {
  const TColor trans = AMetrics.TransColor;
  if (!AMetrics.BottomBorderThreeSect) {
    if (AImages.BottomBorder[0]) {
      DrawThreeFrameH(*AImages.BottomBorder[0], ACanvas, ARect, trans, AMasked);
    }
    return;
  }
  const TBitmap* left = AImages.BottomBorder[0];
  const TBitmap* middle = AImages.BottomBorder[1];
  const TBitmap* right = AImages.BottomBorder[2];
  const int w1 = WidthOf(left), w3 = WidthOf(right), h = ARect.Height();
  const int rightStart = std::max(ARect.Left + w1, ARect.Right - w3);
  Put(ACanvas, middle, {ARect.Left + w1, ARect.Top, ARect.Right - w3, ARect.Top + h}, AMasked,
      trans);
  Put(ACanvas, left, TRect::Sized(ARect.Left, ARect.Top, w1, h), AMasked, trans);
  if (right && rightStart < ARect.Right) {
    // A window narrower than both ends keeps the left end whole and the
    // outer part of the right one.
    const int shown = ARect.Right - rightStart;
    Put(ACanvas, right, {rightStart, ARect.Top, ARect.Right, ARect.Top + h},
        {w3 - shown, 0, w3, right->Height()}, AMasked, trans);
  }
}

TFramePaint PaintFrame(TPaintCanvas& ACanvas, const TSkinMetrics& AMetrics,
                       const TFrameImages& AImages, const TFrameState& AState, TSize AWindowSize,
                       std::u16string_view ACaption, const TFramePointer& APointer,
                       const TBitmap* AIcon) {
  TFramePaint p;
  const int w = AWindowSize.Width, h = AWindowSize.Height;
  if (w <= 0 || h <= 0) return p;
  const bool minimized = AState.Show == TWindowShow::Minimized;
  const TFrameEdges e = FrameEdges(AMetrics, AState);
  const TColor trans = AMetrics.TransColor;

  // Borders first, so that in a window lower than its frame the title
  // stays whole above the bottom border.
  if (!minimized && ShowsBorders(AState)) {
    const int lw = std::max(0, AMetrics.LeftBorderWidth),
              rw = std::max(0, AMetrics.RightBorderWidth);
    const int bb = std::max(0, AMetrics.BottomBorderWidth);
    const int bottomTop = std::max(e.Title, h - bb);
    Put(ACanvas, AImages.LeftBorder, {0, e.Title, lw, bottomTop}, false, trans);
    Put(ACanvas, AImages.RightBorder, {w - rw, e.Title, w, bottomTop}, false, trans);
    // The gaps between thin skin borders and the client area: the frame
    // colour, beside the menu bar its image (or gradient).
    const int clientBottom = std::max(e.Title + e.Menu, h - e.Bottom);
    const TRect gaps[] = {{lw, e.Title, e.Left, clientBottom},
                          {w - e.Right, e.Title, w - rw, clientBottom}};
    for (const TRect& gap : gaps) {
      if (gap.Empty()) continue;
      const TRect menuRows{gap.Left, gap.Top, gap.Right, std::min(gap.Top + e.Menu, gap.Bottom)};
      ACanvas.FillRect({gap.Left, menuRows.Bottom, gap.Right, gap.Bottom}, AMetrics.FormFrameColor);
      if (menuRows.Empty()) continue;
      if (AImages.MenuBar) {
        Put(ACanvas, AImages.MenuBar, menuRows, false, trans);
      } else {
        DrawGradientV(ACanvas, menuRows, AMetrics.MenuColors[0], AMetrics.MenuColors[1]);
      }
    }
    ACanvas.FillRect({e.Left, clientBottom, w - e.Right, bottomTop}, AMetrics.FormFrameColor);
    const TRect bottom{0, bottomTop, w, h};
    if (!bottom.Empty()) {
      const TRect images{0, h - bb, w, h};
      if (AMetrics.BottomNeedRegion) ACanvas.FillRect(bottom, AMetrics.FormColor);
      PaintBottomImages(ACanvas, AMetrics, AImages, images, AMetrics.BottomNeedRegion);
    }
  }

  if (!ShowsTitle(AState)) return p;
  p.Title = LayoutTitle(AMetrics, AState, AWindowSize);
  const bool masked = AMetrics.TitleNeedRegion && !minimized;
  p.Caption = EllipsisText(ACanvas, ACaption, p.Title.CaptionWidth);
  const TSize extent = ACanvas.TextExtent(p.Caption);

  if (minimized) {
    Put(ACanvas, AImages.MinimizedTitle, {0, 0, w, h}, false, trans);
  } else {
    const int skinRows = std::min(AMetrics.TitleHeight, e.Title);
    ACanvas.FillRect({0, 0, w, skinRows}, AMetrics.FormColor);
    const TColor below = e.Menu > 0 ? AMetrics.MenuColors[0] : AMetrics.FormFrameColor;
    ACanvas.FillRect({0, skinRows, w, e.Title}, below);
    PaintTitleImages(ACanvas, AMetrics, AImages, w, p.Title.Caption.X + extent.Width, masked);
  }

  if (AIcon && !p.Title.Icon.Empty()) {
    if (AIcon->Transparent()) {
      ACanvas.DrawBitmapMasked(p.Title.Icon, *AIcon, BoundsOf(*AIcon), AIcon->TransparentColor());
    } else {
      ACanvas.DrawBitmap(p.Title.Icon, *AIcon, BoundsOf(*AIcon), TStretchMode::Nearest);
    }
  }

  if (APointer.At) p.InButtons = ElementAt(p.Title, *APointer.At);
  const int b = AMetrics.TitleButtonSize.Width;
  for (const TCaptionButtonPlace& button : p.Title.Buttons) {
    const bool hot = p.InButtons == button.Element;
    const int frame = button.FirstFrame + (hot ? (APointer.MouseDown ? 2 : 1) : 0);
    const TRect source = TRect::Sized(b * (frame - 1), 0, b, AMetrics.TitleButtonSize.Height);
    Put(ACanvas, AImages.TitleButtons, button.Bounds, source, AMetrics.TitleBtnTrans || masked,
        trans);
  }

  if (!p.Caption.empty()) {
    const TColor colour = AState.Active ? AMetrics.TitleFontColor : AMetrics.InactiveTitleFontColor;
    ACanvas.PaintText(
        TRect::Sized(p.Title.Caption.X, p.Title.Caption.Y, extent.Width, extent.Height), p.Caption,
        colour, {});
  }
  return p;
}

}  // namespace skin
