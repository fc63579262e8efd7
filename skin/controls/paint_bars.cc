#include "skin/controls/paint_bars.h"

#include <algorithm>
#include <array>
#include <utility>

#include "skin/bitmap/image_routines.h"
#include "skin/draw/fills.h"
#include "skin/draw/slices.h"

namespace skin {

// --- Progress bars

int ProgressFillLength(int AInner, int AMin, int AMax, int APosition) {
  if (AInner <= 0 || AMax <= AMin) return 0;
  const long long position = std::clamp(APosition, AMin, AMax);
  const long long done = position - AMin, range = static_cast<long long>(AMax) - AMin;
  return static_cast<int>(AInner * done / range);
}

TProgressLayout LayoutProgressBar(TSize ASize, bool AVertical, int ABorder1, int ABorder2,
                                  int AFill) {
  const int w = ASize.Width, h = ASize.Height;
  TProgressLayout out;
  if (!AVertical) {
    out.Start = {0, 0, ABorder1, h};
    out.End = {w - ABorder2, 0, w, h};
    out.Back = {ABorder1, 0, w - ABorder2, h};
    out.Fill = {ABorder1, 0, ABorder1 + AFill, h};
  } else {
    out.Start = {0, h - ABorder1, w, h};
    out.End = {0, 0, w, ABorder2};
    out.Back = {0, ABorder2, w, h - ABorder1};
    out.Fill = {0, h - ABorder1 - AFill, w, h - ABorder1};
  }
  return out;
}

void PaintProgressBar(TPaintCanvas& ACanvas, const TzelSkinSource& ASkin,
                      const TProgressLook& ALook) {
  static constexpr TSkinBitmapKey kKeys[] = {
      TSkinBitmapKey::ProgressBar1, TSkinBitmapKey::ProgressBar2, TSkinBitmapKey::ProgressBar3,
      TSkinBitmapKey::ProgressBar4};
  std::array<TBitmap, 4> piece;
  for (size_t i = 0; i < piece.size(); ++i) {
    if (!ASkin.GetBitmap(kKeys[i], piece[i], 0, 0) || piece[i].Width() == 0) return;
    if (ALook.Vertical) RotateLeft(piece[i]);
  }
  const int border1 = ALook.Vertical ? piece[0].Height() : piece[0].Width();
  const int border2 = ALook.Vertical ? piece[3].Height() : piece[3].Width();
  const int length = ALook.Vertical ? ALook.Size.Height : ALook.Size.Width;
  const int fill =
      ProgressFillLength(length - border1 - border2, ALook.Min, ALook.Max, ALook.Position);
  const TProgressLayout at = LayoutProgressBar(ALook.Size, ALook.Vertical, border1, border2, fill);
  // The track first, the fill over it.
  const std::pair<const TRect*, const TBitmap*> parts[] = {
      {&at.Start, &piece[0]}, {&at.Back, &piece[2]}, {&at.Fill, &piece[1]}, {&at.End, &piece[3]}};
  for (const auto& [where, bitmap] : parts) {
    ACanvas.DrawBitmap(*where, *bitmap, BoundsOf(*bitmap), TStretchMode::Nearest);
  }
}

// --- Track bars

TRect PlaceTrackChannel(const TRect& AChannel, const TRect& AThumb, TSize ABar, bool AVertical) {
  if (!AVertical) {
    const int top = (AThumb.Top + AThumb.Bottom) / 2 - ABar.Height / 2;
    return {AChannel.Left, top, AChannel.Right, top + ABar.Height};
  }
  const int left = (AThumb.Left + AThumb.Right) / 2 - ABar.Width / 2;
  return {left, AChannel.Top, left + ABar.Width, AChannel.Bottom};
}

TRect PlaceTrackThumb(const TRect& AThumb, TSize AImage) {
  return TRect::Sized(AThumb.Left + (AThumb.Width() - AImage.Width) / 2,
                      AThumb.Top + (AThumb.Height() - AImage.Height) / 2, AImage.Width,
                      AImage.Height);
}

void PaintTrackBar(TPaintCanvas& ACanvas, const TzelSkinSource& ASkin, const TBitmap& ABar,
                   const TTrackLook& ALook) {
  ACanvas.FillRect({0, 0, ALook.Size.Width, ALook.Size.Height}, ALook.Back);
  if (ABar.Width() > 0) {
    const TRect channel = PlaceTrackChannel(ALook.Channel, ALook.Thumb,
                                            {ABar.Width(), ABar.Height()}, ALook.Vertical);
    if (ALook.Vertical) {
      DrawThreeSliceV(ABar, ACanvas, channel, kTrackBarChannelEnd);
    } else {
      DrawThreeSliceH(ABar, ACanvas, channel, kTrackBarChannelEnd);
    }
  }
  TBitmap thumb;
  const TSkinBitmapKey key =
      ALook.Vertical ? TSkinBitmapKey::TrackBarVSlider : TSkinBitmapKey::TrackBarSlider;
  if (ASkin.GetBitmap(key, thumb, 0, 0) && thumb.Width() > 0) {
    ACanvas.DrawBitmapMasked(PlaceTrackThumb(ALook.Thumb, {thumb.Width(), thumb.Height()}), thumb,
                             BoundsOf(thumb), ASkin.TransColor());
  }
}

// --- Status bar size grip

TRect SizeGripRect(TSize AClient, int AGrip) {
  const int side = std::max(0, std::min({AGrip, AClient.Width, AClient.Height}));
  return {AClient.Width - side, AClient.Height - side, AClient.Width, AClient.Height};
}

void PaintSizeGrip(TPaintCanvas& ACanvas, const TRect& AGrip, TColor AControlColor, TColor ALine,
                   TColor ALight) {
  if (AGrip.Empty()) return;
  ACanvas.FillRect(AGrip, AControlColor);
  const int side = std::min(AGrip.Width(), AGrip.Height());
  auto diagonal = [&](int AD, TColor AColor) {
    for (int i = 0; i <= AD; ++i) {
      ACanvas.FillRect(TRect::Sized(AGrip.Right - 1 - i, AGrip.Bottom - 1 - (AD - i), 1, 1),
                       AColor);
    }
  };
  for (int k = 2; k + 2 < side; k += 4) {
    diagonal(k, ALine);
    diagonal(k + 1, ALine);
    diagonal(k + 2, ALight);
  }
}

// --- Tool bars and speed buttons

void PaintToolFace(TPaintCanvas& ACanvas, const TzelSkinSource& ASkin, const TRect& ARect,
                   TToolFace AFace, TColor ANormalFill) {
  if (ARect.Empty()) return;
  TColor fill = ANormalFill;
  if (AFace == TToolFace::Down) fill = ASkin.GetColor(TSkinColorKey::ToolBarDownColor);
  if (AFace == TToolFace::Hot) fill = ASkin.GetColor(TSkinColorKey::ToolBarOnColor);
  if (fill == kNoFace) return;
  DrawControlBorder(ACanvas, ARect, ASkin.GetColor(TSkinColorKey::ToolBarBorderColor), fill, false);
  ACanvas.FillRect(ARect.Inset(1, 1), fill);
}

void PaintToolBarBack(TPaintCanvas& ACanvas, const TzelSkinSource& ASkin, TSize ASize) {
  const TRect all{0, 0, ASize.Width, ASize.Height};
  TBitmap back;
  if (ASkin.GetBitmap(TSkinBitmapKey::ToolBar, back, 0, 0) && back.Width() > 0) {
    ACanvas.DrawBitmap(all, back, BoundsOf(back), TStretchMode::Nearest);
    return;
  }
  DrawGradientV(ACanvas, all, ASkin.GetColor(TSkinColorKey::ToolBarStartColor),
                ASkin.GetColor(TSkinColorKey::ToolBarEndColor));
}

// --- Group boxes

TRect GroupBoxFrameRect(TSize ASize, int ACaptionHeight) {
  return {0, ACaptionHeight / 2, ASize.Width, ASize.Height};
}

TRect GroupBoxCaptionRect(TSize ASize, TSize ACaption, bool ARightToLeft) {
  const int left = ARightToLeft ? ASize.Width - 8 - ACaption.Width : 8;
  return TRect::Sized(left, 0, ACaption.Width, ACaption.Height);
}

void PaintGroupBox(TPaintCanvas& ACanvas, const TzelSkinSource& ASkin, const TGroupBoxLook& ALook) {
  DrawControlBorder(ACanvas, GroupBoxFrameRect(ALook.Size, ALook.CaptionHeight),
                    ASkin.GetColor(TSkinColorKey::ControlBorderColor), 0, false);
  if (ALook.Caption.empty()) return;
  const TRect caption =
      GroupBoxCaptionRect(ALook.Size, ACanvas.TextExtent(ALook.Caption), ALook.RightToLeft);
  ACanvas.FillRect(caption, ALook.ControlColor);
  ACanvas.PaintText(caption, ALook.Caption, ASkin.GetColor(TSkinColorKey::ControlFontColor), {});
}

}  // namespace skin
