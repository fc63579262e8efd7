// Progress, track and tool bars, the size grip and the group box frame,
// painted on a portable bitmap from a skin of plain test colours.
#include "skin/controls/paint_bars.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "skin/draw/bitmap_canvas.h"
#include "skin/draw/tests/draw_test_util.h"

namespace skin::test {
namespace {

class TTestSkin : public TzelSkinSource {
 public:
  bool GetBitmap(TSkinBitmapKey AKey, TBitmap& ABuf, int, int) const override {
    auto it = Bitmaps.find(AKey);
    if (it == Bitmaps.end()) return false;
    ABuf = it->second;
    return true;
  }
  TColor GetColor(TSkinColorKey AKey) const override {
    auto it = Colors.find(AKey);
    return it == Colors.end() ? 0xFFFFFFFFu : it->second;
  }
  bool GetBool(TSkinBoolKey) const override { return false; }
  TColor TransColor() const override { return kMagenta; }

  std::map<TSkinBitmapKey, TBitmap> Bitmaps;
  std::map<TSkinColorKey, TColor> Colors;
};

constexpr TColor kStart = 0x00000011, kBack = 0x00000022, kFill = 0x00000033, kEnd = 0x00000044;

TTestSkin ProgressSkin() {
  TTestSkin skin;
  skin.Bitmaps[TSkinBitmapKey::ProgressBar1] = TBitmap(2, 12, kStart);
  skin.Bitmaps[TSkinBitmapKey::ProgressBar2] = TBitmap(16, 12, kFill);
  skin.Bitmaps[TSkinBitmapKey::ProgressBar3] = TBitmap(14, 12, kBack);
  skin.Bitmaps[TSkinBitmapKey::ProgressBar4] = TBitmap(3, 12, kEnd);
  return skin;
}

TEST(PaintBarsTest, ProgressFillLength) {
  const struct {
    int Inner, Min, Max, Position, Fill;
  } cases[] = {
      {100, 0, 100, 0, 0},
      {100, 0, 100, 100, 100},
      {100, 0, 100, 37, 37},
      {36, 0, 100, 50, 18},
      {10, 0, 3, 1, 3},
      {10, 0, 3, 2, 6},  // truncated
      {50, 10, 20, 15, 25},
      {50, 10, 20, 5, 0},
      {50, 10, 20, 99, 50},  // limited
      {50, 20, 20, 20, 0},
      {50, 30, 20, 25, 0},
      {0, 0, 100, 50, 0},
      {-4, 0, 100, 50, 0},
      {2000, 0, 2000000000, 1000000000, 1000},  // no overflow
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ProgressFillLength(c.Inner, c.Min, c.Max, c.Position), c.Fill)
        << c.Inner << " " << c.Min << ".." << c.Max << " at " << c.Position;
  }
}

TEST(PaintBarsTest, ProgressLayoutBothWays) {
  const TProgressLayout h = LayoutProgressBar({40, 12}, false, 2, 3, 17);
  EXPECT_EQ(h.Start, (TRect{0, 0, 2, 12}));
  EXPECT_EQ(h.Back, (TRect{2, 0, 37, 12}));
  EXPECT_EQ(h.Fill, (TRect{2, 0, 19, 12}));
  EXPECT_EQ(h.End, (TRect{37, 0, 40, 12}));
  const TProgressLayout v = LayoutProgressBar({12, 40}, true, 2, 3, 17);
  EXPECT_EQ(v.Start, (TRect{0, 38, 12, 40}));
  EXPECT_EQ(v.Back, (TRect{0, 3, 12, 38}));
  EXPECT_EQ(v.Fill, (TRect{0, 21, 12, 38}));
  EXPECT_EQ(v.End, (TRect{0, 0, 12, 3}));
}

TEST(PaintBarsTest, ProgressBarPiecesOnThePixel) {
  const TTestSkin skin = ProgressSkin();
  // 40 wide: caps 2 and 3, 35 inside, half of it is 17.
  TBitmap target(40, 12, kBackground);
  TBitmapCanvas canvas(target);
  PaintProgressBar(canvas, skin, {{40, 12}, false, 0, 100, 50});
  for (int x = 0; x < 40; ++x) {
    const TColor want = x < 2 ? kStart : x < 19 ? kFill : x < 37 ? kBack : kEnd;
    for (int y : {0, 11}) ASSERT_EQ(target.Pixel(x, y), want) << x;
  }
  // Vertical: the same pieces turned left, filling from the bottom.
  TBitmap upright(12, 40, kBackground);
  TBitmapCanvas canvas2(upright);
  PaintProgressBar(canvas2, skin, {{12, 40}, true, 0, 100, 100});
  for (int y = 0; y < 40; ++y) {
    const TColor want = y < 3 ? kEnd : y < 38 ? kFill : kStart;
    for (int x : {0, 11}) ASSERT_EQ(upright.Pixel(x, y), want) << y;
  }
  // Without every piece nothing is drawn.
  TTestSkin partial = skin;
  partial.Bitmaps.erase(TSkinBitmapKey::ProgressBar3);
  TBitmap untouched(40, 12, kBackground);
  TBitmapCanvas canvas3(untouched);
  PaintProgressBar(canvas3, partial, {{40, 12}, false, 0, 100, 50});
  EXPECT_EQ(untouched, TBitmap(40, 12, kBackground));
}

TEST(PaintBarsTest, TrackChannelAndThumbPlacement) {
  // Horizontal: the channel keeps its length and is centred on the thumb.
  EXPECT_EQ(PlaceTrackChannel({8, 10, 92, 14}, {20, 4, 31, 25}, {60, 6}, false),
            (TRect{8, 11, 92, 17}));
  EXPECT_EQ(PlaceTrackChannel({10, 8, 14, 92}, {4, 20, 25, 31}, {6, 60}, true),
            (TRect{11, 8, 17, 92}));
  const struct {
    TRect Thumb;
    TSize Image;
    TRect At;
  } thumbs[] = {
      {{20, 4, 31, 25}, {11, 21}, {20, 4, 31, 25}},  // the same size
      {{20, 4, 32, 26}, {11, 21}, {20, 4, 31, 25}},  // one more: half truncated
      {{20, 4, 35, 30}, {11, 21}, {22, 6, 33, 27}},  // larger thumb: centred
      {{20, 4, 29, 20}, {11, 21}, {19, 2, 30, 23}},  // smaller: spills over, -2.5 to -2
  };
  for (const auto& c : thumbs) EXPECT_EQ(PlaceTrackThumb(c.Thumb, c.Image), c.At) << c.Thumb;
}

TEST(PaintBarsTest, TrackBarThumbMaskedOverTheChannel) {
  TTestSkin skin;
  TBitmap slider(3, 4, 0x00000077);
  slider.SetPixel(0, 0, kMagenta);
  skin.Bitmaps[TSkinBitmapKey::TrackBarSlider] = slider;
  TBitmap bar = CodedBitmap(8, 2);
  TBitmap target(20, 8, kBackground);
  TBitmapCanvas canvas(target);
  TTrackLook look;
  look.Size = {20, 8};
  look.Channel = {2, 3, 18, 5};
  look.Thumb = {9, 2, 12, 6};
  look.Back = 0x00000055;
  PaintTrackBar(canvas, skin, bar, look);
  // Channel rows 3..4 (centre 4 - 1), ends unscaled.
  for (int x = 0; x < 3; ++x) EXPECT_EQ(target.Pixel(2 + x, 3), Coded(x, 0));
  for (int x = 0; x < 3; ++x) EXPECT_EQ(target.Pixel(15 + x, 4), Coded(5 + x, 1));
  EXPECT_EQ(target.Pixel(0, 0), 0x00000055u);
  EXPECT_EQ(target.Pixel(1, 3), 0x00000055u);
  // The thumb, its magenta corner showing what lies below.
  EXPECT_EQ(target.Pixel(10, 2), 0x00000077u);
  EXPECT_EQ(target.Pixel(11, 5), 0x00000077u);
  EXPECT_EQ(target.Pixel(9, 2), 0x00000055u);
  EXPECT_NE(target.Pixel(9, 3), 0x00000055u);  // the thumb over the channel
}

TEST(PaintBarsTest, SizeGripRidges) {
  EXPECT_EQ(SizeGripRect({200, 20}, 17), (TRect{183, 3, 200, 20}));
  EXPECT_EQ(SizeGripRect({200, 12}, 17), (TRect{188, 0, 200, 12}));
  EXPECT_EQ(SizeGripRect({10, 20}, 17), (TRect{0, 10, 10, 20}));
  TBitmap target(10, 10, kBackground);
  TBitmapCanvas canvas(target);
  PaintSizeGrip(canvas, {0, 0, 10, 10}, 0x00000001, 0x00000002, 0x00000003);
  // Diagonals counted from the bottom-right corner: ridges at 2..4 and
  // 6..8 (the third one does not fit ten pixels).
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 10; ++x) {
      const int d = (9 - x) + (9 - y);
      const TColor want = (d == 2 || d == 3 || d == 6 || d == 7) ? 0x00000002u
                          : (d == 4 || d == 8)                   ? 0x00000003u
                                                                 : 0x00000001u;
      ASSERT_EQ(target.Pixel(x, y), want) << x << "," << y;
    }
  }
}

