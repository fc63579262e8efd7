#include "skin/own/canvas.h"

#include <algorithm>
#include <cmath>

namespace skin {
namespace {

// Coverage of the pixel at (AX, AY) by AShape from a 4 x 4 grid of samples.
float Coverage(const TShape& AShape, int AX, int AY) {
  // Far from the edge the centre decides alone.
  float centre = AShape(AX + 0.5f, AY + 0.5f);
  if (centre <= -1.0f) return 1.0f;
  if (centre >= 1.0f) return 0.0f;
  int inside = 0;
  for (int i = 0; i < 4; ++i)
    for (int k = 0; k < 4; ++k)
      if (AShape(AX + (i + 0.5f) / 4, AY + (k + 0.5f) / 4) < 0) ++inside;
  return inside / 16.0f;
}

}  // namespace

TShape RoundRect(float ALeft, float ATop, float ARight, float ABottom, float ARadius) {
  return [=](float x, float y) {
    float cx = (ALeft + ARight) / 2, cy = (ATop + ABottom) / 2;
    float hx = (ARight - ALeft) / 2 - ARadius, hy = (ABottom - ATop) / 2 - ARadius;
    float dx = std::fabs(x - cx) - hx, dy = std::fabs(y - cy) - hy;
    float outside = std::hypot(std::max(dx, 0.0f), std::max(dy, 0.0f));
    return outside + std::min(std::max(dx, dy), 0.0f) - ARadius;
  };
}

TShape Circle(float ACenterX, float ACenterY, float ARadius) {
  return [=](float x, float y) { return std::hypot(x - ACenterX, y - ACenterY) - ARadius; };
}

TShape Line(float AX0, float AY0, float AX1, float AY1, float AWidth) {
  return [=](float x, float y) {
    float vx = AX1 - AX0, vy = AY1 - AY0;
    float t =
        std::clamp(((x - AX0) * vx + (y - AY0) * vy) / (vx * vx + vy * vy + 1e-6f), 0.0f, 1.0f);
    return std::hypot(x - AX0 - t * vx, y - AY0 - t * vy) - AWidth / 2;
  };
}

TShape Outline(TShape AShape, float AWidth) {
  return [=](float x, float y) {
    float d = AShape(x, y);
    return std::max(d, -d - AWidth);
  };
}

TShape Union(TShape A, TShape B) {
  return [=](float x, float y) { return std::min(A(x, y), B(x, y)); };
}

TColor Mix(TColor A, TColor B, float AAmount) {
  auto channel = [&](unsigned a, unsigned b) {
    return static_cast<unsigned>(std::lround(a + (static_cast<float>(b) - a) * AAmount));
  };
  return RGBColor(channel(RedOf(A), RedOf(B)), channel(GreenOf(A), GreenOf(B)),
                  channel(BlueOf(A), BlueOf(B)));
}

TCanvas::TCanvas(int AWidth, int AHeight, TColor AFill) : FBitmap(AWidth, AHeight, AFill) {}

void TCanvas::Paint(const TShape& AShape, const std::function<TColor(int, int)>& AColorAt) {
  for (int y = 0; y < FBitmap.Height(); ++y) {
    for (int x = 0; x < FBitmap.Width(); ++x) {
      float c = Coverage(AShape, x, y);
      if (c > 0) FBitmap.SetPixel(x, y, Mix(FBitmap.Pixel(x, y), AColorAt(x, y), c));
    }
  }
}

void TCanvas::Fill(const TShape& AShape, TColor AColor) {
  Paint(AShape, [&](int, int) { return AColor; });
}

void TCanvas::FillVertical(const TShape& AShape, TColor ATop, TColor ABottom, float AFrom,
                           float ATo) {
  Paint(AShape, [&](int, int y) {
    return Mix(ATop, ABottom, std::clamp((y + 0.5f - AFrom) / (ATo - AFrom), 0.0f, 1.0f));
  });
}

void TCanvas::FillHorizontal(const TShape& AShape, TColor ALeft, TColor ARight, float AFrom,
                             float ATo) {
  Paint(AShape, [&](int x, int) {
    return Mix(ALeft, ARight, std::clamp((x + 0.5f - AFrom) / (ATo - AFrom), 0.0f, 1.0f));
  });
}

void TCanvas::ClearOutside(const TShape& AShape, TColor AColor) {
  for (int y = 0; y < FBitmap.Height(); ++y)
    for (int x = 0; x < FBitmap.Width(); ++x)
      if (Coverage(AShape, x, y) == 0) FBitmap.SetPixel(x, y, AColor);
}

TBitmap TCanvas::Piece(int ALeft, int ATop, int AWidth, int AHeight) const {
  TBitmap piece(AWidth, AHeight);
  piece.CopyRect(0, 0, FBitmap, ALeft, ATop, AWidth, AHeight);
  return piece;
}

}  // namespace skin
