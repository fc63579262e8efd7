// The tab control's faces, their turning to the four sides, the caption's
// place and the page edge, pixel by pixel.
#include "skin/controls/paint_tabs.h"

#include <gtest/gtest.h>

#include "skin/controls/tests/skin_fake_source.h"
#include "skin/draw/bitmap_canvas.h"

namespace skin::test {
namespace {

TEST(PaintTabsTest, TurningToEachSide) {
  // 3 x 2, pixels a b c / d e f.
  TBitmap upright(3, 2);
  const TColor a = 1, b = 2, c = 3, d = 4, e = 5, f = 6;
  const TColor px[2][3] = {{a, b, c}, {d, e, f}};
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 3; ++x) upright.SetPixel(x, y, px[y][x]);
  }
  const struct {
    TTabSide Side;
    std::vector<std::vector<TColor>> Rows;
  } cases[] = {
      {TTabSide::Top, {{a, b, c}, {d, e, f}}},
      {TTabSide::Bottom, {{f, e, d}, {c, b, a}}},
      {TTabSide::Left, {{c, f}, {b, e}, {a, d}}},   // the top row on the left
      {TTabSide::Right, {{d, a}, {e, b}, {f, c}}},  // the top row on the right
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(static_cast<int>(k.Side));
    const TBitmap turned = TurnToSide(upright, k.Side);
    ASSERT_EQ(turned.Height(), static_cast<int>(k.Rows.size()));
    ASSERT_EQ(turned.Width(), static_cast<int>(k.Rows[0].size()));
    for (int y = 0; y < turned.Height(); ++y) {
      for (int x = 0; x < turned.Width(); ++x) EXPECT_EQ(turned.Pixel(x, y), k.Rows[y][x]);
    }
  }
}

TEST(PaintTabsTest, UprightSizesLinesAndPage) {
  const TRect tab{10, 2, 60, 22};  // 50 x 20
  EXPECT_EQ(UprightTabSize(tab, TTabSide::Top), (TSize{50, 20}));
  EXPECT_EQ(UprightTabSize(tab, TTabSide::Bottom), (TSize{50, 20}));
  EXPECT_EQ(UprightTabSize(tab, TTabSide::Left), (TSize{20, 50}));
  EXPECT_EQ(UprightTabSize(tab, TTabSide::Right), (TSize{20, 50}));
  const TRect page = TabPageRect({4, 24, 196, 146});
  EXPECT_EQ(page, (TRect{2, 22, 198, 148}));
  EXPECT_EQ(TabLineRect(page, TTabSide::Top, 1), (TRect{2, 22, 198, 23}));
  EXPECT_EQ(TabLineRect(page, TTabSide::Bottom, 2), (TRect{2, 146, 198, 148}));
  EXPECT_EQ(TabLineRect(page, TTabSide::Left, 1), (TRect{2, 22, 3, 148}));
  EXPECT_EQ(TabLineRect(page, TTabSide::Right, 3), (TRect{195, 22, 198, 148}));
}

TEST(PaintTabsTest, CaptionAndImageCentredTogether) {
  const struct {
    TSize Text, Image;
    TPoint ImageAt;
    TRect TextAt;
  } cases[] = {
      {{30, 13}, {}, {35, 10}, {35, 3, 65, 16}},       // no image
      {{30, 13}, {16, 16}, {25, 2}, {44, 3, 74, 16}},  // 16 + 3 + 30 = 49
      {{120, 13}, {}, {-10, 10}, {-10, 3, 110, 16}},   // wider than the tab
  };
  for (const auto& c : cases) {
    const TTabCaptionPlace p = PlaceTabCaption({100, 20}, c.Text, c.Image);
    if (c.Image.Width > 0) {
      EXPECT_EQ(p.Image, c.ImageAt);
    }
    EXPECT_EQ(p.Text, c.TextAt);
  }
}

class PaintTabFaceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Two frames of 6 x 4, each pixel coded by its place in the strip; the
    // selected frame's top-left corner is keyed out.
    TBitmap strip = CodedBitmap(12, 4);
    strip.SetPixel(0, 0, kMagenta);
    Skin.Bitmaps[TSkinBitmapKey::TabControl] = strip;
  }
  TFakeSkin Skin;
};

TEST_F(PaintTabFaceTest, StateFramesAndTransparency) {
  const struct {
    bool Selected;
    bool Trans;
    int FirstColumn;  // of the strip
    TColor Corner;
  } cases[] = {
      {true, false, 0, kMagenta},
      {true, true, 0, kBackground},
      {false, true, 6, Coded(6, 0)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Selected);
    Skin.Bools[TSkinBoolKey::TabControlTrans] = c.Trans;
    TBitmap target(10, 4, kBackground);
    TBitmapCanvas canvas(target);
    ASSERT_TRUE(PaintTabFace(canvas, Skin, {10, 4}, c.Selected));
    // Three columns of 2: the ends unscaled, the middle (2 columns)
    // stretched over 6.
    const int columns[10] = {0, 1, 2, 2, 2, 3, 3, 3, 4, 5};
    for (int y = 0; y < 4; ++y) {
      for (int x = 0; x < 10; ++x) {
        const TColor want = x == 0 && y == 0 ? c.Corner : Coded(c.FirstColumn + columns[x], y);
        EXPECT_EQ(target.Pixel(x, y), want) << x << "," << y;
      }
    }
  }
}

TEST_F(PaintTabFaceTest, ATallerTabKeepsTheFramesEndRows) {
  // 4 rows to 9: a third (1 row) kept at each end, the middle 2 stretched
  // over 7; one pixel taller is drawn stretched plainly.
  const struct {
    int Height;
    std::vector<int> Rows;
  } cases[] = {
      {9, {0, 1, 1, 1, 1, 2, 2, 2, 3}},
      {5, {0, 1, 1, 2, 3}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Height);
    TBitmap target(6, c.Height, kBackground);
    TBitmapCanvas canvas(target);
    ASSERT_TRUE(PaintTabFace(canvas, Skin, {6, c.Height}, false));
    for (int y = 0; y < c.Height; ++y) {
      EXPECT_EQ(target.Pixel(3, y), Coded(6 + 3, c.Rows[y])) << y;
    }
  }
  TFakeSkin none;
  TBitmap target(6, 4, kBackground);
  TBitmapCanvas canvas(target);
  EXPECT_FALSE(PaintTabFace(canvas, none, {6, 4}, true));
}

TEST(PaintTabsTest, PageOutlineAndTheLineOnTheTabsSide) {
  TFakeSkin skin;
  const TColor border = 0x00B00000u, form = 0x00EEEEEEu, line = 0x000000C0u;
  skin.Colors = {{TSkinColorKey::ControlBorderColor, border}, {TSkinColorKey::FormColor, form}};
  skin.Bitmaps[TSkinBitmapKey::TabControlLine] = TBitmap(3, 1, line);
  const std::vector<std::pair<TColor, char>> key = {
      {kBackground, '.'}, {border, 'B'}, {form, 'f'}, {line, 'L'}};
  const struct {
    TTabSide Side;
    std::vector<std::string> Want;
  } cases[] = {
      {TTabSide::Top, {"......", ".LLLL.", ".B..B.", ".BBBB.", "......"}},
      {TTabSide::Bottom, {"......", ".BBBB.", ".B..B.", ".LLLL.", "......"}},
      {TTabSide::Left, {"......", ".LBBB.", ".L..B.", ".LBBB.", "......"}},
      {TTabSide::Right, {"......", ".BBBL.", ".B..L.", ".BBBL.", "......"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.Side));
    TBitmap target(6, 5, kBackground);
    TBitmapCanvas canvas(target);
    const TRect page{1, 1, 5, 4};
    PaintTabPage(canvas, skin, page);
    PaintTabLine(canvas, skin, page, c.Side);
    EXPECT_EQ(Picture(target, key), c.Want);
  }
}

}  // namespace
}  // namespace skin::test
