#include "skin/menu/menu_item_paint.h"

#include <gtest/gtest.h>

#include "skin/draw/bitmap_canvas.h"
#include "skin/draw/fills.h"
#include "skin/draw/tests/draw_test_util.h"
#include "skin/menu/tests/menu_test_util.h"

namespace skin {
namespace {

using test::kBackground;
using test::OwnPalette;

// The test canvas's font: 6 pixels a character, 13 a line.
constexpr int kChar = 6;
constexpr int kLine = 13;

TMenuItemView Item(std::u16string ACaption) {
  TMenuItemView v;
  v.Caption = std::move(ACaption);
  return v;
}

TEST(MenuItemMeasure, Table) {
  struct TCase {
    const char* Name;
    TMenuItemView View;
    int LineHeight;
    TSize Want;
  };
  TMenuItemView shortcut = Item(u"&Open");
  shortcut.ShortCut = u"Ctrl+O";
  TMenuItemView images = Item(u"Open");
  images.HasOwnImageList = true;
  images.ImageListSize = {24, 24};
  TMenuItemView smallImages = images;
  smallImages.ImageListSize = {16, 10};
  const TCase cases[] = {
      {"separator", Item(u"-"), kLine, {1 * kChar + 66, 5}},
      {"access key not counted", Item(u"&Open"), kLine, {4 * kChar + 66, 21}},
      {"doubled ampersand is one", Item(u"A&&B"), kLine, {3 * kChar + 66, 21}},
      {"shortcut widens", shortcut, kLine, {(4 + 6) * kChar + 66, 21}},
      {"large image list", images, kLine, {4 * kChar + 66, 29}},
      {"small image list keeps 21", smallImages, kLine, {4 * kChar + 66, 21}},
      {"tall font", Item(u"Open"), 25, {4 * kChar + 66, 25}},
  };
  for (const TCase& c : cases) {
    TBitmap b(1, 1);
    TBitmapCanvas canvas(b);
    canvas.SetFont([](char16_t) { return kChar; }, c.LineHeight);
    EXPECT_EQ(MeasureMenuItem(canvas, c.View), c.Want) << c.Name;
  }
}

constexpr int kWidth = 120;
constexpr int kHeight = 21;

struct TPainted {
  TBitmap Bitmap{kWidth, kHeight, kBackground};
  std::vector<TTextRun> Runs;
};

TPainted Paint(const TMenuItemView& AItem, const TMenuPalette& APalette, int AHeight = kHeight) {
  TPainted p;
  p.Bitmap.SetSize(kWidth, AHeight, kBackground);
  TBitmapCanvas canvas(p.Bitmap);
  DrawMenuItem(canvas, {0, 0, kWidth, AHeight}, AItem, APalette);
  p.Runs = canvas.TextRuns();
  return p;
}

// The unselected item's ground: the left bar over 26 columns (or AColumn),
// the item colour after it.
TBitmap Ground(const TMenuPalette& APalette, int AHeight = kHeight, int AColumn = 26) {
  TBitmap want(kWidth, AHeight, kBackground);
  TBitmapCanvas canvas(want);
  DrawGradientH(canvas, {0, 0, AColumn, AHeight}, APalette.Colors[kLeftBarStart],
                APalette.Colors[kLeftBarEnd]);
  canvas.FillRect({AColumn, 0, kWidth, AHeight}, APalette.Colors[kItemBackground]);
  return want;
}

TEST(MenuItemDraw, SeparatorHasBarBackgroundAndLine) {
  const TMenuPalette palette = OwnPalette();
  ASSERT_NE(palette.Colors[kLeftBarStart], palette.Colors[kLeftBarEnd]);
  const TPainted got = Paint(Item(u"-"), palette, 5);
  TBitmap want = Ground(palette, 5);
  for (int x = 26 + 4; x < kWidth - 2; ++x) want.SetPixel(x, 2, kSeparatorLineColor);
  test::ExpectSameBitmap(got.Bitmap, want);
  EXPECT_TRUE(got.Runs.empty());
}

TEST(MenuItemDraw, FontColourAndGroundByState) {
  const TMenuPalette palette = OwnPalette();
  struct TCase {
    const char* Name;
    bool Enabled, Selected, Highlighted;
    TColor Font;
  };
  const TCase cases[] = {
      {"normal", true, false, false, palette.Colors[kItemFont]},
      {"selected", true, true, true, palette.Colors[kItemSelectedFont]},
      {"disabled", false, false, false, palette.DisabledFontColor},
      {"disabled under the pointer", false, true, false, palette.DisabledFontColor},
  };
  for (const TCase& c : cases) {
    TMenuItemView v = Item(u"&Open");
    v.ShortCut = u"Ctrl+O";
    v.Enabled = c.Enabled;
    v.Selected = c.Selected;
    const TPainted got = Paint(v, palette);
    TBitmap want = Ground(palette);
    if (c.Highlighted) {
      want.SetSize(kWidth, kHeight, palette.Colors[kItemSelectedBorder]);
      for (int y = 1; y < kHeight - 1; ++y) {
        for (int x = 1; x < kWidth - 1; ++x) want.SetPixel(x, y, palette.Colors[kItemSelected]);
      }
    }
    test::ExpectSameBitmap(got.Bitmap, want);
    const int top = (kHeight - kLine) / 2;
    const std::vector<TTextRun> runs = {{{26 + 4, top}, u"Open", c.Font},
                                        {{kWidth - 16 - 6 * kChar, top}, u"Ctrl+O", c.Font}};
    EXPECT_EQ(got.Runs, runs) << c.Name;
  }
}

TEST(MenuItemDraw, CheckedItemWithoutImageShowsTheSkinsGlyphCentred) {
  const TMenuPalette palette = OwnPalette();
  ASSERT_NE(palette.CheckGlyph, nullptr);
  const TBitmap& glyph = *palette.CheckGlyph;
  TMenuItemView v = Item(u"Status");
  v.Checked = true;
  const TPainted got = Paint(v, palette);
  TBitmap want = Ground(palette);
  const int left = (26 - glyph.Width()) / 2, top = (kHeight - glyph.Height()) / 2;
  int opaque = 0;
  for (int y = 0; y < glyph.Height(); ++y) {
    for (int x = 0; x < glyph.Width(); ++x) {
      if (glyph.Pixel(x, y) == palette.CheckTransColor) continue;
      want.SetPixel(left + x, top + y, glyph.Pixel(x, y));
      ++opaque;
    }
  }
  EXPECT_GT(opaque, 0);
  test::ExpectSameBitmap(got.Bitmap, want);
}

TEST(MenuItemDraw, CheckedRadioItemShowsABulletInTheFontColour) {
  const TMenuPalette palette = OwnPalette();
  TMenuItemView v = Item(u"Eins");
  v.Checked = true;
  v.Radio = true;
  const TPainted got = Paint(v, palette);
  const TColor f = palette.Colors[kItemFont];
  const int left = (26 - 6) / 2, top = (kHeight - 6) / 2;
  TBitmap want = Ground(palette);
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 6; ++x) {
      const bool corner = (x == 0 || x == 5) && (y == 0 || y == 5);
      if (!corner) want.SetPixel(left + x, top + y, f);
    }
  }
  test::ExpectSameBitmap(got.Bitmap, want);
}

