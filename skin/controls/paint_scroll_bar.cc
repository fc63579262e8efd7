#include "skin/controls/paint_scroll_bar.h"

#include <algorithm>

#include "skin/draw/slices.h"

namespace skin {
namespace {

// Lengths and spans along one bar, turned into rectangles of the bar.
class TAlong {
 public:
  TAlong(TScrollDir ADir, TSize ASize) : FVertical(ADir == TScrollDir::Vertical), FSize(ASize) {}
  int Length() const { return FVertical ? FSize.Height : FSize.Width; }
  int Thickness() const { return FVertical ? FSize.Width : FSize.Height; }
  // The bar's full thickness from AStart to AEnd along it.
  TRect Span(int AStart, int AEnd) const {
    return FVertical ? TRect{0, AStart, FSize.Width, AEnd} : TRect{AStart, 0, AEnd, FSize.Height};
  }
  int LengthOf(const TBitmap& APiece) const { return FVertical ? APiece.Height() : APiece.Width(); }
  int StartOf(const TRect& ARect) const { return FVertical ? ARect.Top : ARect.Left; }
  int EndOf(const TRect& ARect) const { return FVertical ? ARect.Bottom : ARect.Right; }
  // APiece's lines AFrom..AFrom+ACount-1 along the bar, its whole breadth.
  TRect PieceLines(const TBitmap& APiece, int AFrom, int ACount) const {
    return FVertical ? TRect{0, AFrom, APiece.Width(), AFrom + ACount}
                     : TRect{AFrom, 0, AFrom + ACount, APiece.Height()};
  }

 private:
  bool FVertical;
  TSize FSize;
};

void Put(TPaintCanvas& ACanvas, const TBitmap& APiece, const TRect& ASource, const TRect& ADest) {
  if (APiece.Empty() || ADest.Empty()) return;
  ACanvas.DrawBitmap(ADest, APiece, ASource, TStretchMode::Nearest);
}

void Stretch(TPaintCanvas& ACanvas, const TBitmap& APiece, const TRect& ADest) {
  Put(ACanvas, APiece, BoundsOf(APiece), ADest);
}

void PaintThumbPieces(TPaintCanvas& ACanvas, const TzelSkinScrollBtnRes& ARes, const TAlong& AAxis,
                      bool AVertical, int AStart, int AEnd) {
  auto piece = [&](int AIndex) -> const TBitmap& {
    return AVertical ? ARes.GetVSlider(AIndex) : ARes.GetHSlider(AIndex);
  };
  const TBitmap& startCap = piece(1);
  const TBitmap& body1 = piece(2);
  const TBitmap& grip = piece(3);
  const TBitmap& body2 = piece(4);
  const TBitmap& endCap = piece(5);
  const int length = AEnd - AStart;
  const int c1 = AAxis.LengthOf(startCap);
  const int c5 = AAxis.LengthOf(endCap);
  const int g = AAxis.LengthOf(grip);

  // The caps, the start cap cut to the thumb.
  const int first = std::min(c1, length);
  Put(ACanvas, startCap, AAxis.PieceLines(startCap, 0, first), AAxis.Span(AStart, AStart + first));
  if (length >= c5) {
    Put(ACanvas, endCap, BoundsOf(endCap), AAxis.Span(AEnd - c5, AEnd));
  } else {
    Put(ACanvas, endCap, AAxis.PieceLines(endCap, (c5 - length) / 2, length),
        AAxis.Span(AStart, AEnd));
  }

  // Bodies and grip between the caps.
  const int m0 = AStart + c1;
  const int m1 = AEnd - c5;
  const int middle = m1 - m0;
  if (middle <= 0) return;
  if (middle >= g) {
    const int gripStart = m0 + (middle - g) / 2;
    Stretch(ACanvas, body1, AAxis.Span(m0, gripStart));
    Stretch(ACanvas, body2, AAxis.Span(gripStart + g, m1));
    Stretch(ACanvas, grip, AAxis.Span(gripStart, gripStart + g));
  } else {
    Stretch(ACanvas, body1, AAxis.Span(m0, m0 + middle / 2));
    Stretch(ACanvas, body2, AAxis.Span(m0 + middle / 2, m1));
    Stretch(ACanvas, grip, AAxis.Span(AStart + 3, AEnd - 3));
  }
}

}  // namespace

std::optional<TRect> OverlayBounds(const TRect& ABar, bool AVisible, TScrollDir ADir) {
  if (!AVisible || ABar.Empty()) return std::nullopt;
  const int thickness = ADir == TScrollDir::Vertical ? ABar.Width() : ABar.Height();
  if (thickness > kMaxOverlayThickness) return std::nullopt;
  return ABar;
}

TScrollBarParts ScrollBarParts(const TScrollBarLook& ALook) {
  const TAlong axis(ALook.Dir, ALook.Size);
  const int length = axis.Length();
  const int arrow = std::max(0, std::min(axis.Thickness(), length / 2));
  TScrollBarParts parts;
  parts.First = axis.Span(0, arrow);
  parts.Second = axis.Span(length - arrow, length);
  const int start = std::max(ALook.ThumbTop, arrow);
  const int end = std::min(ALook.ThumbBottom, length - arrow);
  if (ALook.Enabled && end > start) parts.Thumb = axis.Span(start, end);
  return parts;
}

void PaintScrollBar(TPaintCanvas& ACanvas, const TzelSkinSource& ASkin,
                    const TzelSkinScrollBtnRes& ARes, const TScrollBarLook& ALook) {
  if (ALook.Size.Width <= 0 || ALook.Size.Height <= 0) return;
  const bool vertical = ALook.Dir == TScrollDir::Vertical;
  const TAlong axis(ALook.Dir, ALook.Size);
  ACanvas.FillRect({0, 0, ALook.Size.Width, ALook.Size.Height},
                   ASkin.GetColor(TSkinColorKey::ScrollBarColor));
  const TScrollBarParts parts = ScrollBarParts(ALook);
  Stretch(ACanvas, vertical ? ARes.GetVBtn(1) : ARes.GetHBtn(1), parts.First);
  Stretch(ACanvas, vertical ? ARes.GetVBtn(4) : ARes.GetHBtn(4), parts.Second);
  if (parts.Thumb.Empty()) return;
  const int start = axis.StartOf(parts.Thumb);
  const int end = axis.EndOf(parts.Thumb);
  if (ARes.MacOS() && end - start > 15) {
    if (vertical) {
      DrawThreeSliceV(ARes.FullVS(), ACanvas, parts.Thumb, 0);
    } else {
      DrawThreeSliceH(ARes.FullHS(), ACanvas, parts.Thumb, ARes.FullHS().Width() / 3);
    }
    return;
  }
  PaintThumbPieces(ACanvas, ARes, axis, vertical, start, end);
}

bool WantsOverlayScrollBars(const ui::TWidgetClass& AClass, bool AMultiLine,
                            std::span<const ui::TWidgetClass* const> AAncestors) {
  namespace c = ui::classes;
  if (AClass.InheritsFrom(c::CustomMaskEdit) || AClass.InheritsFrom(c::SpinEdit)) return false;
  if (AClass.InheritsFrom(c::CustomEdit) && !AMultiLine) return false;
  size_t i = 0;
  while (i < AAncestors.size() && AAncestors[i] == &c::Panel) ++i;
  if (i > 0 && i < AAncestors.size() && AAncestors[i]->InheritsFrom(c::TabPage)) return false;
  return true;
}

}  // namespace skin
