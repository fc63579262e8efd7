// The up-down control's halves.
#include "skin/controls/paint_updown.h"

#include <gtest/gtest.h>

#include "skin/draw/bitmap_canvas.h"
#include "skin/draw/tests/draw_test_util.h"

namespace skin::test {
namespace {

class TColours : public TzelSkinSource {
 public:
  bool GetBitmap(TSkinBitmapKey, TBitmap&, int, int) const override { return false; }
  TColor GetColor(TSkinColorKey AKey) const override {
    return AKey == TSkinColorKey::ToolBarBorderColor ? 0x00B00000u
           : AKey == TSkinColorKey::ToolBarDownColor ? 0x0000D000u
                                                     : 0u;
  }
  bool GetBool(TSkinBoolKey) const override { return false; }
  TColor TransColor() const override { return kMagenta; }
};

TEST(PaintUpDownTest, WhichHalf) {
  const struct {
    TPoint At;
    bool Vertical;
    int Half;
  } cases[] = {
      {{5, 0}, true, -1},  {{5, 10}, true, -1}, {{5, 11}, true, 1},  // 16 x 23: split at 11
      {{5, 22}, true, 1},  {{5, 23}, true, 0},  {{-1, 3}, true, 0},
      {{7, 5}, false, -1}, {{8, 5}, false, 1},  {{16, 5}, false, 0},  // split at 8
  };
  for (const auto& c : cases) {
    EXPECT_EQ(UpDownHalf(c.At, {16, 23}, c.Vertical), c.Half) << c.At << c.Vertical;
  }
}

TEST(PaintUpDownTest, OutlinesAndThePressedHalf) {
  TBitmap target(6, 8, kBackground);
  TBitmapCanvas canvas(target);
  PaintUpDownHalves(canvas, TColours(), {6, 8}, true, 1);
  EXPECT_EQ(Picture(target, {{kBackground, '.'}, {0x00B00000u, 'B'}, {0x0000D000u, 'D'}}),
            (std::vector<std::string>{
                "BBBBBB",
                "B....B",
                "B....B",
                "BBBBBB",
                "BBBBBB",
                "BDDDDB",
                "BDDDDB",
                "BBBBBB",
            }));
}

}  // namespace
}  // namespace skin::test
