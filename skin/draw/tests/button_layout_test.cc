// The push button's glyph and caption layout and its caption painting.
#include "skin/draw/button_layout.h"

#include <gtest/gtest.h>

#include "skin/draw/bitmap_canvas.h"

namespace skin {
namespace {

struct TLayoutCase {
  const char* Name;
  TGlyphLayoutArgs Args;
  TPoint Glyph;
  TRect Caption;
};

constexpr TSize kGlyph{16, 16};
constexpr TSize kText{30, 13};
constexpr TRect kWide{0, 0, 75, 25};
constexpr TRect kTall{0, 0, 75, 50};

TEST(GlyphLayoutTest, Table) {
  using S = TGlyphSide;
  const TLayoutCase cases[] = {
      // Margin -1: the pair 16 + 4 + 30 is centred in 75, odd pixel right.
      {"left", {kWide, kGlyph, kText, S::Left}, {13, 5}, {33, 6, 63, 19}},
      {"right", {kWide, kGlyph, kText, S::Right}, {46, 5}, {12, 6, 42, 19}},
      {"left, right to left",
       {kWide, kGlyph, kText, S::Left, -1, 4, true},
       {46, 5},
       {12, 6, 42, 19}},
      {"right, right to left",
       {kWide, kGlyph, kText, S::Right, -1, 4, true},
       {13, 5},
       {33, 6, 63, 19}},
      {"top", {kTall, kGlyph, kText, S::Top}, {30, 9}, {23, 29, 53, 42}},
      {"bottom", {kTall, kGlyph, kText, S::Bottom}, {30, 25}, {23, 8, 53, 21}},
      // Both -1: margin and spacing a third of the 29 pixels left.
      {"spread", {kWide, kGlyph, kText, S::Left, -1, -1}, {9, 5}, {34, 6, 64, 19}},
      // Fixed margin, spacing -1: the caption centred in what is left.
      {"margin 2", {kWide, kGlyph, kText, S::Left, 2, -1}, {2, 5}, {31, 6, 61, 19}},
      {"margin 3 spacing 1", {kWide, kGlyph, kText, S::Left, 3, 1}, {3, 5}, {20, 6, 50, 19}},
      // No glyph: spacing does not count, the caption is centred.
      {"no glyph", {kWide, {}, kText, S::Left}, {23, 13}, {23, 6, 53, 19}},
      {"no caption", {kWide, kGlyph, {}, S::Left}, {30, 5}, {46, 13, 46, 13}},
      // The client's origin moves everything.
      {"offset",
       {TRect::Sized(10, 20, 75, 25), kGlyph, kText, S::Left},
       {23, 25},
       {43, 26, 73, 39}},
      // Too narrow: (20 - 30 + 1) / 2 truncates towards zero, to -4.
      {"narrow", {{0, 0, 20, 25}, {}, kText, S::Left}, {-4, 13}, {-4, 6, 26, 19}},
  };
  for (const TLayoutCase& c : cases) {
    const TGlyphLayout got = LayoutGlyphAndCaption(c.Args);
    EXPECT_EQ(got.Glyph, c.Glyph) << c.Name;
    EXPECT_EQ(got.Caption, c.Caption) << c.Name;
  }
}

TEST(GlyphDrawTest, FramePerStateAndPressedOffset) {
  const struct {
    int NumGlyphs;
    bool Enabled, Pressed;
    int Frame;
    bool Masked;
    TPoint Offset;
  } cases[] = {
      {4, true, false, 1, false, {0, 0}},  {4, true, true, 1, false, {1, 1}},
      {4, false, false, 2, false, {0, 0}}, {2, false, true, 2, false, {1, 1}},
      {1, true, true, 1, false, {1, 1}},   {1, false, false, 1, true, {0, 0}},
      {1, false, true, 1, true, {0, 0}},  // the masked glyph never moves
  };
  for (const auto& c : cases) {
    const TGlyphDraw got = GlyphDrawFor(c.NumGlyphs, c.Enabled, c.Pressed);
    EXPECT_EQ(got.Frame, c.Frame) << c.NumGlyphs << c.Enabled << c.Pressed;
    EXPECT_EQ(got.MaskByCorner, c.Masked) << c.NumGlyphs << c.Enabled << c.Pressed;
    EXPECT_EQ(got.Offset, c.Offset) << c.NumGlyphs << c.Enabled << c.Pressed;
  }
}

TEST(ButtonCaptionTest, CentredMovedWhenPressedGreyWhenDisabledNarrowedWhenWrapped) {
  TBitmap target(80, 30);
  TBitmapCanvas canvas(target);
  // 30 x 13 in 75 x 25: (45 / 2, 12 / 2).
  EXPECT_EQ(PaintButtonCaption(canvas, kWide, u"Start", {.Color = 5}), (TRect{22, 6, 52, 19}));
  EXPECT_EQ(PaintButtonCaption(canvas, kWide, u"Start", {.Pressed = true, .Color = 5}),
            (TRect{23, 7, 53, 20}));
  PaintButtonCaption(canvas, kWide, u"Start", {.Enabled = false, .Color = 5});
  // Wrapped in 71 pixels: "Dienst neu" (60) over "starten" (42), 26 high
  // in 25: (25 - 26) / 2 truncates to 0.
  EXPECT_EQ(
      PaintButtonCaption(canvas, kWide, u"Dienst neu starten", {.WordWrap = true, .Color = 5}),
      (TRect{7, 0, 67, 26}));
  EXPECT_EQ(PaintButtonCaption(canvas, kWide, u"", {.Color = 5}), TRect{});
  EXPECT_EQ(canvas.TextRuns(), (std::vector<TTextRun>{{{22, 6}, u"Start", 5},
                                                      {{23, 7}, u"Start", 5},
                                                      {{22, 6}, u"Start", 0x808080},
                                                      {{7, 0}, u"Dienst neu", 5},
                                                      {{16, 13}, u"starten", 5}}));
}

TEST(CheckBoxPlacementTest, SideFromAlignmentAndReadingOrderCentredVertically) {
  const struct {
    const char* Name;
    TRect Client;
    TSize Box;
    bool RightAligned, RightToLeft;
    TRect Square;
    TPoint At;
  } cases[] = {
      {"text right", {0, 0, 100, 17}, {13, 13}, true, false, {0, 2, 13, 15}, {0, 2}},
      {"text left", {0, 0, 100, 17}, {13, 13}, false, false, {86, 2, 99, 15}, {86, 2}},
      {"left aligned, right to left",
       {0, 0, 100, 17},
       {13, 13},
       false,
       true,
       {0, 2, 13, 15},
       {0, 2}},
      {"right aligned, right to left",
       {0, 0, 100, 17},
       {13, 13},
       true,
       true,
       {86, 2, 99, 15},
       {86, 2}},
      // A small image sits in the middle of the 13-pixel square.
      {"small box", {0, 0, 100, 17}, {11, 11}, true, false, {0, 2, 13, 15}, {1, 3}},
      {"large box", {0, 0, 100, 17}, {16, 15}, true, false, {0, 0, 16, 16}, {0, 0}},
      // Lower than the square: (10 - 13) / 2 truncates to -1.
      {"low", {5, 20, 60, 30}, {13, 13}, true, false, {5, 19, 18, 32}, {5, 19}},
  };
  for (const auto& c : cases) {
    const TCheckBoxPlacement got = PlaceCheckBox(c.Client, c.Box, c.RightAligned, c.RightToLeft);
    EXPECT_EQ(got.Square, c.Square) << c.Name;
    EXPECT_EQ(got.Box, c.At) << c.Name;
  }
}

}  // namespace
}  // namespace skin
