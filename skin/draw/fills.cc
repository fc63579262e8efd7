#include "skin/draw/fills.h"

namespace skin {
namespace {

// The colour at step AStep of a gradient of ALength lines or columns.
TColor GradientColor(TColor A1, TColor A2, int ALength, int AStep) {
  auto channel = [&](unsigned AC1, unsigned AC2) {
    const double delta = (static_cast<double>(AC2) - static_cast<double>(AC1)) / ALength * AStep;
    return static_cast<unsigned>(static_cast<int>(AC1) + static_cast<int>(delta));
  };
  return RGBColor(channel(RedOf(A1), RedOf(A2)), channel(GreenOf(A1), GreenOf(A2)),
                  channel(BlueOf(A1), BlueOf(A2)));
}

// The colour of line AIndex (0-based) of ALength, with AStep the step the
// lines between the two ends take.
TColor LineColor(TColor A1, TColor A2, int AIndex, int ALength, int AStep) {
  if (AIndex == 0) return A1;
  if (AIndex == ALength - 1) return A2;
  return GradientColor(A1, A2, ALength, AStep);
}

}  // namespace

// Each gradient is one line of colours stretched across the rectangle: a
// single blit on every canvas.
void DrawGradientV(TPaintCanvas& ACanvas, const TRect& ARect, TColor AColor1, TColor AColor2) {
  if (ARect.Empty()) return;
  const int h = ARect.Height();
  TBitmap line(1, h);
  for (int i = 0; i < h; ++i) line.SetPixel(0, i, LineColor(AColor1, AColor2, i, h, i - 1));
  ACanvas.DrawBitmap(ARect, line, BoundsOf(line), TStretchMode::Nearest);
}

void DrawGradientH(TPaintCanvas& ACanvas, const TRect& ARect, TColor AColor1, TColor AColor2) {
  if (ARect.Empty()) return;
  const int w = ARect.Width();
  TBitmap line(w, 1);
  for (int i = 0; i < w; ++i) line.SetPixel(i, 0, LineColor(AColor1, AColor2, i, w, i));
  ACanvas.DrawBitmap(ARect, line, BoundsOf(line), TStretchMode::Nearest);
}

namespace {
void Frame(TPaintCanvas& ACanvas, const TRect& R, TColor AColor) {
  if (R.Empty()) return;
  ACanvas.FillRect({R.Left, R.Top, R.Right, R.Top + 1}, AColor);
  ACanvas.FillRect({R.Left, R.Bottom - 1, R.Right, R.Bottom}, AColor);
  ACanvas.FillRect({R.Left, R.Top + 1, R.Left + 1, R.Bottom - 1}, AColor);
  ACanvas.FillRect({R.Right - 1, R.Top + 1, R.Right, R.Bottom - 1}, AColor);
}

void Arrow(TPaintCanvas& ACanvas, int AX, int AY, TColor AColor) {
  for (int row = 0; row < kDropArrowSize.Height; ++row) {
    ACanvas.FillRect({AX + row, AY + row, AX + kDropArrowSize.Width - row, AY + row + 1}, AColor);
  }
}
}  // namespace

void DrawControlBorder(TPaintCanvas& ACanvas, const TRect& ARect, TColor ABorderColor,
                       TColor AInnerColor, bool ADrawInner) {
  Frame(ACanvas, ARect, ABorderColor);
  if (ADrawInner) Frame(ACanvas, ARect.Inset(1, 1), AInnerColor);
}

void DrawDropArrow(TPaintCanvas& ACanvas, int AX, int AY, bool AEnabled) {
  if (AEnabled) {
    Arrow(ACanvas, AX, AY, 0x000000);
    return;
  }
  Arrow(ACanvas, AX + 1, AY + 1, 0xFFFFFF);
  Arrow(ACanvas, AX, AY, 0x808080);
}

}  // namespace skin
