// The list view header's painter on the bitmap canvas.
#include "skin/controls/paint_header.h"

#include <gtest/gtest.h>

#include "skin/draw/bitmap_canvas.h"
#include "skin/draw/tests/draw_test_util.h"

namespace skin::test {
namespace {

constexpr TColor kFill = 0x00F4E6DA, kBorder = 0x00CAAF9B, kFont = 0x006E1500;

class TColours : public TzelSkinSource {
 public:
  bool GetBitmap(TSkinBitmapKey, TBitmap&, int, int) const override { return false; }
  TColor GetColor(TSkinColorKey AKey) const override {
    switch (AKey) {
      case TSkinColorKey::ControlColor:
        return kFill;
      case TSkinColorKey::ControlBorderColor:
        return kBorder;
      case TSkinColorKey::ControlFontColor:
        return kFont;
      default:
        return 0;
    }
  }
  bool GetBool(TSkinBoolKey) const override { return false; }
  TColor TransColor() const override { return kMagenta; }
};

TEST(PaintHeaderTest, CellsDividersBottomLineAndCaptions) {
  TBitmap target(12, 5, kBackground);
  TBitmapCanvas canvas(target);
  const THeaderItem items[] = {{{0, 0, 4, 5}, u""}, {{4, 0, 9, 5}, u""}};
  PaintHeader(canvas, TColours(), {12, 5}, items);
  EXPECT_EQ(Picture(target, {{kFill, '.'}, {kBorder, 'B'}}), (std::vector<std::string>{
                                                                 "...B....B...",
                                                                 "...B....B...",
                                                                 "...B....B...",
                                                                 "...B....B...",
                                                                 "BBBBBBBBBBBB",
                                                             }));
}

TEST(PaintHeaderTest, CaptionsShortenedAndCentredAboveTheBottomLine) {
  TBitmap target(200, 20, kBackground);
  TBitmapCanvas canvas(target);  // 6 pixels a character, lines of 13
  const THeaderItem items[] = {
      {{0, 0, 60, 20}, u"Name"},                // fits in 60 - 12
      {{60, 0, 120, 20}, u"Arbeitsplatzname"},  // 96 wide > 48: 5 characters and "..."
      {{120, 0, 130, 20}, u"X"},                // no room for text
      {{130, 0, 130, 20}, u"Leer"},             // an empty cell
  };
  PaintHeader(canvas, TColours(), {200, 20}, items);
  // Lines of 13 in a cell of 19 above the bottom line: top 3.
  EXPECT_EQ(canvas.TextRuns(),
            (std::vector<TTextRun>{{{6, 3}, u"Name", kFont}, {{66, 3}, u"Arbei...", kFont}}));
  EXPECT_EQ(target.Pixel(59, 0), kBorder);
  EXPECT_EQ(target.Pixel(129, 10), kBorder);
  EXPECT_EQ(target.Pixel(150, 10), kFill);
  EXPECT_EQ(target.Pixel(150, 19), kBorder);
}

}  // namespace
}  // namespace skin::test
