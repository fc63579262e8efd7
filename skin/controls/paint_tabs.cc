#include "skin/controls/paint_tabs.h"

#include "skin/draw/bitmap_canvas.h"
#include "skin/draw/fills.h"
#include "skin/draw/slices.h"
#include "skin/draw/state_frames.h"

namespace skin {

TSize UprightTabSize(const TRect& ATab, TTabSide ASide) {
  if (ASide == TTabSide::Left || ASide == TTabSide::Right) return {ATab.Height(), ATab.Width()};
  return {ATab.Width(), ATab.Height()};
}

TBitmap TurnToSide(const TBitmap& AUpright, TTabSide ASide) {
  const int w = AUpright.Width(), h = AUpright.Height();
  if (ASide == TTabSide::Top) return AUpright;
  const bool across = ASide == TTabSide::Left || ASide == TTabSide::Right;
  TBitmap out(across ? h : w, across ? w : h);
  out.SetBitsPerPixel(AUpright.BitsPerPixel());
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const TColor c = AUpright.Pixel(x, y);
      switch (ASide) {
        case TTabSide::Bottom:
          out.SetPixel(w - 1 - x, h - 1 - y, c);
          break;
        case TTabSide::Left:  // top edge to the left, left end to the bottom
          out.SetPixel(y, w - 1 - x, c);
          break;
        case TTabSide::Right:  // top edge to the right, left end to the top
          out.SetPixel(h - 1 - y, x, c);
          break;
        case TTabSide::Top:
          break;
      }
    }
  }
  return out;
}

bool PaintTabFace(TPaintCanvas& ACanvas, const TzelSkinSource& ASkin, TSize ASize, bool ASelected) {
  TBitmap frame;
  if (!ASkin.GetBitmap(TSkinBitmapKey::TabControl, frame, TabFrame(ASelected), kTabFrames)) {
    return false;
  }
  if (ASize.Width <= 0 || ASize.Height <= 0 || frame.Empty()) return true;
  if (ASize.Height > frame.Height() + 1) {
    // Taller than the image: its top and bottom thirds stay, the middle
    // stretches.
    TBitmap tall(frame.Width(), ASize.Height);
    TBitmapCanvas tallCanvas(tall);
    DrawThreeSliceV(frame, tallCanvas, {0, 0, frame.Width(), ASize.Height}, 0);
    frame = std::move(tall);
  }
  DrawThreeFrameH(frame, ACanvas, {0, 0, ASize.Width, ASize.Height}, ASkin.TransColor(),
                  ASkin.GetBool(TSkinBoolKey::TabControlTrans));
  return true;
}

TColor TabFontColor(const TzelSkinSource& ASkin, bool ASelected) {
  return ASkin.GetColor(ASelected ? TSkinColorKey::TabControlActiveFontColor
                                  : TSkinColorKey::TabControlInactiveFontColor);
}

TTabCaptionPlace PlaceTabCaption(TSize ASize, TSize AText, TSize AImage) {
  const bool image = AImage.Width > 0 && AImage.Height > 0;
  const int gap = image && AText.Width > 0 ? 3 : 0;
  const int total = (image ? AImage.Width : 0) + gap + AText.Width;
  const int left = (ASize.Width - total) / 2;
  TTabCaptionPlace place;
  place.Image = {left, (ASize.Height - AImage.Height) / 2};
  const int textLeft = left + (image ? AImage.Width : 0) + gap;
  const int textTop = (ASize.Height - AText.Height) / 2;
  place.Text = TRect::Sized(textLeft, textTop, AText.Width, AText.Height);
  return place;
}

TRect TabPageRect(const TRect& ADisplay) {
  return ADisplay.Inset(-2, -2);
}

TRect TabLineRect(const TRect& APage, TTabSide ASide, int AThickness) {
  switch (ASide) {
    case TTabSide::Top:
      return {APage.Left, APage.Top, APage.Right, APage.Top + AThickness};
    case TTabSide::Bottom:
      return {APage.Left, APage.Bottom - AThickness, APage.Right, APage.Bottom};
    case TTabSide::Left:
      return {APage.Left, APage.Top, APage.Left + AThickness, APage.Bottom};
    case TTabSide::Right:
      return {APage.Right - AThickness, APage.Top, APage.Right, APage.Bottom};
  }
  return {};
}

void PaintTabPage(TPaintCanvas& ACanvas, const TzelSkinSource& ASkin, const TRect& APage) {
  DrawControlBorder(ACanvas, APage, ASkin.GetColor(TSkinColorKey::ControlBorderColor), 0, false);
}

void PaintTabLine(TPaintCanvas& ACanvas, const TzelSkinSource& ASkin, const TRect& APage,
                  TTabSide ASide) {
  TBitmap line;
  if (!ASkin.GetBitmap(TSkinBitmapKey::TabControlLine, line, 0, 0) || line.Empty()) return;
  const TRect strip = TabLineRect(APage, ASide, line.Height());
  if (strip.Empty()) return;
  ACanvas.FillRect(strip, ASkin.FormColor());
  const TBitmap turned = TurnToSide(line, ASide);
  ACanvas.DrawBitmap(strip, turned, BoundsOf(turned), TStretchMode::Nearest);
}

}  // namespace skin
