// Helpers of the drawing tests: source bitmaps whose pixels tell where they
// came from, and expectations written as source column and row lists.
#ifndef QUILLORY_SKIN_DRAW_TESTS_DRAW_TEST_UTIL_H_
#define QUILLORY_SKIN_DRAW_TESTS_DRAW_TEST_UTIL_H_

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/bitmap/bitmap.h"
#include "skin/draw/geometry.h"

namespace skin::test {

inline constexpr TColor kBackground = 0x00123456;
inline constexpr TColor kMagenta = 0x00FF00FF;

// The pixel a coordinate-coded source has at (AX, AY).
inline TColor Coded(int AX, int AY) {
  return RGBColor(static_cast<unsigned>(AX), static_cast<unsigned>(AY), 0x40);
}

// AWidth x AHeight pixels, each coded with its own position.
inline TBitmap CodedBitmap(int AWidth, int AHeight) {
  TBitmap b(AWidth, AHeight);
  for (int y = 0; y < AHeight; ++y) {
    for (int x = 0; x < AWidth; ++x) b.SetPixel(x, y, Coded(x, y));
  }
  return b;
}

// Checks that ATarget shows, inside AAt, the coded source pixels
// (AColumns[x], ARows[y]), and kBackground everywhere else and where a
// column is -1.
inline void ExpectCoded(const TBitmap& ATarget, const TRect& AAt, const std::vector<int>& AColumns,
                        const std::vector<int>& ARows) {
  ASSERT_EQ(static_cast<int>(AColumns.size()), AAt.Width());
  ASSERT_EQ(static_cast<int>(ARows.size()), AAt.Height());
  for (int y = 0; y < ATarget.Height(); ++y) {
    for (int x = 0; x < ATarget.Width(); ++x) {
      const bool inside = x >= AAt.Left && x < AAt.Right && y >= AAt.Top && y < AAt.Bottom;
      const int column = inside ? AColumns[x - AAt.Left] : -1;
      const TColor want = column >= 0 ? Coded(column, ARows[y - AAt.Top]) : kBackground;
      ASSERT_EQ(ATarget.Pixel(x, y), want) << "at " << x << "," << y;
    }
  }
}

// The rows of ABitmap as text, one character a pixel: a colour found in
// AKey is its letter, any other colour '?'.
inline std::vector<std::string> Picture(const TBitmap& ABitmap,
                                        const std::vector<std::pair<TColor, char>>& AKey) {
  std::vector<std::string> rows;
  for (int y = 0; y < ABitmap.Height(); ++y) {
    std::string row;
    for (int x = 0; x < ABitmap.Width(); ++x) {
      char c = '?';
      for (auto [colour, letter] : AKey) {
        if (ABitmap.Pixel(x, y) == colour) c = letter;
      }
      row += c;
    }
    rows.push_back(row);
  }
  return rows;
}

}  // namespace skin::test

#endif  // QUILLORY_SKIN_DRAW_TESTS_DRAW_TEST_UTIL_H_
