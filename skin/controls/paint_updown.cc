#include "skin/controls/paint_updown.h"

namespace skin {
namespace {

void Outline(TPaintCanvas& ACanvas, const TRect& ARect, TColor AColor) {
  if (ARect.Empty()) return;
  ACanvas.FillRect({ARect.Left, ARect.Top, ARect.Right, ARect.Top + 1}, AColor);
  ACanvas.FillRect({ARect.Left, ARect.Bottom - 1, ARect.Right, ARect.Bottom}, AColor);
  ACanvas.FillRect({ARect.Left, ARect.Top, ARect.Left + 1, ARect.Bottom}, AColor);
  ACanvas.FillRect({ARect.Right - 1, ARect.Top, ARect.Right, ARect.Bottom}, AColor);
}

}  // namespace

int UpDownHalf(TPoint APoint, TSize ASize, bool AVertical) {
  if (APoint.X < 0 || APoint.Y < 0 || APoint.X >= ASize.Width || APoint.Y >= ASize.Height) {
    return 0;
  }
  if (AVertical) return APoint.Y < ASize.Height / 2 ? -1 : 1;
  return APoint.X < ASize.Width / 2 ? -1 : 1;
}

TRect UpDownHalfRect(TSize ASize, bool AVertical, int AHalf) {
  if (AVertical) {
    const int split = ASize.Height / 2;
    return AHalf < 0 ? TRect{0, 0, ASize.Width, split} : TRect{0, split, ASize.Width, ASize.Height};
  }
  const int split = ASize.Width / 2;
  return AHalf < 0 ? TRect{0, 0, split, ASize.Height} : TRect{split, 0, ASize.Width, ASize.Height};
}

void PaintUpDownHalves(TPaintCanvas& ACanvas, const TzelSkinSource& ASkin, TSize ASize,
                       bool AVertical, int APressedHalf) {
  const TColor border = ASkin.GetColor(TSkinColorKey::ToolBarBorderColor);
  for (int half : {-1, 1}) Outline(ACanvas, UpDownHalfRect(ASize, AVertical, half), border);
  if (APressedHalf != 0) {
    Outline(ACanvas, UpDownHalfRect(ASize, AVertical, APressedHalf).Inset(1, 1),
            ASkin.GetColor(TSkinColorKey::ToolBarDownColor));
  }
}

}  // namespace skin
