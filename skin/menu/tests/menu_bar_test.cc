#include <gtest/gtest.h>

#include "skin/draw/bitmap_canvas.h"
#include "skin/draw/fills.h"
#include "skin/draw/tests/draw_test_util.h"
#include "skin/menu/menu_bar_keys.h"
#include "skin/menu/menu_bar_layout.h"
#include "skin/menu/tests/menu_test_util.h"

namespace skin {
namespace {

using A = TMenuBarAction;
using K = TMenuBarKey;

std::vector<TMenuBarItem> Bar(std::initializer_list<const char16_t*> ACaptions) {
  std::vector<TMenuBarItem> items;
  for (const char16_t* c : ACaptions) items.push_back({c, true, true, {}});
  return items;
}

TEST(MenuBarLayout, RowsWrapAndHeightFollows) {
  TBitmap scratch(1, 1);
  TBitmapCanvas canvas(scratch);  // 6 pixels a character, 13 a line
  const auto items = Bar({u"&Datei", u"&Hilfe", u"&Ansicht"});
  // Buttons: 5*6+14 = 44, 44, 7*6+14 = 56 wide; rows 19 high.
  struct TCase {
    int BarWidth;
    std::vector<TRect> Want;
    int Height;
  };
  const TCase cases[] = {
      {500, {{0, 0, 44, 19}, {44, 0, 88, 19}, {88, 0, 144, 19}}, 19},
      {144, {{0, 0, 44, 19}, {44, 0, 88, 19}, {88, 0, 144, 19}}, 19},
      {143, {{0, 0, 44, 19}, {44, 0, 88, 19}, {0, 19, 56, 38}}, 38},
      {50, {{0, 0, 44, 19}, {0, 19, 44, 38}, {0, 38, 56, 57}}, 57},
      {10, {{0, 0, 44, 19}, {0, 19, 44, 38}, {0, 38, 56, 57}}, 57},  // never empty rows
  };
  for (const TCase& c : cases) {
    const TMenuBarLayout l = LayoutMenuBar(canvas, items, c.BarWidth);
    EXPECT_EQ(l.Buttons, c.Want) << c.BarWidth;
    EXPECT_EQ(l.Height, c.Height) << c.BarWidth;
  }
  EXPECT_EQ(LayoutMenuBar(canvas, {}, 500).Height, 0);
  canvas.SetFont([](char16_t) { return 6; }, 20);
  EXPECT_EQ(LayoutMenuBar(canvas, items, 500).RowHeight, 26);

  const TMenuBarLayout l = LayoutMenuBar(canvas, items, 143);
  EXPECT_EQ(MenuBarHitTest(l, {0, 0}), 0);
  EXPECT_EQ(MenuBarHitTest(l, {87, 25}), 1);
  EXPECT_EQ(MenuBarHitTest(l, {60, 30}), 0 - 1);
  EXPECT_EQ(MenuBarHitTest(l, {55, 27}), 2);
}

TEST(MenuBarPaint, BackgroundHotButtonAndLabels) {
  TMenuPalette palette = test::OwnPalette();
  palette.Colors[kMenuBarStart] = 0x00102030;  // a real gradient
  palette.Colors[kMenuBarEnd] = 0x00405060;
  auto items = Bar({u"&Datei", u"&Hilfe", u"&Ansicht"});
  items[2].Enabled = false;
  TBitmap got(160, 19, test::kBackground);
  TBitmapCanvas canvas(got);
  const TMenuBarLayout l = LayoutMenuBar(canvas, items, 160);
  PaintMenuBar(canvas, {0, 0, 160, 19}, l, items, {1}, palette, nullptr);

  TBitmap want(160, 19, test::kBackground);
  TBitmapCanvas w(want);
  DrawGradientV(w, {0, 0, 160, 19}, 0x00102030, 0x00405060);
  w.FillRect({44, 0, 88, 19}, palette.Colors[kTopSelectedBorder]);
  w.FillRect({45, 1, 87, 18}, palette.Colors[kTopSelected]);
  test::ExpectSameBitmap(got, want);
  // Labels 2 pixels below the top margin: (19 - 4 - 13) / 2 + 2 = 3.
  const std::vector<TTextRun> runs = {{{7, 3}, u"Datei", palette.Colors[kTopFont]},
                                      {{51, 3}, u"Hilfe", palette.Colors[kTopSelectedFont]},
                                      {{95, 3}, u"Ansicht", 0x00808080}};
  EXPECT_EQ(canvas.TextRuns(), runs);
}

TEST(MenuBarPaint, SkinImageStretchedElsePlainFill) {
  const TMenuPalette palette = test::OwnPalette();
  const TBitmap* image = test::OwnSkin().GetBitmap(TSkinBitmapKey::MenuBar);
  ASSERT_NE(image, nullptr);
  const auto items = Bar({u"&Datei"});
  TBitmap got(80, 19, test::kBackground);
  TBitmapCanvas canvas(got);
  const TMenuBarLayout l = LayoutMenuBar(canvas, items, 80);
  PaintMenuBar(canvas, {0, 0, 80, 19}, l, items, {}, palette, image);
  for (int y = 0; y < 19; ++y) {
    for (int x = 0; x < 80; ++x) {
      const int sx = StretchSource(x, 80, image->Width(), TAxis::Columns);
      const int sy = StretchSource(y, 19, image->Height(), TAxis::Rows);
      ASSERT_EQ(got.Pixel(x, y), image->Pixel(sx, sy)) << x << "," << y;
    }
  }
  // Our skin's bar colours are equal: without the image, one plain fill.
  ASSERT_EQ(palette.Colors[kMenuBarStart], palette.Colors[kMenuBarEnd]);
  PaintMenuBar(canvas, {0, 0, 80, 19}, l, items, {}, palette, nullptr);
  for (int y = 0; y < 19; ++y) {
    for (int x = 0; x < 80; ++x) ASSERT_EQ(got.Pixel(x, y), palette.Colors[kMenuBarStart]);
  }
}

TEST(MenuBarKeys, AccessKeys) {
  EXPECT_EQ(AccessKeyOf(u"&Datei"), u'D');
  EXPECT_EQ(AccessKeyOf(u"Da&tei"), u'T');
  EXPECT_EQ(AccessKeyOf(u"A&&B&c"), u'C');
  EXPECT_EQ(AccessKeyOf(u"A&&B"), 0);
  EXPECT_EQ(AccessKeyOf(u"Datei&"), 0);
}

// A script of keys with the action and selection after each.
TEST(MenuBarKeys, Script) {
  TMenuBarKeys keys;
  keys.SetItems({{u'D', true, true}, {u'B', true, false}, {u'H', false, true}, {u'X', true, true}});
  struct TStep {
    const char* What;
    std::function<A()> Do;
    A Want;
    int Hot;
  };
  const TStep steps[] = {
      {"arrows do nothing outside menu mode", [&] { return keys.Press(K::Right); }, {}, -1},
      {"a plain letter does nothing", [&] { return keys.Char(u'd', false); }, {}, -1},
      {"Alt selects the first", [&] { return keys.Press(K::MenuKey); }, {}, 0},
      {"Left wraps to the last", [&] { return keys.Press(K::Left); }, {}, 3},
      {"Right wraps to the first", [&] { return keys.Press(K::Right); }, {}, 0},
      {"Down opens", [&] { return keys.Press(K::Down); }, {A::Open, 0}, 0},
      {"Right", [&] { return keys.Press(K::Right); }, {}, 1},
      {"Down on an item without menu", [&] { return keys.Press(K::Down); }, {}, 1},
      {"Enter clicks it and leaves", [&] { return keys.Press(K::Enter); }, {A::Click, 1}, -1},
      {"F10 selects the first", [&] { return keys.Press(K::MenuKey); }, {}, 0},
      {"a letter in menu mode opens", [&] { return keys.Char(u'x', false); }, {A::Open, 3}, 3},
      {"a disabled item's key does nothing", [&] { return keys.Char(u'h', false); }, {}, 3},
      {"Esc leaves", [&] { return keys.Press(K::Escape); }, {A::Leave}, -1},
      {"Alt+letter opens", [&] { return keys.Char(u'D', true); }, {A::Open, 0}, 0},
      {"Alt again leaves", [&] { return keys.Press(K::MenuKey); }, {A::Leave}, -1},
      {"Alt+unknown letter", [&] { return keys.Char(u'q', true); }, {}, -1},
      {"Alt+letter of a plain item clicks",
       [&] { return keys.Char(u'b', true); },
       {A::Click, 1},
       -1},
  };
  for (const TStep& s : steps) {
    EXPECT_EQ(s.Do(), s.Want) << s.What;
    EXPECT_EQ(keys.Hot(), s.Hot) << s.What;
  }
  keys.Select(3);
  keys.SetItems({{u'D', true, true}});  // fewer items: the selection goes
  EXPECT_FALSE(keys.Active());
  keys.SetItems({});
  EXPECT_EQ(keys.Press(K::MenuKey), A{});
  EXPECT_FALSE(keys.Active());
}

}  // namespace
}  // namespace skin
