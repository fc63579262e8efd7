// Points, sizes and rectangles of the painting code, in device pixels.
// A rectangle covers the columns Left..Right-1 and the rows Top..Bottom-1.
//
// Thread safety: plain values.
#ifndef QUILLORY_SKIN_DRAW_GEOMETRY_H_
#define QUILLORY_SKIN_DRAW_GEOMETRY_H_

#include <ostream>

namespace skin {

struct TPoint {
  int X = 0;
  int Y = 0;
  bool operator==(const TPoint&) const = default;
};

struct TSize {
  int Width = 0;
  int Height = 0;
  bool operator==(const TSize&) const = default;
};

struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  static constexpr TRect Sized(int ALeft, int ATop, int AWidth, int AHeight) {
    return {ALeft, ATop, ALeft + AWidth, ATop + AHeight};
  }
  constexpr int Width() const { return Right - Left; }
  constexpr int Height() const { return Bottom - Top; }
  // No pixels: zero or negative width or height.
  constexpr bool Empty() const { return Right <= Left || Bottom <= Top; }
  constexpr TRect Moved(int ADx, int ADy) const {
    return {Left + ADx, Top + ADy, Right + ADx, Bottom + ADy};
  }
  constexpr TRect Inset(int ADx, int ADy) const {
    return {Left + ADx, Top + ADy, Right - ADx, Bottom - ADy};
  }
  bool operator==(const TRect&) const = default;
};

inline std::ostream& operator<<(std::ostream& AOut, const TRect& ARect) {
  return AOut << '(' << ARect.Left << ',' << ARect.Top << ")-(" << ARect.Right << ','
              << ARect.Bottom << ')';
}
inline std::ostream& operator<<(std::ostream& AOut, const TSize& ASize) {
  return AOut << ASize.Width << 'x' << ASize.Height;
}
inline std::ostream& operator<<(std::ostream& AOut, const TPoint& APoint) {
  return AOut << '(' << APoint.X << ',' << APoint.Y << ')';
}

}  // namespace skin

#endif  // QUILLORY_SKIN_DRAW_GEOMETRY_H_
