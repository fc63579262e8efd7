// The button painters against the pixels of our own skin's strips.
#include "skin/controls/paint_buttons.h"

#include <gtest/gtest.h>

#include "skin/bitmap/image_routines.h"
#include "skin/draw/bitmap_canvas.h"
#include "skin/own/own_skin.h"
#include "skin/tests/own_skin_fixture.h"
#include "skin/tests/test_files.h"

namespace skin::test {
namespace {

constexpr TColor kParent = 0x00102030;
constexpr TColor kControl = 0x00405060;

class PaintButtonsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    LoadOwnSkin(FDir, FReader);
  }
  TBitmap Frame(TSkinBitmapKey AKey, int AIndex, int ACount) {
    TBitmap b;
    EXPECT_TRUE(FSkin.GetBitmap(AKey, b, AIndex, ACount));
    return b;
  }
  // The frame's pixel as painted over ABehind.
  TColor Over(const TBitmap& AFrame, int AX, int AY, TColor ABehind, bool ATransparent) {
    const TColor c = AFrame.Pixel(AX, AY);
    return ATransparent && c == FSkin.TransColor() ? ABehind : c;
  }

  TScratchDir FDir;
  TzelSkinReader FReader;
  TReaderSkinSource FSkin{FReader};
};

TEST_F(PaintButtonsTest, PushButtonShowsTheStateFrameCornersOnTheParentColour) {
  const bool trans = FSkin.GetBool(TSkinBoolKey::ButtonTrans);
  const struct {
    bool Pressed, Hot;
    int Frame;
    TColor Parent, Behind;
  } cases[] = {
      {false, false, 1, kParent, kParent},
      {false, true, 2, kParent, kParent},
      {true, true, 3, kParent, kParent},
      {true, false, 3, kNoColor, FSkin.FormColor()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Frame);
    TPushButtonLook look;
    look.Size = {75, 25};
    look.ParentColor = c.Parent;
    look.Pressed = c.Pressed;
    look.Hot = c.Hot;
    TBitmap target(75, 25);
    TBitmapCanvas canvas(target);
    PaintPushButton(canvas, FSkin, look);
    const TBitmap frame = Frame(TSkinBitmapKey::Button, c.Frame, kButtonFrames);
    const int w = frame.Width(), h = frame.Height();
    ASSERT_GT(w, 4);
    ASSERT_LE(h, 25);
    // Top-left quarter of the source at the top left, bottom-right one at
    // the bottom right, unscaled.
    for (int y = 0; y < h / 2; ++y) {
      for (int x = 0; x < w / 2; ++x) {
        ASSERT_EQ(target.Pixel(x, y), Over(frame, x, y, c.Behind, trans)) << x << "," << y;
      }
    }
    for (int j = 0; j < h / 2 - 1; ++j) {
      for (int k = 0; k < w / 2 - 1; ++k) {
        ASSERT_EQ(target.Pixel(74 - k, 24 - j), Over(frame, w - 1 - k, h - 1 - j, c.Behind, trans))
            << k << "," << j;
      }
    }
  }
}

TEST_F(PaintButtonsTest, PushButtonCaptionAndFocusRectangle) {
  TPushButtonLook look;
  look.Size = {75, 25};
  look.Caption = u"OK";
  look.FontColor = 0x00000001;
  look.Focused = true;
  TBitmap target(75, 25);
  {
    TBitmapCanvas canvas(target);
    EXPECT_EQ(PaintPushButton(canvas, FSkin, look), (TRect{5, 5, 70, 20}));
    // 12 x 13 text centred: (75 - 12) / 2 = 31, (25 - 13) / 2 = 6.
    ASSERT_EQ(canvas.TextRuns().size(), 1u);
    EXPECT_EQ(canvas.TextRuns()[0], (TTextRun{{31, 6}, u"OK", 0x00000001}));
  }
  look.Pressed = true;
  look.Enabled = false;
  TBitmapCanvas canvas(target);
  EXPECT_EQ(PaintPushButton(canvas, FSkin, look), (TRect{6, 6, 71, 21}));
  ASSERT_EQ(canvas.TextRuns().size(), 1u);
  EXPECT_EQ(canvas.TextRuns()[0], (TTextRun{{32, 7}, u"OK", 0x00808080}));

  look.Focused = false;
  TBitmapCanvas plain(target);
  EXPECT_TRUE(PaintPushButton(plain, FSkin, look).Empty());
}

