// The menu tests' palette: our own skin's menu colours and check mark.
#ifndef QUILLORY_SKIN_MENU_TESTS_MENU_TEST_UTIL_H_
#define QUILLORY_SKIN_MENU_TESTS_MENU_TEST_UTIL_H_

#include "skin/frame/tests/frame_test_util.h"
#include "skin/menu/menu_item_paint.h"

namespace skin::test {

inline TMenuPalette OwnPalette() {
  const TSkinMetrics m = OwnMetrics();
  TMenuPalette p;
  for (int i = 0; i < kMenuColorCount; ++i) p.Colors[i] = m.MenuColors[i];
  p.DisabledFontColor = m.DisabledMenuFontColor;
  p.CheckGlyph = OwnSkin().GetBitmap(TSkinBitmapKey::CheckedMenuIcon);
  p.CheckTransColor = m.TransColor;
  return p;
}

// Compares two bitmaps pixel by pixel, naming the first difference.
inline void ExpectSameBitmap(const TBitmap& AGot, const TBitmap& AWant) {
  ASSERT_EQ(AGot.Width(), AWant.Width());
  ASSERT_EQ(AGot.Height(), AWant.Height());
  for (int y = 0; y < AWant.Height(); ++y) {
    for (int x = 0; x < AWant.Width(); ++x) {
      ASSERT_EQ(AGot.Pixel(x, y), AWant.Pixel(x, y)) << "at " << x << "," << y;
    }
  }
}

}  // namespace skin::test

#endif  // QUILLORY_SKIN_MENU_TESTS_MENU_TEST_UTIL_H_
