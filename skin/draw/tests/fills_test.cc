// Gradients, control borders and the drop-down arrow, pixel by pixel.
#include "skin/draw/fills.h"

#include <gtest/gtest.h>

#include "skin/draw/bitmap_canvas.h"
#include "skin/draw/tests/draw_test_util.h"

namespace skin::test {
namespace {

// Red falls by 100 and green rises by 255 over 6 lines: 100 / 6 and 255 / 6
// are not whole, so each step shows the truncation towards zero (a falling
// channel rounds up, a rising one down).
constexpr TColor kFrom = RGBColor(200, 0, 10);
constexpr TColor kTo = RGBColor(100, 255, 10);

TEST(GradientTest, VerticalEndsInTheTwoColoursLinesBetweenTruncated) {
  TBitmap target(3, 8, kBackground);
  TBitmapCanvas canvas(target);
  DrawGradientV(canvas, {0, 1, 3, 7}, kFrom, kTo);
  // Line y between the ends uses y - top - 1: steps 0, 1, 2, 3.
  const TColor want[8] = {kBackground,
                          kFrom,
                          RGBColor(200, 0, 10),
                          RGBColor(184, 42, 10),
                          RGBColor(167, 85, 10),
                          RGBColor(150, 127, 10),
                          kTo,
                          kBackground};
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 3; ++x) EXPECT_EQ(target.Pixel(x, y), want[y]) << x << "," << y;
  }
}

TEST(GradientTest, HorizontalUsesTheColumnOffsetItself) {
  TBitmap target(6, 2, kBackground);
  TBitmapCanvas canvas(target);
  DrawGradientH(canvas, {0, 0, 6, 2}, kFrom, kTo);
  // Column x between the ends uses x - left: steps 1, 2, 3, 4.
  const TColor want[6] = {kFrom,
                          RGBColor(184, 42, 10),
                          RGBColor(167, 85, 10),
                          RGBColor(150, 127, 10),
                          RGBColor(134, 170, 10),
                          kTo};
  for (int x = 0; x < 6; ++x) {
    EXPECT_EQ(target.Pixel(x, 0), want[x]) << x;
    EXPECT_EQ(target.Pixel(x, 1), want[x]) << x;
  }
}

TEST(GradientTest, EmptyDrawsNothingAndOneLineIsTheFirstColour) {
  TBitmap target(4, 4, kBackground);
  TBitmapCanvas canvas(target);
  DrawGradientV(canvas, {0, 2, 4, 2}, kFrom, kTo);
  DrawGradientH(canvas, {3, 0, 1, 4}, kFrom, kTo);
  ExpectCoded(target, {}, {}, {});
  DrawGradientV(canvas, {0, 0, 4, 1}, kFrom, kTo);
  DrawGradientH(canvas, {0, 1, 1, 4}, kFrom, kTo);
  EXPECT_EQ(target.Pixel(3, 0), kFrom);
  EXPECT_EQ(target.Pixel(0, 3), kFrom);
  EXPECT_EQ(target.Pixel(1, 3), kBackground);
}

TEST(ControlBorderTest, OuterFrameAndOptionalInnerFrame) {
  const std::vector<std::pair<TColor, char>> key = {
      {kBackground, '.'}, {0x000000FF, 'B'}, {0x0000FF00, 'i'}};
  TBitmap target(7, 6, kBackground);
  TBitmapCanvas canvas(target);
  DrawControlBorder(canvas, {1, 0, 7, 5}, 0x000000FF, 0x0000FF00, true);
  EXPECT_EQ(Picture(target, key), (std::vector<std::string>{
                                      ".BBBBBB",
                                      ".BiiiiB",
                                      ".Bi..iB",
                                      ".BiiiiB",
                                      ".BBBBBB",
                                      ".......",
                                  }));
  TBitmap plain(4, 3, kBackground);
  TBitmapCanvas plainCanvas(plain);
  DrawControlBorder(plainCanvas, {0, 0, 4, 3}, 0x000000FF, 0x0000FF00, false);
  EXPECT_EQ(Picture(plain, key), (std::vector<std::string>{"BBBB", "B..B", "BBBB"}));
}

TEST(DropArrowTest, EnabledBlackDisabledGreyOverAWhiteShadow) {
  const std::vector<std::pair<TColor, char>> key = {
      {kBackground, '.'}, {0x000000, '#'}, {0x808080, 'g'}, {0xFFFFFF, 'w'}};
  TBitmap target(9, 6, kBackground);
  TBitmapCanvas canvas(target);
  DrawDropArrow(canvas, 1, 1, true);
  EXPECT_EQ(Picture(target, key), (std::vector<std::string>{
                                      ".........",
                                      ".#######.",
                                      "..#####..",
                                      "...###...",
                                      "....#....",
                                      ".........",
                                  }));
  TBitmap disabled(9, 6, kBackground);
  TBitmapCanvas disabledCanvas(disabled);
  DrawDropArrow(disabledCanvas, 1, 1, false);
  EXPECT_EQ(Picture(disabled, key), (std::vector<std::string>{
                                        ".........",
                                        ".ggggggg.",
                                        "..gggggww",
                                        "...gggww.",
                                        "....gww..",
                                        ".....w...",
                                    }));
}

}  // namespace
}  // namespace skin::test