TEST_F(PaintButtonsTest, GlyphFrameBesideTheCaption) {
  // Two frames of 4 x 4: frame 1 red, frame 2 blue, bottom-left pixel of
  // each the mask colour.
  TBitmap strip(8, 4);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 8; ++x) strip.SetPixel(x, y, x < 4 ? 0x000000FFu : 0x00FF0000u);
  }
  strip.SetPixel(0, 3, 0x00FFFFFF);
  strip.SetPixel(4, 3, 0x00FFFFFF);
  TPushButtonLook look;
  look.Size = {75, 25};
  look.Caption = u"OK";
  look.Glyph.Strip = &strip;
  look.Glyph.NumGlyphs = 2;
  const struct {
    bool Enabled;
    TColor Colour;
  } cases[] = {{true, 0x000000FF}, {false, 0x00FF0000}};
  for (const auto& c : cases) {
    look.Enabled = c.Enabled;
    TBitmap target(75, 25);
    TBitmapCanvas canvas(target);
    PaintPushButton(canvas, FSkin, look);
    // Glyph 4 + spacing 4 + caption 12 = 20 centred, the odd pixel to the
    // far side: glyph at (28, 11).
    EXPECT_NE(target.Pixel(27, 11), c.Colour);
    EXPECT_EQ(target.Pixel(28, 11), c.Colour);
    EXPECT_EQ(target.Pixel(31, 14), c.Colour);
    EXPECT_NE(target.Pixel(28, 14), 0x00FFFFFFu);  // the mask pixel is not drawn
    ASSERT_EQ(canvas.TextRuns().size(), 1u);
    EXPECT_EQ(canvas.TextRuns()[0].Origin, (TPoint{36, 6}));
  }
}

TEST_F(PaintButtonsTest, ImageListPictureTakesTheGlyphsPlace) {
  // A 4 x 4 picture the caller draws is laid out as a glyph of that size;
  // nothing is painted in its place.
  TPushButtonLook look;
  look.Size = {75, 25};
  look.Caption = u"OK";
  look.Glyph.Picture = {4, 4};
  TBitmap target(75, 25);
  TBitmapCanvas canvas(target);
  TPoint at{-1, -1};
  PaintPushButton(canvas, FSkin, look, &at);
  EXPECT_EQ(at, (TPoint{28, 11}));
  ASSERT_EQ(canvas.TextRuns().size(), 1u);
  EXPECT_EQ(canvas.TextRuns()[0].Origin, (TPoint{36, 6}));
  // Without a caller that draws it, the caption stays beside the room.
  TBitmapCanvas again(target);
  PaintPushButton(again, FSkin, look);
  EXPECT_EQ(again.TextRuns()[0].Origin, (TPoint{36, 6}));
}

TEST_F(PaintButtonsTest, CheckBoxFramePerStateAndSide) {
  const bool trans = FSkin.GetBool(TSkinBoolKey::CheckBoxTrans);
  const struct {
    TCheckState State;
    bool Enabled;
    bool RightAligned;
    int Frame;
  } cases[] = {
      {TCheckState::Checked, true, true, 1},   {TCheckState::Grayed, true, true, 2},
      {TCheckState::Unchecked, true, true, 3}, {TCheckState::Checked, false, true, 4},
      {TCheckState::Grayed, false, false, 5},  {TCheckState::Unchecked, false, false, 6},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Frame);
    TBitmap target(120, 21, kParent);
    TBitmapCanvas canvas(target);
    TCheckLook look;
    look.Client = {0, 0, 120, 21};
    look.ControlColor = kControl;
    look.Enabled = c.Enabled;
    look.RightAligned = c.RightAligned;
    const TRect square = PaintCheckBoxBox(canvas, FSkin, look, c.State);
    const TBitmap box = Frame(TSkinBitmapKey::CheckBox, c.Frame, kCheckBoxFrames);
    const TCheckBoxPlacement at =
        PlaceCheckBox(look.Client, {box.Width(), box.Height()}, c.RightAligned, false);
    EXPECT_EQ(square, at.Square);
    EXPECT_EQ(square.Left == 0, c.RightAligned);
    for (int y = 0; y < box.Height(); ++y) {
      for (int x = 0; x < box.Width(); ++x) {
        ASSERT_EQ(target.Pixel(at.Box.X + x, at.Box.Y + y), Over(box, x, y, kControl, trans))
            << x << "," << y;
      }
    }
    // Outside the square the control's own painting stays.
    EXPECT_EQ(target.Pixel(c.RightAligned ? 60 : 5, 10), kParent);
  }
}

TEST_F(PaintButtonsTest, RadioButtonFrames) {
  const bool trans = FSkin.GetBool(TSkinBoolKey::RadioButtonTrans);
  const struct {
    bool Checked, Enabled;
    int Frame;
  } cases[] = {{true, true, 1}, {false, true, 2}, {true, false, 3}, {false, false, 4}};
  for (const auto& c : cases) {
    TBitmap target(80, 17);
    TBitmapCanvas canvas(target);
    TCheckLook look;
    look.Client = {0, 0, 80, 17};
    look.ControlColor = kControl;
    look.Enabled = c.Enabled;
    look.RightAligned = true;
    PaintRadioButtonBox(canvas, FSkin, look, c.Checked);
    const TBitmap box = Frame(TSkinBitmapKey::RadioButton, c.Frame, kRadioButtonFrames);
    const TCheckBoxPlacement at =
        PlaceCheckBox(look.Client, {box.Width(), box.Height()}, true, false);
    for (int y = 0; y < box.Height(); ++y) {
      for (int x = 0; x < box.Width(); ++x) {
        ASSERT_EQ(target.Pixel(at.Box.X + x, at.Box.Y + y), Over(box, x, y, kControl, trans))
            << c.Frame << " at " << x << "," << y;
      }
    }
  }
}

}  // namespace
}  // namespace skin::test
