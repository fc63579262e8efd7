// The combo box's skinned frame and button, and the overlay drop-down and
// up-down buttons, pixel by pixel.
#include "skin/controls/paint_combo.h"

#include <gtest/gtest.h>

#include "skin/controls/tests/skin_fake_source.h"
#include "skin/draw/bitmap_canvas.h"

namespace skin::test {
namespace {

constexpr TColor kBorder = 0x00B00000u, kControl = 0x00E0E0E0u, kOn = 0x0000C0C0u,
                 kDown = 0x0000D000u, kInner = 0x00F0F0F0u, kToolBorder = 0x00800080u;

TFakeSkin Colours() {
  TFakeSkin skin;
  skin.Colors = {{TSkinColorKey::ControlBorderColor, kBorder},
                 {TSkinColorKey::ControlColor, kControl},
                 {TSkinColorKey::ToolBarOnColor, kOn},
                 {TSkinColorKey::ToolBarDownColor, kDown},
                 {TSkinColorKey::ToolBarBorderColor, kToolBorder}};
  return skin;
}

const std::vector<std::pair<TColor, char>> kKey = {
    {kBackground, '.'}, {kBorder, 'B'}, {kControl, 'c'},  {kOn, 'h'},       {kDown, 'd'},
    {kInner, 'i'},      {0, '#'},       {0x808080u, 'g'}, {0xFFFFFFu, 'w'}, {kToolBorder, 'T'}};

TEST(PaintComboTest, FrameButtonLineAndArrow) {
  {
    TBitmap target(20, 11, kBackground);
    TBitmapCanvas canvas(target);
    PaintComboBoxSkin(canvas, Colours(), {{0, 0, 20, 11}, {8, 2, 18, 9}, kInner, true, false});
    EXPECT_EQ(Picture(target, kKey), (std::vector<std::string>{
                                         "BBBBBBBBBBBBBBBBBBBB",
                                         "BiiiiiiiiiiiiiiiiiiB",
                                         "Bi......BccccccccciB",
                                         "Bi......B#######cciB",
                                         "Bi......Bc#####ccciB",
                                         "Bi......Bcc###cccciB",
                                         "Bi......Bccc#ccccciB",
                                         "Bi......BccccccccciB",
                                         "Bi......BccccccccciB",
                                         "BiiiiiiiiiiiiiiiiiiB",
                                         "BBBBBBBBBBBBBBBBBBBB",
                                     }));
  }
  // Right to left and disabled: the line on the button's right column, the
  // arrow grey over its white shadow one pixel down and right.
  TBitmap target(20, 11, kBackground);
  TBitmapCanvas canvas(target);
  const TRect button{2, 2, 12, 9};
  PaintComboBoxSkin(canvas, Colours(), {{0, 0, 20, 11}, button, kInner, false, true});
  const auto got = Picture(target, kKey);
  EXPECT_EQ(DropArrowOrigin(button), (TPoint{3, 3}));
  EXPECT_EQ(got[3][11], 'B');
  EXPECT_EQ(got[3][2], 'c');
  EXPECT_EQ(got[3].substr(3, 7), "ggggggg");
  EXPECT_EQ(got[4].substr(4, 7), "gggggww");
  EXPECT_EQ(got[7][7], 'w');
}

TEST(PaintComboTest, DropButtonStates) {
  const struct {
    TDropButtonState State;
    char Fill;
    TPoint Arrow;
    char ArrowColour;
  } cases[] = {
      {TDropButtonState::Normal, 'c', {4, 4}, '#'},
      {TDropButtonState::Hot, 'h', {4, 4}, '#'},
      {TDropButtonState::Pressed, 'd', {5, 5}, '#'},
      {TDropButtonState::Disabled, 'c', {4, 4}, 'g'},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.State));
    TBitmap target(15, 12, kBackground);
    TBitmapCanvas canvas(target);
    PaintDropButton(canvas, Colours(), {15, 12}, c.State, false);
    const auto got = Picture(target, kKey);
    for (int y = 0; y < 12; ++y) EXPECT_EQ(got[y][0], 'B') << y;
    EXPECT_EQ(got[0][1], c.Fill);
    EXPECT_EQ(got[11][14], c.Fill);
    // The arrow's rows of 7, 5, 3, 1 from its origin.
    for (int row = 0; row < 4; ++row) {
      for (int x = 0; x < 7; ++x) {
        const bool in = x >= row && x < 7 - row;
        const char want =
            in ? c.ArrowColour : (c.State == TDropButtonState::Disabled ? '?' : c.Fill);
        if (!in && c.State == TDropButtonState::Disabled) continue;  // the shadow shows there
        EXPECT_EQ(got[c.Arrow.Y + row][c.Arrow.X + x], want) << row << "," << x;
      }
    }
    if (c.State == TDropButtonState::Disabled) {
      EXPECT_EQ(got[c.Arrow.Y + 4][c.Arrow.X + 4], 'w');
    }
  }
  // Right to left: the line moves to the right column.
  TBitmap target(15, 12, kBackground);
  TBitmapCanvas canvas(target);
  PaintDropButton(canvas, Colours(), {15, 12}, TDropButtonState::Normal, true);
  EXPECT_EQ(target.Pixel(14, 6), kBorder);
  EXPECT_EQ(target.Pixel(0, 6), kControl);
}

TEST(PaintComboTest, SpinButtonsArrowsAndPressedHalf) {
  TBitmap target(11, 14, kBackground);
  TBitmapCanvas canvas(target);
  PaintSpinButtons(canvas, Colours(), {11, 14}, -1, true);
  EXPECT_EQ(Picture(target, kKey), (std::vector<std::string>{
                                       "TTTTTTTTTTT",
                                       "Tdddd#ddddT",
                                       "Tdcc###ccdT",
                                       "Tdc#####cdT",
                                       "Td#######dT",
                                       "TdddddddddT",
                                       "TTTTTTTTTTT",
                                       "TTTTTTTTTTT",
                                       "Tc#######cT",
                                       "Tcc#####ccT",
                                       "Tccc###cccT",
                                       "Tcccc#ccccT",
                                       "TcccccccccT",
                                       "TTTTTTTTTTT",
                                   }));
}

}  // namespace
}  // namespace skin::test
