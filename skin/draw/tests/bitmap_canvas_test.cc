// The bitmap canvas's own rules (clipping, masking, text metrics and
// lines), and EllipsisText measured with it.
#include "skin/draw/bitmap_canvas.h"

#include <gtest/gtest.h>

#include "skin/draw/ellipsis_text.h"
#include "skin/draw/tests/draw_test_util.h"

namespace skin::test {
namespace {

TEST(BitmapCanvasTest, BlitsAndFillsClipToTheTarget) {
  TBitmap target(4, 3, kBackground);
  TBitmapCanvas canvas(target);
  canvas.FillRect({-5, 2, 99, 9}, 0x00AA0000);
  canvas.DrawBitmap({-1, -1, 2, 1}, CodedBitmap(5, 5), {1, 1, 4, 3}, TStretchMode::Nearest);
  EXPECT_EQ(target.Pixel(0, 0), Coded(2, 2));
  EXPECT_EQ(target.Pixel(1, 0), Coded(3, 2));
  EXPECT_EQ(target.Pixel(2, 0), kBackground);
  EXPECT_EQ(target.Pixel(3, 2), 0x00AA0000u);
  EXPECT_EQ(target.Pixel(3, 1), kBackground);
  // A source rectangle outside the source draws nothing.
  canvas.DrawBitmap({0, 0, 4, 3}, CodedBitmap(5, 5), {3, 3, 6, 5}, TStretchMode::Nearest);
  canvas.DrawBitmapMasked({0, 0, 4, 3}, CodedBitmap(5, 5), {-1, 0, 2, 2}, kMagenta);
  EXPECT_EQ(target.Pixel(3, 1), kBackground);
}

TEST(BitmapCanvasTest, MaskedStretchSkipsTheMaskedSourcePixels) {
  TBitmap source = CodedBitmap(2, 1);
  source.SetPixel(1, 0, kMagenta);
  TBitmap target(4, 1, kBackground);
  TBitmapCanvas canvas(target);
  canvas.DrawBitmapMasked({0, 0, 4, 1}, source, BoundsOf(source), kMagenta);
  EXPECT_EQ(target.Pixel(1, 0), Coded(0, 0));
  EXPECT_EQ(target.Pixel(2, 0), kBackground);
  EXPECT_EQ(target.Pixel(3, 0), kBackground);
}

// The device's own mapping, as GDI gave it for these sizes.
TEST(StretchSourceTest, MapsAsTheDeviceDoes) {
  struct {
    int Source, Target;
    std::vector<int> Columns, Rows;
  } cases[] = {
      {2, 4, {0, 0, 1, 1}, {0, 0, 1, 1}},
      {2, 5, {0, 0, 0, 1, 1}, {0, 0, 0, 1, 1}},
      {5, 8, {0, 0, 1, 2, 2, 3, 4, 4}, {0, 0, 1, 2, 2, 3, 4, 4}},
      {4, 9, {0, 0, 1, 1, 1, 2, 2, 3, 3}, {0, 0, 1, 1, 1, 2, 2, 3, 3}},
      {5, 13, {0, 0, 0, 1, 1, 2, 2, 2, 3, 3, 4, 4, 4}, {0, 0, 0, 1, 1, 2, 2, 2, 3, 3, 4, 4, 4}},
      {3, 3, {0, 1, 2}, {0, 1, 2}},
      {7, 4, {1, 3, 4, 6}, {0, 2, 4, 5}},
      {13, 5, {2, 4, 7, 9, 12}, {0, 3, 5, 8, 10}},
      {11, 4, {2, 5, 7, 10}, {0, 3, 6, 8}},
      {8, 5, {1, 2, 4, 5, 7}, {0, 2, 3, 5, 6}},
      {5, 2, {2, 4}, {0, 3}},
      {4, 1, {3}, {0}},
      {10, 3, {2, 6, 9}, {0, 3, 7}},
  };
  for (const auto& c : cases) {
    std::vector<int> columns, rows;
    for (int t = 0; t < c.Target; ++t) {
      columns.push_back(StretchSource(t, c.Target, c.Source, TAxis::Columns));
      rows.push_back(StretchSource(t, c.Target, c.Source, TAxis::Rows));
    }
    EXPECT_EQ(columns, c.Columns) << c.Source << "->" << c.Target;
    EXPECT_EQ(rows, c.Rows) << c.Source << "->" << c.Target;
  }
}

TEST(BitmapCanvasTest, WrapsAtSpacesAndCentresLines) {
  TBitmap target(80, 40);
  TBitmapCanvas canvas(target);
  EXPECT_EQ(canvas.TextExtent(u"Dienst neu starten"), (TSize{108, 13}));
  EXPECT_EQ(canvas.TextExtent(u"Dienst neu starten", 71), (TSize{60, 26}));
  // A word wider than the width keeps a line of its own.
  EXPECT_EQ(canvas.TextExtent(u"ab Verzeichnisauswahl c", 30), (TSize{108, 39}));
  canvas.PaintText({0, 0, 71, 40}, u"Dienst neu starten", 7, {.WordWrap = true, .Centred = true});
  EXPECT_EQ(canvas.TextRuns(),
            (std::vector<TTextRun>{{{5, 7}, u"Dienst neu", 7}, {{14, 20}, u"starten", 7}}));
}

class EllipsisTextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // 6 pixels a character, 'W' 10, '.' 2: "..." is 6 wide.
    FCanvas.SetFont([](char16_t C) { return C == u'W' ? 10 : C == u'.' ? 2 : 6; }, 13);
  }
  TBitmap FTarget{1, 1};
  TBitmapCanvas FCanvas{FTarget};
};

TEST_F(EllipsisTextTest, LongestPrefixThatFitsWithTheDots) {
  const struct {
    const char16_t* Text;
    int Width;
    std::u16string Want;
  } cases[] = {
      {u"Konfiguration", 78, u"Konfiguration"},   // exactly fits
      {u"Konfiguration", 77, u"Konfigurati..."},  // 11 x 6 + 6 = 72; 12 x 6 + 6 = 78
      {u"Konfiguration", 66, u"Konfigurat..."},
      {u"Konfiguration", 65, u"Konfigura..."},
      {u"WWWide", 30, u"WW..."},  // 26; "WWW..." is 36
      {u"Konfiguration", 12, u"K..."},
      {u"Konfiguration", 11, u"..."},  // no prefix fits with the dots
      {u"Konfiguration", 5, u""},      // not even the dots
      {u"", 0, u""},
  };
  for (const auto& c : cases) {
    std::u16string got = EllipsisText(FCanvas, c.Text, c.Width);
    EXPECT_EQ(got, c.Want) << c.Width;
    EXPECT_LE(FCanvas.TextExtent(got).Width, std::max(0, c.Width));
  }
}

TEST_F(EllipsisTextTest, NeverSplitsASurrogatePair) {
  // u"a" + U+1F600 (two code units, 12 pixels) + u"bcd".
  const std::u16string text =
      u"a\xD83D\xDE00"
      u"bcd";
  EXPECT_EQ(EllipsisText(FCanvas, text, 17), u"a...");
  EXPECT_EQ(EllipsisText(FCanvas, text, 24), u"a\xD83D\xDE00...");
}

}  // namespace
}  // namespace skin::test
