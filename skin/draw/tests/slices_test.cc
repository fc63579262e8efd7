// The slicing routines against exact pixel tables: which source column and
// row each target pixel shows.
#include "skin/draw/slices.h"

#include <gtest/gtest.h>

#include "skin/draw/bitmap_canvas.h"
#include "skin/draw/tests/draw_test_util.h"

namespace skin::test {
namespace {

// One axis of a nine-slice: source length, target length, and the source
// column and row each target column or row shows (they differ only where
// the middle is shrunk, see StretchSource).
struct TAxisCase {
  int Source, Target;
  std::vector<int> Columns, Rows;
};

// Source 5: corners 0..1 and 4, middle 2..3. Source 4: corners 0..1 and 3,
// middle 2. Targets below the source cut the corners to their quarters.
const TAxisCase kAxes[] = {
    {5, 5, {0, 1, 2, 3, 4}, {0, 1, 2, 3, 4}},
    {5, 8, {0, 1, 2, 2, 2, 3, 3, 4}, {0, 1, 2, 2, 2, 3, 3, 4}},
    {5, 4, {0, 1, 3, 4}, {0, 1, 2, 4}},  // middle squeezed into one line
    {5, 3, {0, 2, 3}, {0, 2, 3}},        // quarters 1 and 0 wide
    {5, 2, {0, 3}, {0, 2}},
    {5, 1, {3}, {2}},  // no corners at all: one middle line
    {4, 6, {0, 1, 2, 2, 2, 3}, {0, 1, 2, 2, 2, 3}},
    {4, 4, {0, 1, 2, 3}, {0, 1, 2, 3}},
    {1, 3, {0, 0, 0}, {0, 0, 0}},              // a one-line source is all middle
    {2, 5, {0, 1, 1, 1, 1}, {0, 1, 1, 1, 1}},  // right quarter 0 wide
};

TEST(NineSliceTest, CornersCutToTheTargetsQuartersEdgesAndCentreStretched) {
  // Each horizontal case against each vertical one, at an offset.
  for (const TAxisCase& cols : kAxes) {
    for (const TAxisCase& rows : kAxes) {
      TBitmap target(12, 11, kBackground);
      TBitmapCanvas canvas(target);
      const TRect at = TRect::Sized(2, 1, cols.Target, rows.Target);
      DrawNineSlice(CodedBitmap(cols.Source, rows.Source), canvas, at, kMagenta, false);
      SCOPED_TRACE(testing::Message() << cols.Source << "->" << cols.Target << " x " << rows.Source
                                      << "->" << rows.Target);
      ExpectCoded(target, at, cols.Columns, rows.Rows);
    }
  }
}

TEST(NineSliceTest, OnlyCornersAreMasked) {
  // Magenta in the top-left corner and on the top edge of a 5x5 source.
  TBitmap source = CodedBitmap(5, 5);
  source.SetPixel(0, 0, kMagenta);
  source.SetPixel(2, 0, kMagenta);
  TBitmap target(8, 5, kBackground);
  TBitmapCanvas canvas(target);
  DrawNineSlice(source, canvas, {0, 0, 8, 5}, kMagenta, true);
  EXPECT_EQ(target.Pixel(0, 0), kBackground);  // corner: left alone
  EXPECT_EQ(target.Pixel(1, 0), Coded(1, 0));
  EXPECT_EQ(target.Pixel(2, 0), kMagenta);  // edge: painted as it is
  EXPECT_EQ(target.Pixel(3, 0), kMagenta);

  TBitmap plain(8, 5, kBackground);
  TBitmapCanvas plainCanvas(plain);
  DrawNineSlice(source, plainCanvas, {0, 0, 8, 5}, kMagenta, false);
  EXPECT_EQ(plain.Pixel(0, 0), kMagenta);
}

TEST(NineSliceTest, EmptyTargetOrSourceDrawsNothing) {
  TBitmap target(6, 6, kBackground);
  TBitmapCanvas canvas(target);
  DrawNineSlice(CodedBitmap(5, 5), canvas, {3, 3, 3, 6}, kMagenta, false);
  DrawNineSlice(CodedBitmap(5, 5), canvas, {4, 4, 2, 6}, kMagenta, false);
  DrawNineSlice(TBitmap(), canvas, {0, 0, 6, 6}, kMagenta, false);
  ExpectCoded(target, {}, {}, {});
}

TEST(NineSliceTest, TargetReachingOutsideTheCanvasIsClipped) {
  TBitmap target(4, 3, kBackground);
  TBitmapCanvas canvas(target);
  DrawNineSlice(CodedBitmap(5, 5), canvas, TRect::Sized(-3, -2, 8, 8), kMagenta, false);
  // Target columns 3..6 of 0,1,2,2,2,3,3,4; rows 2..4 of the same.
  ExpectCoded(target, {0, 0, 4, 3}, {2, 2, 3, 3}, {2, 2, 2});
}

struct TSliceCase {
  const char* Name;
  int SourceWidth, SourceHeight, End;
  TRect At;
  std::vector<int> Columns, Rows;
};

TEST(ThreeSliceTest, EndsUnscaledMiddleStretchedHeightStretched) {
  const TSliceCase cases[] = {
      // Ends 0..2 and 7..9; middle 3..6 over 6 columns; 2 rows over 4.
      {"wide", 10, 2, 3, {2, 1, 14, 5}, {0, 1, 2, 3, 3, 4, 5, 5, 6, 7, 8, 9}, {0, 0, 1, 1}},
      {"exact", 10, 2, 3, {0, 0, 10, 2}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, {0, 1}},
      // Narrower than two ends: the right end is drawn over the left one.
      {"narrow", 10, 2, 3, {0, 0, 4, 2}, {0, 7, 8, 9}, {0, 1}},
      // Narrower than one end: each end cut to the width, outer part kept.
      {"tiny", 10, 2, 3, {0, 0, 2, 2}, {8, 9}, {0, 1}},
      // Ends wider than half the source: no middle (-1: left as it was).
      {"no middle", 4, 1, 3, {0, 0, 8, 1}, {0, 1, 2, -1, -1, 1, 2, 3}, {0}},
  };
  for (const TSliceCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TBitmap target(16, 6, kBackground);
    TBitmapCanvas canvas(target);
    DrawThreeSliceH(CodedBitmap(c.SourceWidth, c.SourceHeight), canvas, c.At, c.End);
    ExpectCoded(target, c.At, c.Columns, c.Rows);
  }
}

TEST(ThreeSliceTest, VerticalIsTheSameOnItsSideWithAThirdAsDefaultEnd) {
  // Source 2x9, default end 3: rows 0..2 and 6..8, middle 3..5 over 6 rows.
  TBitmap target(4, 14, kBackground);
  TBitmapCanvas canvas(target);
  const TRect at{1, 1, 3, 13};
  DrawThreeSliceV(CodedBitmap(2, 9), canvas, at, 0);
  ExpectCoded(target, at, {0, 1}, {0, 1, 2, 3, 3, 4, 4, 5, 5, 6, 7, 8});
}

TEST(ThreeSliceTest, NegativeOriginDrawsNothing) {
  TBitmap target(8, 8, kBackground);
  TBitmapCanvas canvas(target);
  DrawThreeSliceH(CodedBitmap(10, 2), canvas, {-1, 0, 8, 2}, 3);
  DrawThreeSliceV(CodedBitmap(2, 10), canvas, {0, -1, 2, 8}, 3);
  ExpectCoded(target, {}, {}, {});
}

TEST(ThreeFrameTest, FirstAndThirdColumnAtTheEndsSecondStretched) {
  // Source 9x2: columns 0..2, 3..5 and 6..8.
  TBitmap target(12, 4, kBackground);
  TBitmapCanvas canvas(target);
  const TRect at{1, 0, 11, 4};
  DrawThreeFrameH(CodedBitmap(9, 2), canvas, at, kMagenta, false);
  ExpectCoded(target, at, {0, 1, 2, 3, 4, 4, 5, 6, 7, 8}, {0, 0, 1, 1});

  TBitmap narrow(4, 2, kBackground);
  TBitmapCanvas narrowCanvas(narrow);
  DrawThreeFrameH(CodedBitmap(9, 2), narrowCanvas, {0, 0, 2, 2}, kMagenta, false);
  ExpectCoded(narrow, {0, 0, 2, 2}, {0, 1}, {0, 1});
}

TEST(ThreeFrameTest, MaskedLeavesTheMaskColourInEveryColumn) {
  TBitmap source = CodedBitmap(9, 1);
  for (int x : {0, 4, 8}) source.SetPixel(x, 0, kMagenta);
  TBitmap target(10, 1, kBackground);
  TBitmapCanvas canvas(target);
  DrawThreeFrameH(source, canvas, {0, 0, 10, 1}, kMagenta, true);
  // Columns: 0,1,2 | 3,4,4,5 | 6,7,8 with 0, 4 and 8 masked.
  const TColor want[10] = {kBackground, Coded(1, 0), Coded(2, 0), Coded(3, 0), kBackground,
                           kBackground, Coded(5, 0), Coded(6, 0), Coded(7, 0), kBackground};
  for (int x = 0; x < 10; ++x) EXPECT_EQ(target.Pixel(x, 0), want[x]) << x;
}

TEST(StretchBitmapTest, WholeBitmapIntoTheRectangle) {
  TBitmap target(6, 5, kBackground);
  TBitmapCanvas canvas(target);
  StretchBitmap(CodedBitmap(2, 3), canvas, {1, 1, 5, 4});
  ExpectCoded(target, {1, 1, 5, 4}, {0, 0, 1, 1}, {0, 1, 2});
}

}  // namespace
}  // namespace skin::test
