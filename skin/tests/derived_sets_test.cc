// The derived image sets on small synthetic skins.
#include <gtest/gtest.h>

#include "skin/bitmap/image_routines.h"
#include "skin/reader/zel_skin_res.h"
#include "skin/tests/skin_test_util.h"
#include "skin/tests/test_files.h"

namespace skin::test {
namespace {

constexpr TColor kTrans = 0x00FF00FF;
constexpr TColor kBar = 0x00F3F4F4;

// A thumb AWidth x AHeight whose row y has colour y + 1, with a transparent
// pixel in the first column of every row.
TBitmap Thumb(int AWidth, int AHeight) {
  TBitmap b(AWidth, AHeight);
  for (int y = 0; y < AHeight; ++y)
    for (int x = 0; x < AWidth; ++x) b.SetPixel(x, y, x == 0 ? kTrans : static_cast<TColor>(y + 1));
  return b;
}

// Button strip of three 4 x 5 frames, frame i filled with colour 100 + i.
TBitmap ButtonStrip(TColor ABase) {
  TBitmap b(12, 5);
  for (int x = 0; x < 12; ++x)
    for (int y = 0; y < 5; ++y) b.SetPixel(x, y, ABase + x / 4 + (y == 0 ? 0x10000 : 0));
  return b;
}

class DerivedSetsTest : public ::testing::Test {
 protected:
  void Load(const TBitmap& AThumb, TColor ABarColor = kBar) {
    TSk2DescriptionWriter w;
    w.AddInteger("SKIN2_TRANSCOLOR", static_cast<std::int32_t>(kTrans));
    w.AddInteger("SKIN2_SCROLLBARCOLOR", static_cast<std::int32_t>(ABarColor));
    w.AddBitmap("SKIN2_SCROLLBARUPBUTTON", SaveBmp(ButtonStrip(100)));
    w.AddBitmap("SKIN2_SCROLLBARDOWNBUTTON", SaveBmp(ButtonStrip(200)));
    w.AddBitmap("SKIN2_SCROLLBAR", SaveBmp(AThumb));
    for (int i = 1; i <= 4; ++i) {
      w.AddBitmap("SKIN2_PROGRESSBAR" + std::to_string(i), PlainBmp(i, 12, static_cast<TColor>(i)));
    }
    TBitmap tabs(8, 3);
    for (int x = 0; x < 8; ++x) tabs.SetPixel(x, 0, x < 4 ? 1 : 2);
    w.AddBitmap("SKIN2_TABCONTROL", SaveBmp(tabs));
    w.AddBitmap("SKIN2_TABCONTROLLINE", PlainBmp(5, 1, 7));
    WriteFileBytes(FDir / "skin.zsk", ArchiveOf(w.Finish()));
    FReader.LoadSkin(FDir / "skin.zsk", "");
    FScroll.SetReader(&FReader);
  }

