#include "skin/controls/paint_combo.h"

#include "skin/controls/paint_updown.h"
#include "skin/draw/fills.h"

namespace skin {

TPoint DropArrowOrigin(const TRect& AButton) {
  return {AButton.Left + (AButton.Width() - kDropArrowSize.Width) / 2,
          AButton.Top + (AButton.Height() - kDropArrowSize.Height) / 2};
}

namespace {

// The one-pixel column on a button's inner side.
TRect InnerLine(const TRect& AButton, bool ARightToLeft) {
  return ARightToLeft ? TRect{AButton.Right - 1, AButton.Top, AButton.Right, AButton.Bottom}
                      : TRect{AButton.Left, AButton.Top, AButton.Left + 1, AButton.Bottom};
}

}  // namespace

void PaintComboBoxSkin(TPaintCanvas& ACanvas, const TzelSkinSource& ASkin,
                       const TComboLook& ALook) {
  const TColor border = ASkin.GetColor(TSkinColorKey::ControlBorderColor);
  DrawControlBorder(ACanvas, ALook.Client, border, ALook.ControlColor, true);
  if (ALook.Button.Empty()) return;
  ACanvas.FillRect(ALook.Button, ASkin.GetColor(TSkinColorKey::ControlColor));
  ACanvas.FillRect(InnerLine(ALook.Button, ALook.RightToLeft), border);
  const TPoint at = DropArrowOrigin(ALook.Button);
  DrawDropArrow(ACanvas, at.X, at.Y, ALook.Enabled);
}

void PaintDropButton(TPaintCanvas& ACanvas, const TzelSkinSource& ASkin, TSize ASize,
                     TDropButtonState AState, bool ARightToLeft) {
  const TRect all{0, 0, ASize.Width, ASize.Height};
  if (all.Empty()) return;
  const TSkinColorKey fill = AState == TDropButtonState::Hot       ? TSkinColorKey::ToolBarOnColor
                             : AState == TDropButtonState::Pressed ? TSkinColorKey::ToolBarDownColor
                                                                   : TSkinColorKey::ControlColor;
  ACanvas.FillRect(all, ASkin.GetColor(fill));
  ACanvas.FillRect(InnerLine(all, ARightToLeft), ASkin.GetColor(TSkinColorKey::ControlBorderColor));
  TPoint at = DropArrowOrigin(all);
  if (AState == TDropButtonState::Pressed) at = {at.X + 1, at.Y + 1};
  DrawDropArrow(ACanvas, at.X, at.Y, AState != TDropButtonState::Disabled);
}

void DrawUpArrow(TPaintCanvas& ACanvas, int AX, int AY, bool AEnabled) {
  auto arrow = [&](int AX0, int AY0, TColor AColor) {
    for (int row = 0; row < kDropArrowSize.Height; ++row) {
      const int inset = kDropArrowSize.Height - 1 - row;
      ACanvas.FillRect({AX0 + inset, AY0 + row, AX0 + kDropArrowSize.Width - inset, AY0 + row + 1},
                       AColor);
    }
  };
  if (AEnabled) {
    arrow(AX, AY, 0x000000);
    return;
  }
  arrow(AX + 1, AY + 1, 0xFFFFFF);
  arrow(AX, AY, 0x808080);
}

void PaintSpinButtons(TPaintCanvas& ACanvas, const TzelSkinSource& ASkin, TSize ASize,
                      int APressedHalf, bool AEnabled) {
  if (ASize.Width <= 0 || ASize.Height <= 0) return;
  ACanvas.FillRect({0, 0, ASize.Width, ASize.Height}, ASkin.GetColor(TSkinColorKey::ControlColor));
  PaintUpDownHalves(ACanvas, ASkin, ASize, true, APressedHalf);
  const TPoint up = DropArrowOrigin(UpDownHalfRect(ASize, true, -1));
  const TPoint down = DropArrowOrigin(UpDownHalfRect(ASize, true, 1));
  DrawUpArrow(ACanvas, up.X, up.Y, AEnabled);
  DrawDropArrow(ACanvas, down.X, down.Y, AEnabled);
}

}  // namespace skin
