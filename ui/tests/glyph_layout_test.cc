#include "ui/glyph_layout.h"

#include <gtest/gtest.h>

namespace ui {
namespace {

using L = TButtonLayout;

struct TCase {
  const char* Name;
  TGlyphLayoutInput Input;
  TGlyphLayout Expected;
};

// A 100 x 30 button, a 16 x 16 glyph, a 40 x 13 caption unless stated.
constexpr TCase kCases[] = {
    // Centred together: 16 + 4 + 40 = 60 of 100, margin (100 - 60 + 1) / 2 = 20.
    {"left, centred", {100, 30, 16, 16, 40, 13, L::GlyphLeft, -1, 4}, {20, 7, 40, 9}},
    {"right, centred", {100, 30, 16, 16, 40, 13, L::GlyphRight, -1, 4}, {64, 7, 20, 9}},
    // Vertical: 16 + 4 + 13 = 33 of 60, margin 14.
    {"top, centred", {100, 60, 16, 16, 40, 13, L::GlyphTop, -1, 4}, {42, 14, 30, 34}},
    {"bottom, centred", {100, 60, 16, 16, 40, 13, L::GlyphBottom, -1, 4}, {42, 30, 30, 13}},
    {"left, margin 5", {100, 30, 16, 16, 40, 13, L::GlyphLeft, 5, 4}, {5, 7, 25, 9}},
    {"right, margin 5", {100, 30, 16, 16, 40, 13, L::GlyphRight, 5, 4}, {79, 7, 35, 9}},
    // Evenly spread: (100 - 56) / 3 = 14 each side and between.
    {"left, spread", {100, 30, 16, 16, 40, 13, L::GlyphLeft, -1, -1}, {14, 7, 44, 9}},
    // Margin 5, caption centred in the rest: (100 - 21 - 40) / 2 = 19.
    {"left, margin, spread", {100, 30, 16, 16, 40, 13, L::GlyphLeft, 5, -1}, {5, 7, 40, 9}},
    // No caption: the glyph alone is centred, no spacing.
    {"glyph only", {100, 30, 16, 16, 0, 0, L::GlyphLeft, -1, 4}, {42, 7, 58, 15}},
    // No glyph: the caption alone is centred.
    {"caption only", {100, 30, 0, 0, 40, 13, L::GlyphLeft, -1, 4}, {30, 15, 30, 9}},
    // Too small: (40 - 60 + 1) / 2 truncates to -9, left of the edge.
    {"does not fit", {40, 20, 16, 16, 40, 13, L::GlyphLeft, -1, 4}, {-9, 2, 11, 4}},
};

TEST(GlyphLayout, PlacesGlyphAndCaption) {
  for (const TCase& c : kCases) {
    const TGlyphLayout got = LayoutGlyph(c.Input);
    EXPECT_EQ(got.GlyphX, c.Expected.GlyphX) << c.Name;
    EXPECT_EQ(got.GlyphY, c.Expected.GlyphY) << c.Name;
    EXPECT_EQ(got.TextX, c.Expected.TextX) << c.Name;
    EXPECT_EQ(got.TextY, c.Expected.TextY) << c.Name;
  }
}

TEST(GlyphLayout, FrameOfAStateFallsBackToTheFirst) {
  EXPECT_EQ(GlyphFrame(TGlyphState::Up, 1), 0);
  EXPECT_EQ(GlyphFrame(TGlyphState::Disabled, 1), 0);
  EXPECT_EQ(GlyphFrame(TGlyphState::Disabled, 2), 1);
  EXPECT_EQ(GlyphFrame(TGlyphState::Down, 2), 0);
  EXPECT_EQ(GlyphFrame(TGlyphState::Down, 3), 2);
  EXPECT_EQ(GlyphFrame(TGlyphState::Exclusive, 3), 0);
  EXPECT_EQ(GlyphFrame(TGlyphState::Exclusive, 4), 3);
}

}  // namespace
}  // namespace ui