TEST(MenuItemDraw, ImageListPictureAndCheckedFrame) {
  const TMenuPalette palette = OwnPalette();
  const TBitmap strip = test::CodedBitmap(48, 16);  // three 16 x 16 images
  for (bool checked : {false, true}) {
    TMenuItemView v = Item(u"Save");
    v.HasOwnImageList = true;
    v.Checked = checked;
    v.Picture = {&strip, TRect::Sized(16, 0, 16, 16), false, 0};
    const TPainted got = Paint(v, palette, 22);
    TBitmap want = Ground(palette, 22, 26);
    if (checked) {
      for (int y = 2; y < 20; ++y) {
        for (int x = 3; x < 21; ++x) {
          const bool edge = x == 3 || x == 20 || y == 2 || y == 19;
          want.SetPixel(x, y, edge ? 0 : palette.Colors[kItemBackground]);
        }
      }
    }
    for (int y = 0; y < 16; ++y) {
      for (int x = 0; x < 16; ++x) want.SetPixel(4 + x, 3 + y, test::Coded(16 + x, y));
    }
    test::ExpectSameBitmap(got.Bitmap, want);
  }
}

TEST(MenuItemDraw, OwnBitmapIsStretchedTo16By16) {
  const TMenuPalette palette = OwnPalette();
  const TBitmap own = test::CodedBitmap(8, 8);
  TMenuItemView v = Item(u"Drucken");
  v.Picture = {&own, {}, false, 0};
  v.OwnBitmap = true;
  const TPainted got = Paint(v, palette);
  TBitmap want = Ground(palette);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) want.SetPixel(4 + x, 3 + y, test::Coded(x / 2, y / 2));
  }
  test::ExpectSameBitmap(got.Bitmap, want);
}

TEST(MenuItemDraw, SubmenuArrowAndRightToLeftMirror) {
  const TMenuPalette palette = OwnPalette();
  const TColor f = palette.Colors[kItemFont];
  for (bool rtl : {false, true}) {
    TMenuItemView v = Item(u"Mehr");
    v.HasSubmenu = true;
    v.RightToLeft = rtl;
    const TPainted got = Paint(v, palette);
    TBitmap want(kWidth, kHeight, kBackground);
    {
      TBitmapCanvas canvas(want);
      const TColor outer = palette.Colors[kLeftBarStart], inner = palette.Colors[kLeftBarEnd];
      if (rtl) {
        DrawGradientH(canvas, {kWidth - 26, 0, kWidth, kHeight}, inner, outer);
        canvas.FillRect({0, 0, kWidth - 26, kHeight}, palette.Colors[kItemBackground]);
      } else {
        DrawGradientH(canvas, {0, 0, 26, kHeight}, outer, inner);
        canvas.FillRect({26, 0, kWidth, kHeight}, palette.Colors[kItemBackground]);
      }
    }
    // Columns of 7, 5, 3, 1 pixels pointing away from the text.
    const int top = (kHeight - 7) / 2;
    for (int i = 0; i < 4; ++i) {
      const int x = rtl ? 9 - i : kWidth - 10 + i;
      for (int y = top + i; y < top + 7 - i; ++y) want.SetPixel(x, y, f);
    }
    test::ExpectSameBitmap(got.Bitmap, want);
    const int textLeft = rtl ? kWidth - 26 - 4 - 4 * kChar : 30;
    ASSERT_EQ(got.Runs.size(), 1u);
    EXPECT_EQ(got.Runs[0].Origin.X, textLeft) << rtl;
  }
}

}  // namespace
}  // namespace skin
