// Quillory's own skin as compiled into the program, and the skin source
// parser it is built from.
#include "skin/own/own_skin.h"

#include <gtest/gtest.h>

#include "skin/compiler/skin_source.h"
#include "skin/reader/zel_skin_reader.h"
#include "skin/reader/zel_skin_res.h"
#include "skin/tests/test_files.h"

namespace skin::test {
namespace {

struct TSize {
  TSkinBitmapKey Key;
  int Width, Height;
};

const TSize kSizes[] = {
    {TSkinBitmapKey::TitleBar1, 15, 31},
    {TSkinBitmapKey::TitleBar2, 360, 31},
    {TSkinBitmapKey::TitleBar3, 18, 31},
    {TSkinBitmapKey::FormLeftBorder, 3, 118},
    {TSkinBitmapKey::FormRightBorder, 3, 118},
    {TSkinBitmapKey::FormBottomBorder1, 37, 24},
    {TSkinBitmapKey::FormBottomBorder2, 341, 24},
    {TSkinBitmapKey::FormBottomBorder3, 15, 24},
    {TSkinBitmapKey::MinimizedTitle, 104, 21},
    {TSkinBitmapKey::TitleButtons, 450, 25},
    {TSkinBitmapKey::CheckedMenuIcon, 16, 16},
    {TSkinBitmapKey::MenuBar, 34, 23},
    {TSkinBitmapKey::ToolBar, 29, 42},
    {TSkinBitmapKey::Button, 225, 21},
    {TSkinBitmapKey::CheckBox, 78, 13},
    {TSkinBitmapKey::CheckBoxList, 44, 11},
    {TSkinBitmapKey::RadioButton, 52, 13},
    {TSkinBitmapKey::ProgressBar1, 2, 12},
    {TSkinBitmapKey::ProgressBar2, 16, 12},
    {TSkinBitmapKey::ProgressBar3, 14, 12},
    {TSkinBitmapKey::ProgressBar4, 2, 12},
    {TSkinBitmapKey::TrackBar, 60, 6},
    {TSkinBitmapKey::TrackBarSlider, 11, 21},
    {TSkinBitmapKey::TrackBarVSlider, 21, 11},
    {TSkinBitmapKey::ScrollBarUpButton, 51, 17},
    {TSkinBitmapKey::ScrollBar, 17, 62},
    {TSkinBitmapKey::ScrollBarDownButton, 51, 17},
    {TSkinBitmapKey::TabControl, 24, 22},
    {TSkinBitmapKey::TabControlLine, 34, 1},
    {TSkinBitmapKey::SideChannelBar, 8, 84},
    {TSkinBitmapKey::SideChannelTitle, 35, 22},
    {TSkinBitmapKey::ScrollButton, 72, 18},
};

class OwnSkinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto data = OwnSkinData();
    WriteFileBytes(FDir / "quillory.zsk", {data.begin(), data.end()});
    FReader.LoadSkin(FDir / "quillory.zsk", "");
  }
  TScratchDir FDir;
  TzelSkinReader FReader;
};

TEST_F(OwnSkinTest, HoldsEveryKeyAtItsSize) {
  ASSERT_TRUE(FReader.Ready());
  const Tsk2SkinFileReader& file = *FReader.FileReader();
  EXPECT_EQ(file.BitmapCount(), 32u);
  EXPECT_EQ(file.IntegerCount(), 32u + 9u);
  EXPECT_EQ(file.BooleanCount(), 9u);
  EXPECT_EQ(file.TextCount(), 0u);
  for (const TSize& s : kSizes) {
    const TBitmap* b = FReader.GetBitmap(s.Key);
    ASSERT_NE(b, nullptr) << SkinKeyName(s.Key);
    EXPECT_EQ(b->Width(), s.Width) << SkinKeyName(s.Key);
    EXPECT_EQ(b->Height(), s.Height) << SkinKeyName(s.Key);
    EXPECT_TRUE(b->Transparent());
  }
  EXPECT_EQ(FReader.GetBitmap(TSkinBitmapKey::TitleBar4), nullptr);
  EXPECT_EQ(FReader.GetBitmap(TSkinBitmapKey::TitleBar5), nullptr);
  for (int k = 0; k < kSkinColorCount; ++k) {
    EXPECT_NE(FReader.GetColor(static_cast<TSkinColorKey>(k)), -1) << k;
  }
  // The records come in the order of the key table.
  ASSERT_EQ(file.Records().size(), 82u);
  EXPECT_EQ(file.Records()[0].Name, "SKIN2_TRANSCOLOR");
  EXPECT_EQ(file.Records()[32].Name, "SKIN2_TITLEBAR1");
  EXPECT_EQ(file.Records()[81].Name, "SKIN2_TABCONTROLTRANS");
}

