#include "skin/window/mdi_layout.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

TEST(MDICascade, EachChildFourFifthsWideThreeFifthsHighTwentyTwoFurther) {
  const std::vector<TRect> r = CascadeRects(3, {500, 400});
  ASSERT_EQ(r.size(), 3u);
  EXPECT_EQ(r[0], TRect::Sized(0, 0, 400, 240));
  EXPECT_EQ(r[1], TRect::Sized(22, 22, 400, 240));
  EXPECT_EQ(r[2], TRect::Sized(44, 44, 400, 240));
  EXPECT_TRUE(CascadeRects(0, {500, 400}).empty());
  // Percentages round down.
  EXPECT_EQ(CascadeRects(1, {99, 99})[0], TRect::Sized(0, 0, 79, 59));
}

// The cells of a tiling cover the client area exactly once.
void ExpectCovers(const std::vector<TRect>& ACells, TSize AClient) {
  std::vector<int> hits(static_cast<size_t>(AClient.Width * AClient.Height), 0);
  for (const TRect& r : ACells) {
    ASSERT_FALSE(r.Empty()) << r;
    for (int y = r.Top; y < r.Bottom; ++y) {
      for (int x = r.Left; x < r.Right; ++x) {
        ASSERT_TRUE(x >= 0 && y >= 0 && x < AClient.Width && y < AClient.Height) << r;
        ++hits[static_cast<size_t>(y * AClient.Width + x)];
      }
    }
  }
  for (int h : hits) ASSERT_EQ(h, 1);
}

TEST(MDITile, UpToThreeSideBySideOrStacked) {
  EXPECT_EQ(TileRects(2, {300, 200}, false),
            (std::vector<TRect>{{0, 0, 150, 200}, {150, 0, 300, 200}}));
  EXPECT_EQ(TileRects(3, {300, 200}, true),
            (std::vector<TRect>{{0, 0, 300, 66}, {0, 66, 300, 133}, {0, 133, 300, 200}}));
  EXPECT_EQ(TileRects(1, {300, 200}, false), (std::vector<TRect>{{0, 0, 300, 200}}));
  EXPECT_TRUE(TileRects(0, {300, 200}, false).empty());
}

TEST(MDITile, MoreInAGridWithTheLastLinesHoldingTheRest) {
  // Five children: three columns of 1, 2 and 2 cells.
  const std::vector<TRect> five = TileRects(5, {90, 60}, false);
  EXPECT_EQ(
      five,
      (std::vector<TRect>{
          {0, 0, 30, 60}, {30, 0, 60, 30}, {30, 30, 60, 60}, {60, 0, 90, 30}, {60, 30, 90, 60}}));
  for (int n = 1; n <= 12; ++n) {
    SCOPED_TRACE(n);
    for (bool horizontal : {false, true}) {
      const std::vector<TRect> cells = TileRects(n, {97, 61}, horizontal);
      ASSERT_EQ(cells.size(), static_cast<size_t>(n));
      ExpectCovers(cells, {97, 61});
    }
  }
}

}  // namespace
}  // namespace skin