  TScratchDir FDir;
  TzelSkinReader FReader;
  TzelSkinScrollBtnRes FScroll;
};

TEST_F(DerivedSetsTest, ThumbIsCutIntoCapsBodiesAndGrip) {
  Load(Thumb(9, 20));  // h = (20 - 6) / 3 = 4
  const int heights[5] = {3, 4, 6, 4, 3};
  const int firstRow[5] = {0, 3, 7, 13, 17};
  for (int i = 1; i <= 5; ++i) {
    const TBitmap& piece = FScroll.GetVSlider(i);
    ASSERT_EQ(piece.Height(), heights[i - 1]) << i;
    EXPECT_EQ(piece.Width(), 9);
    EXPECT_EQ(piece.Pixel(3, 0), static_cast<TColor>(firstRow[i - 1] + 1)) << i;
    EXPECT_EQ(piece.Pixel(0, 0), kBar) << "transparent colour replaced in piece " << i;
  }
  EXPECT_EQ(FScroll.SliderWidth(), 9);
  EXPECT_FALSE(FScroll.MacOS());
  // A plain grip: the horizontal pieces are the vertical ones turned left.
  for (int i = 1; i <= 5; ++i) {
    TBitmap turned = FScroll.GetVSlider(i);
    RotateLeft(turned);
    EXPECT_TRUE(turned == FScroll.GetHSlider(i)) << i;
  }
  // Buttons: frames of the strips, horizontal ones turned left.
  EXPECT_EQ(FScroll.GetVBtn(2).Pixel(1, 1), 101u);
  EXPECT_EQ(FScroll.GetVBtn(6).Pixel(1, 1), 202u);
  TBitmap up = FScroll.GetVBtn(1);
  RotateLeft(up);
  EXPECT_TRUE(up == FScroll.GetHBtn(1));
}

TEST_F(DerivedSetsTest, ShortThumbGivesBlankOneRowPieces) {
  Load(Thumb(9, 6));
  for (int i = 2; i <= 4; ++i) {
    const TBitmap& piece = FScroll.GetVSlider(i);
    EXPECT_EQ(piece.Height(), 1) << i;
    EXPECT_EQ(piece.Width(), 9) << i;
    for (int x = 0; x < 9; ++x) EXPECT_EQ(piece.Pixel(x, 0), kBar);
  }
  EXPECT_EQ(FScroll.GetVSlider(1).Height(), 3);
  EXPECT_EQ(FScroll.GetVSlider(5).Pixel(4, 2), 6u);
}

TEST_F(DerivedSetsTest, PatternedGripTurnsPiecesRightAndSwapsButtons) {
  TBitmap thumb = Thumb(17, 20);
  for (int x = 0; x < 17; ++x) thumb.SetPixel(x, 8, static_cast<TColor>(0x300 + x));  // grip row 1
  Load(thumb);
  for (int i = 1; i <= 5; ++i) {
    TBitmap turned = FScroll.GetVSlider(i);
    RotateRight(turned);
    EXPECT_TRUE(turned == FScroll.GetHSlider(6 - i)) << i;
  }
  TBitmap down = FScroll.GetVBtn(4);
  RotateLeft(down);
  Rotate180(down);
  EXPECT_TRUE(down == FScroll.GetHBtn(1));
}

TEST_F(DerivedSetsTest, WholeThumbStyleIsRecognised) {
  TBitmap thumb = Thumb(15, 33);
  thumb.SetPixel(1, 10, 0x00B23901);
  Load(thumb, 0x00CBCBCB);
  EXPECT_TRUE(FScroll.MacOS());
  EXPECT_EQ(FScroll.FullVS().Height(), 33);
  EXPECT_EQ(FScroll.FullHS().Width(), 33);
  EXPECT_EQ(FScroll.FullVS().Pixel(1, 10), 0x00B23901u);
}

TEST_F(DerivedSetsTest, ProgressAndTabSets) {
  Load(Thumb(9, 20));
  TzelSkinProgressBarRes progress;
  progress.SetReader(&FReader);
  EXPECT_EQ(progress.BorderWidth1(), 1);
  EXPECT_EQ(progress.BorderWidth2(), 4);
  EXPECT_EQ(progress.GetV(3).Width(), 12);
  EXPECT_EQ(progress.GetV(3).Height(), 3);
  EXPECT_TRUE(progress.GetH(5).Empty());

  TzelSkinTabRes tabs;
  tabs.SetReader(&FReader);
  EXPECT_EQ(tabs.GetTopPage(true).Pixel(0, 0), 1u);   // frame 1: active
  EXPECT_EQ(tabs.GetTopPage(false).Pixel(0, 0), 2u);  // frame 2: inactive
  EXPECT_EQ(tabs.GetLeftBar().Width(), 1);
  EXPECT_EQ(tabs.GetLeftBar().Height(), 5);
  EXPECT_EQ(tabs.GetBottomPage(true).Pixel(3, 2), 1u);
  EXPECT_EQ(tabs.GetRightPage(false).Width(), 3);

  TzelSkinReader empty;
  tabs.SetReader(&empty);
  EXPECT_TRUE(tabs.GetTopBar().Empty());
  EXPECT_TRUE(tabs.GetTopPage(true).Empty());
  tabs.SetReader(nullptr);
  EXPECT_TRUE(tabs.GetRightPage(false).Empty());
}

}  // namespace
}  // namespace skin::test