TEST(PaintBarsTest, ToolFacesAndBackground) {
  TTestSkin skin;
  skin.Colors = {{TSkinColorKey::ToolBarBorderColor, 0x00000010},
                 {TSkinColorKey::ToolBarDownColor, 0x00000020},
                 {TSkinColorKey::ToolBarOnColor, 0x00000030},
                 {TSkinColorKey::ToolBarStartColor, 0x00000000},
                 {TSkinColorKey::ToolBarEndColor, 0x00000040}};
  const struct {
    TToolFace Face;
    TColor Normal, Edge, Inside;
  } faces[] = {
      {TToolFace::Down, kNoFace, 0x10, 0x20},
      {TToolFace::Hot, kNoFace, 0x10, 0x30},
      {TToolFace::Normal, 0x00000099, 0x10, 0x99},
      {TToolFace::Normal, kNoFace, kBackground, kBackground},
  };
  for (const auto& c : faces) {
    TBitmap target(8, 6, kBackground);
    TBitmapCanvas canvas(target);
    PaintToolFace(canvas, skin, {1, 1, 7, 5}, c.Face, c.Normal);
    EXPECT_EQ(target.Pixel(0, 0), kBackground);
    EXPECT_EQ(target.Pixel(1, 1), c.Edge);
    EXPECT_EQ(target.Pixel(6, 4), c.Edge);
    EXPECT_EQ(target.Pixel(2, 2), c.Inside);
    EXPECT_EQ(target.Pixel(5, 3), c.Inside);
  }
  // No background image: the gradient, top to bottom.
  TBitmap back(4, 5, kBackground);
  TBitmapCanvas canvas(back);
  PaintToolBarBack(canvas, skin, {4, 5});
  EXPECT_EQ(back.Pixel(0, 0), 0x00000000u);
  EXPECT_EQ(back.Pixel(3, 4), 0x00000040u);
  EXPECT_EQ(back.Pixel(1, 2), 0x0000000Cu);  // 0x40 / 5 * 1, truncated
  // With one: stretched over the bar.
  skin.Bitmaps[TSkinBitmapKey::ToolBar] = CodedBitmap(2, 5);
  PaintToolBarBack(canvas, skin, {4, 5});
  EXPECT_EQ(back.Pixel(0, 0), Coded(0, 0));
  EXPECT_EQ(back.Pixel(3, 4), Coded(1, 4));
}