TEST_F(OwnSkinTest, ColoursIntegersAndSwitches) {
  using C = TSkinColorKey;
  const std::pair<C, std::int32_t> colours[] = {
      {C::TransColor, 0x00FF00FF},         {C::TitleFontColor, 0x006E1500},
      {C::FormColor, 0x00EDCDB3},          {C::MenuBarStartColor, 0x00FFDBBF},
      {C::MenuBarEndColor, 0x00FFDBBF},    {C::ControlColor, 0x00F4E6DA},
      {C::ControlBorderColor, 0x00CAAF9B}, {C::ControlFontColor, 0x006E1500},
      {C::ButtonFontColor, 0x006E1500},    {C::ScrollBarColor, 0x00F3F4F4}};
  for (auto [key, value] : colours) EXPECT_EQ(FReader.GetColor(key), value) << SkinKeyName(key);
  const int integers[9] = {8, 5, 5, 6, 4, 0, 3, 20, 23};
  for (int k = 0; k < 9; ++k) {
    EXPECT_EQ(FReader.GetInteger(static_cast<TSkinIntegerKey>(k)), integers[k]) << k;
  }
  const bool switches[9] = {false, true, true, true, false, false, false, true, true};
  for (int k = 0; k < 9; ++k) {
    EXPECT_EQ(FReader.GetBool(static_cast<TSkinBoolKey>(k)), switches[k]) << k;
  }
}

TEST_F(OwnSkinTest, ShapesAndDerivedSets) {
  // Title corners are keyed out in the scanned rows; the track bar's are
  // the form colour now.
  EXPECT_EQ(FReader.GetBitmap(TSkinBitmapKey::TitleBar1)->Pixel(0, 0), 0x00FF00FFu);
  EXPECT_NE(FReader.GetBitmap(TSkinBitmapKey::TitleBar1)->Pixel(7, 10), 0x00FF00FFu);
  EXPECT_EQ(FReader.GetBitmap(TSkinBitmapKey::FormBottomBorder3)->Pixel(14, 23), 0x00FF00FFu);
  EXPECT_EQ(FReader.GetBitmap(TSkinBitmapKey::TrackBar)->Pixel(0, 0), 0x00EDCDB3u);

  TzelSkinScrollBtnRes scroll;
  scroll.SetReader(&FReader);
  EXPECT_FALSE(scroll.MacOS());
  EXPECT_EQ(scroll.SliderWidth(), 17);
  EXPECT_EQ(scroll.GetVBtn(1).Width(), 17);
  // The plain grip turns left, and no transparent pixel is left.
  EXPECT_EQ(scroll.GetHSlider(3).Height(), 17);
  for (int i = 1; i <= 5; ++i) {
    const TBitmap& piece = scroll.GetVSlider(i);
    for (int y = 0; y < piece.Height(); ++y)
      for (int x = 0; x < piece.Width(); ++x) ASSERT_NE(piece.Pixel(x, y), 0x00FF00FFu);
  }
}

TEST(SkinSourceTest, ParsesKindsAndRejectsMistakes) {
  auto records = ParseSkinSource(
      "# comment\n\ncolor SKIN2_FORMCOLOR 0x00EDCDB3\r\n  boolean X true\ntext T two words\n");
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[0].Kind, sk2::TRecordKind::Integer);
  EXPECT_EQ(records[0].Value, "0x00EDCDB3");
  EXPECT_EQ(records[2].Value, "two words");
  EXPECT_EQ(records[2].Line, 5);

  for (const char* bad :
       {"picture X a.bmp\n", "integer\n", "integer X\n",
        "color AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA 1\n"}) {
    EXPECT_THROW(ParseSkinSource(bad), ESkinSourceError) << bad;
  }
  TScratchDir dir;
  for (const char* bad : {"integer X 12z\n", "integer X 0x1FFFFFFFF\n", "bitmap X missing.bmp\n"}) {
    EXPECT_THROW(CompileSkinDescription(ParseSkinSource(bad), dir.Path()), ESkinSourceError) << bad;
  }
}

}  // namespace
}  // namespace skin::test
