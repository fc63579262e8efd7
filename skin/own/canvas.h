// A small anti-aliased painter for drawing skin bitmaps from code: shapes
// are given as signed distance functions and blended by their coverage.
//
// Thread safety: one canvas per thread.
#ifndef QUILLORY_SKIN_OWN_CANVAS_H_
#define QUILLORY_SKIN_OWN_CANVAS_H_

#include <functional>

#include "skin/bitmap/bitmap.h"

namespace skin {

// Signed distance from a point to a shape's edge: negative inside.
using TShape = std::function<float(float AX, float AY)>;

// Shapes, in pixel coordinates (pixel (x, y) covers [x, x+1) x [y, y+1)).
TShape RoundRect(float ALeft, float ATop, float ARight, float ABottom, float ARadius);
TShape Circle(float ACenterX, float ACenterY, float ARadius);
// A line of AWidth with round ends.
TShape Line(float AX0, float AY0, float AX1, float AY1, float AWidth);
// The band of AWidth along the edge of AShape, inside it.
TShape Outline(TShape AShape, float AWidth);
TShape Union(TShape A, TShape B);

// Mixes A and B: AAmount 0 gives A, 1 gives B.
TColor Mix(TColor A, TColor B, float AAmount);

class TCanvas {
 public:
  TCanvas(int AWidth, int AHeight, TColor AFill);

  // Fills the pixels covered by AShape with AColor, blending the edges.
  void Fill(const TShape& AShape, TColor AColor);
  // Fills AShape with a vertical gradient from ATop (row AFrom) to ABottom
  // (row ATo).
  void FillVertical(const TShape& AShape, TColor ATop, TColor ABottom, float AFrom, float ATo);
  // Fills AShape with a horizontal gradient from ALeft to ARight.
  void FillHorizontal(const TShape& AShape, TColor ALeft, TColor ARight, float AFrom, float ATo);
  // Sets every pixel that AShape does not touch to AColor (no blending).
  void ClearOutside(const TShape& AShape, TColor AColor);

  TBitmap& Bitmap() { return FBitmap; }
  // The AWidth x AHeight piece at (ALeft, ATop).
  TBitmap Piece(int ALeft, int ATop, int AWidth, int AHeight) const;

 private:
  void Paint(const TShape& AShape, const std::function<TColor(int, int)>& AColorAt);
  TBitmap FBitmap;
};

}  // namespace skin

#endif  // QUILLORY_SKIN_OWN_CANVAS_H_