TEST(PaintBarsTest, GroupBoxFrameAndCaption) {
  EXPECT_EQ(GroupBoxFrameRect({100, 60}, 13), (TRect{0, 6, 100, 60}));
  EXPECT_EQ(GroupBoxCaptionRect({100, 60}, {30, 13}, false), (TRect{8, 0, 38, 13}));
  EXPECT_EQ(GroupBoxCaptionRect({100, 60}, {30, 13}, true), (TRect{62, 0, 92, 13}));
  TTestSkin skin;
  skin.Colors = {{TSkinColorKey::ControlBorderColor, 0x00000010},
                 {TSkinColorKey::ControlFontColor, 0x00000020}};
  TBitmap target(100, 60, kBackground);
  TBitmapCanvas canvas(target);  // 6 pixels a character, 13 a line
  PaintGroupBox(canvas, skin, {{100, 60}, u"Port", 13, false, 0x00000030});
  EXPECT_EQ(target.Pixel(0, 6), 0x00000010u);
  EXPECT_EQ(target.Pixel(99, 59), 0x00000010u);
  EXPECT_EQ(target.Pixel(50, 6), 0x00000010u);   // the top line, right of the caption
  EXPECT_EQ(target.Pixel(10, 6), 0x00000030u);   // under the caption: the control's colour
  EXPECT_EQ(target.Pixel(5, 5), kBackground);    // above the frame
  EXPECT_EQ(target.Pixel(50, 30), kBackground);  // inside, the control's own painting
  ASSERT_EQ(canvas.TextRuns().size(), 1u);
  EXPECT_EQ(canvas.TextRuns()[0], (TTextRun{{8, 0}, u"Port", 0x00000020}));
}

}  // namespace
}  // namespace skin::test
