// The window region: scanned rows of the title and bottom images, as
// rectangles, against the transparent pixels of the skin's own images.
#include "skin/frame/frame_region.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "skin/draw/canvas.h"
#include "skin/frame/tests/frame_test_util.h"

namespace skin::test {
namespace {

constexpr TColor kT = 0x00FF00FF;

// Which pixels of a AW x AH window the rectangles cover; fails on overlap.
std::vector<std::vector<int>> Coverage(const std::vector<TRect>& ARects, int AW, int AH) {
  std::vector<std::vector<int>> c(AH, std::vector<int>(AW, 0));
  for (const TRect& r : ARects) {
    EXPECT_FALSE(r.Empty()) << r;
    for (int y = r.Top; y < r.Bottom; ++y) {
      for (int x = r.Left; x < r.Right; ++x) {
        if (x < 0 || y < 0 || x >= AW || y >= AH) {
          ADD_FAILURE() << "outside the window: " << r;
          return c;
        }
        ++c[y][x];
      }
    }
  }
  return c;
}

TEST(FrameRegionTest, OurSkinCutsTheCornersWhereTheImagesAreTransparent) {
  const TSkinMetrics m = OwnMetrics();
  const TFrameImages f = OwnImages();
  const int w = 300, h = 200;
  const auto rects = FrameRegion(m, f, {}, {w, h}, 0);
  const auto cover = Coverage(rects, w, h);
  const TBitmap &t1 = *f.TitleBar[0], &t2 = *f.TitleBar[1], &t3 = *f.TitleBar[2];
  const TBitmap &b1 = *f.BottomBorder[0], &b2 = *f.BottomBorder[1], &b3 = *f.BottomBorder[2];
  int cut = 0;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      bool in = true;
      if (y <= 3) {  // title rows 0 to 3
        const TColor c = x < 15 ? t1.Pixel(x, y)
                         : x >= w - 18
                             ? t3.Pixel(x - (w - 18), y)
                             : t2.Pixel(StretchSource(x - 15, w - 33, 360, TAxis::Columns), y);
        in = c != m.TransColor;
      } else if (y >= h - 4) {  // bottom rows 20 to 23
        const int by = y - (h - 24);
        const TColor c = x < 37 ? b1.Pixel(x, by)
                         : x >= w - 15
                             ? b3.Pixel(x - (w - 15), by)
                             : b2.Pixel(StretchSource(x - 37, w - 52, 341, TAxis::Columns), by);
        in = c != m.TransColor;
      }
      cut += !in;
      ASSERT_EQ(cover[y][x], in ? 1 : 0) << x << "," << y;
    }
  }
  // All four corners are cut, nothing else.
  EXPECT_GT(cut, 8);
  EXPECT_EQ(cover[0][0], 0);
  EXPECT_EQ(cover[0][w - 1], 0);
  EXPECT_EQ(cover[h - 1][0], 0);
  EXPECT_EQ(cover[h - 1][w - 1], 0);
  EXPECT_EQ(cover[0][150], 1);
  // Full-width rows are merged: rows 4 to 195 lie in one rectangle.
  EXPECT_NE(std::find_if(rects.begin(), rects.end(),
                         [&](const TRect& r) {
                           return r.Left == 0 && r.Right == w && r.Top <= 4 && r.Bottom >= h - 4;
                         }),
            rects.end());
  EXPECT_LT(rects.size(), 12u);
}

TEST(FrameRegionTest, WholeWindowWhenNothingIsShaped) {
  TSkinMetrics m = OwnMetrics();
  const TFrameImages f = OwnImages();
  TFrameState minimized;
  minimized.Show = TWindowShow::Minimized;
  EXPECT_EQ(FrameRegion(m, f, minimized, {160, 26}, 0), (std::vector<TRect>{{0, 0, 160, 26}}));
  m.TitleNeedRegion = m.BottomNeedRegion = false;
  EXPECT_EQ(FrameRegion(m, f, {}, {300, 200}, 0), (std::vector<TRect>{{0, 0, 300, 200}}));
  EXPECT_TRUE(FrameRegion(m, f, {}, {0, 200}, 0).empty());
}

TEST(FrameRegionTest, TitleHiddenAndBordersHidden) {
  const TSkinMetrics m = OwnMetrics();
  const TFrameImages f = OwnImages();
  TFrameState s;
  s.TitleVisible = false;
  auto cover = Coverage(FrameRegion(m, f, s, {300, 200}, 0), 300, 200);
  EXPECT_EQ(cover[0][0], 1);    // no title rows to cut
  EXPECT_EQ(cover[199][0], 0);  // the bottom still shaped
  s = {};
  s.BorderVisible = false;
  cover = Coverage(FrameRegion(m, f, s, {300, 200}, 0), 300, 200);
  EXPECT_EQ(cover[0][0], 0);
  EXPECT_EQ(cover[199][0], 1);
}

TEST(FrameRegionTest, WindowLowerThanItsFrameCoversEachPixelOnce) {
  const TSkinMetrics m = OwnMetrics();
  const auto rects = FrameRegion(m, OwnImages(), {}, {120, 40}, 0);
  const auto cover = Coverage(rects, 120, 40);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 120; ++x) ASSERT_LE(cover[y][x], 1) << x << "," << y;
  EXPECT_EQ(cover[35][60], 1);
}

// Rows of a 6 x 5 buffer: T marks transparent pixels.
TBitmap Buffer() {
  const char* rows[] = {"TT..TT", "T....T", ".T..T.", "......", "T.TT.T"};
  TBitmap b(6, 5);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 6; ++x) b.SetPixel(x, y, rows[y][x] == 'T' ? kT : 0x00102030);
  return b;
}

TEST(FrameRegionTest, ScannedRowRanges) {
  struct TCase {
    const char* Name;
    int Min, Max;
    std::vector<TRect> Want;
  };
  const TCase cases[] = {
      {"rows 0 to 1", 0, 1, {{2, 10, 4, 11}, {1, 11, 5, 12}, {0, 12, 6, 15}}},
      {"rows 1 to 2, row 0 whole",
       1,
       2,
       {{0, 10, 6, 11},
        {1, 11, 5, 12},
        {0, 12, 1, 13},
        {2, 12, 4, 13},
        {5, 12, 6, 13},
        {0, 13, 6, 15}}},
      {"minimum not below maximum: to the last row",
       3,
       3,
       {{0, 10, 6, 13}, {0, 13, 6, 14}, {1, 14, 2, 15}, {4, 14, 5, 15}}},
      {"-1: from row 0 to the last",
       -1,
       -1,
       {{2, 10, 4, 11},
        {1, 11, 5, 12},
        {0, 12, 1, 13},
        {2, 12, 4, 13},
        {5, 12, 6, 13},
        {0, 13, 6, 14},
        {1, 14, 2, 15},
        {4, 14, 5, 15}}},
      {"maximum past the buffer: cut to it",
       4,
       40,
       {{0, 10, 6, 14}, {1, 14, 2, 15}, {4, 14, 5, 15}}},
      {"minimum past the buffer: all whole", 9, 12, {{0, 10, 6, 15}}},
      {"negative minimum counts as 0", -7, 0, {{2, 10, 4, 11}, {0, 11, 6, 15}}},
  };
  const TBitmap b = Buffer();
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    EXPECT_EQ(ScanRegionRows(b, 10, c.Min, c.Max, kT), c.Want);
  }
}

}  // namespace
}  // namespace skin::test
