#include "skin/controls/paint_buttons.h"

#include "skin/bitmap/image_routines.h"
#include "skin/draw/slices.h"

namespace skin {
namespace {

void DrawGlyph(TPaintCanvas& ACanvas, const TPushButtonLook& ALook, TPoint AAt) {
  const TButtonGlyph& g = ALook.Glyph;
  const int frames = g.NumGlyphs < 1 ? 1 : g.NumGlyphs;
  const TGlyphDraw how = GlyphDrawFor(frames, ALook.Enabled, ALook.Pressed);
  TBitmap frame;
  SpitBitmap(g.Strip, frame, frames, how.Frame);
  if (frame.Width() == 0 || frame.Height() == 0) return;
  const TRect dest =
      TRect::Sized(AAt.X + how.Offset.X, AAt.Y + how.Offset.Y, frame.Width(), frame.Height());
  // Glyphs are drawn transparent in their bottom-left pixel's colour, as the
  // toolkit draws them; a disabled single frame in its top-left colour.
  const TColor mask = how.MaskByCorner ? frame.Pixel(0, 0) : frame.Pixel(0, frame.Height() - 1);
  ACanvas.DrawBitmapMasked(dest, frame, BoundsOf(frame), mask);
}

TRect PaintBox(TPaintCanvas& ACanvas, const TzelSkinSource& ASkin, const TCheckLook& ALook,
               TSkinBitmapKey AKey, TSkinBoolKey ATrans, int AFrame, int AFrames) {
  TBitmap box;
  if (!ASkin.GetBitmap(AKey, box, AFrame, AFrames) || box.Width() == 0) return {};
  const TCheckBoxPlacement at = PlaceCheckBox(ALook.Client, {box.Width(), box.Height()},
                                              ALook.RightAligned, ALook.RightToLeft);
  ACanvas.FillRect(at.Square, ALook.ControlColor);
  const TRect dest = TRect::Sized(at.Box.X, at.Box.Y, box.Width(), box.Height());
  if (ASkin.GetBool(ATrans)) {
    ACanvas.DrawBitmapMasked(dest, box, BoundsOf(box), ASkin.TransColor());
  } else {
    ACanvas.DrawBitmap(dest, box, BoundsOf(box), TStretchMode::Nearest);
  }
  return at.Square;
}

}  // namespace

TRect PaintPushButton(TPaintCanvas& ACanvas, const TzelSkinSource& ASkin,
                      const TPushButtonLook& ALook, TPoint* APictureAt) {
  const TRect client{0, 0, ALook.Size.Width, ALook.Size.Height};
  ACanvas.FillRect(client, ALook.ParentColor != kNoColor ? ALook.ParentColor : ASkin.FormColor());
  TBitmap frame;
  if (ASkin.GetBitmap(TSkinBitmapKey::Button, frame, ButtonFrame(ALook.Pressed, ALook.Hot),
                      kButtonFrames)) {
    DrawNineSlice(frame, ACanvas, client, ASkin.TransColor(),
                  ASkin.GetBool(TSkinBoolKey::ButtonTrans));
  }
  TRect focus;
  if (ALook.Focused) {
    focus = client.Inset(5, 5);
    if (ALook.Pressed) focus = focus.Moved(1, 1);
  }

  TRect captionRect = client;
  const bool strip = ALook.Glyph.Strip != nullptr && ALook.Glyph.Strip->Width() > 0;
  const bool picture = !strip && ALook.Glyph.Picture.Width > 0 && ALook.Glyph.Picture.Height > 0;
  if (strip || picture) {
    const int frames = ALook.Glyph.NumGlyphs < 1 ? 1 : ALook.Glyph.NumGlyphs;
    TGlyphLayoutArgs args;
    args.Client = client;
    args.Glyph = strip ? TSize{ALook.Glyph.Strip->Width() / frames, ALook.Glyph.Strip->Height()}
                       : ALook.Glyph.Picture;
    if (!ALook.Caption.empty()) args.Caption = ACanvas.TextExtent(ALook.Caption);
    args.Side = ALook.Glyph.Side;
    args.Margin = ALook.Glyph.Margin;
    args.Spacing = ALook.Glyph.Spacing;
    args.RightToLeft = ALook.RightToLeft;
    const TGlyphLayout layout = LayoutGlyphAndCaption(args);
    if (strip) {
      DrawGlyph(ACanvas, ALook, layout.Glyph);
    } else if (APictureAt != nullptr) {
      *APictureAt = layout.Glyph;
    }
    captionRect = layout.Caption;
  }
  TCaptionStyle style;
  style.Enabled = ALook.Enabled;
  style.Pressed = ALook.Pressed;
  style.WordWrap = ALook.WordWrap;
  style.Color = ALook.FontColor;
  PaintButtonCaption(ACanvas, captionRect, ALook.Caption, style);
  return focus;
}

TRect PaintCheckBoxBox(TPaintCanvas& ACanvas, const TzelSkinSource& ASkin, const TCheckLook& ALook,
                       TCheckState AState) {
  return PaintBox(ACanvas, ASkin, ALook, TSkinBitmapKey::CheckBox, TSkinBoolKey::CheckBoxTrans,
                  CheckBoxFrame(AState, ALook.Enabled), kCheckBoxFrames);
}

TRect PaintRadioButtonBox(TPaintCanvas& ACanvas, const TzelSkinSource& ASkin,
                          const TCheckLook& ALook, bool AChecked) {
  return PaintBox(ACanvas, ASkin, ALook, TSkinBitmapKey::RadioButton,
                  TSkinBoolKey::RadioButtonTrans, RadioButtonFrame(AChecked, ALook.Enabled),
                  kRadioButtonFrames);
}

}  // namespace skin
