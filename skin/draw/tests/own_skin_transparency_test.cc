// Our own skin, as compiled into the program: every strip that holds the
// transparent colour has its transparency switch set, so its keyed-out
// pixels are never painted as magenta.
#include <gtest/gtest.h>

#include "skin/own/own_skin.h"
#include "skin/reader/zel_skin_reader.h"
#include "skin/tests/test_files.h"

namespace skin::test {
namespace {

bool HoldsColour(const TBitmap& ABitmap, TColor AColour) {
  for (int y = 0; y < ABitmap.Height(); ++y) {
    for (int x = 0; x < ABitmap.Width(); ++x) {
      if (ABitmap.Pixel(x, y) == AColour) return true;
    }
  }
  return false;
}

TEST(OwnSkinTransparencyTest, EveryStripWithTheTransparentColourHasItsSwitch) {
  TScratchDir dir;
  auto data = OwnSkinData();
  WriteFileBytes(dir / "quillory.zsk", {data.begin(), data.end()});
  TzelSkinReader reader;
  reader.LoadSkin(dir / "quillory.zsk", "");
  ASSERT_TRUE(reader.Ready());
  const TColor trans = static_cast<TColor>(reader.GetColor(TSkinColorKey::TransColor));
  ASSERT_EQ(trans, 0x00FF00FFu);

  using B = TSkinBitmapKey;
  using S = TSkinBoolKey;
  const std::pair<B, S> strips[] = {{B::TitleButtons, S::TitleBtnTrans},
                                    {B::Button, S::ButtonTrans},
                                    {B::CheckBox, S::CheckBoxTrans},
                                    {B::RadioButton, S::RadioButtonTrans},
                                    {B::TabControl, S::TabControlTrans}};
  int holding = 0;
  for (auto [bitmap, key] : strips) {
    const TBitmap* strip = reader.GetBitmap(bitmap);
    ASSERT_NE(strip, nullptr) << SkinKeyName(bitmap);
    if (!HoldsColour(*strip, trans)) continue;
    ++holding;
    EXPECT_TRUE(reader.GetBool(key)) << SkinKeyName(bitmap) << " holds the transparent colour but "
                                     << SkinKeyName(key) << " is not set";
  }
  // The round radio buttons and the tabs' top corners are keyed out.
  EXPECT_TRUE(HoldsColour(*reader.GetBitmap(B::RadioButton), trans));
  EXPECT_TRUE(HoldsColour(*reader.GetBitmap(B::TabControl), trans));
  EXPECT_GE(holding, 2);
}

}  // namespace
}  // namespace skin::test
