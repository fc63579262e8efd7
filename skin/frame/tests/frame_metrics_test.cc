// Skin metrics read from our skin, the frame's sizes for WM_NCCALCSIZE,
// which buttons show, and the title's layout.
#include "skin/frame/frame_metrics.h"

#include <gtest/gtest.h>

#include "skin/frame/tests/frame_test_util.h"

namespace skin::test {
namespace {

TEST(SkinMetricsTest, OurSkinsValues) {
  ASSERT_TRUE(OwnSkin().Ready());
  const TSkinMetrics m = OwnMetrics();
  EXPECT_EQ(m.FormColor, 0x00EDCDB3u);
  EXPECT_EQ(m.FormFrameColor, 0x00EDCDB3u);
  EXPECT_EQ(m.TransColor, 0x00FF00FFu);
  EXPECT_EQ(m.TitleFontColor, 0x006E1500u);
  EXPECT_EQ(m.InactiveTitleFontColor, kInactiveCaption);
  EXPECT_EQ(m.DisabledMenuFontColor, 0x00808080u);
  EXPECT_EQ(m.MenuColors[0], 0x00FFDBBFu);   // menu bar start
  EXPECT_EQ(m.MenuColors[9], 0x00281E1Eu);   // item font
  EXPECT_EQ(m.MenuColors[12], 0x006E1500u);  // selected item font
  EXPECT_EQ(m.TitleHeight, 31);
  EXPECT_EQ(m.LeftBorderWidth, 3);
  EXPECT_EQ(m.RightBorderWidth, 3);
  EXPECT_EQ(m.BottomBorderWidth, 24);
  EXPECT_EQ(m.TitleIconPos, (TPoint{8, 5}));
  EXPECT_EQ(m.TitleBtnPos, (TPoint{6, 4}));
  EXPECT_EQ(m.TitleCaptionTop, 5);
  EXPECT_EQ(m.TitleRegionMin, 0);
  EXPECT_EQ(m.TitleRegionMax, 3);
  EXPECT_EQ(m.BottomRegionMin, 20);
  EXPECT_EQ(m.BottomRegionMax, 23);
  EXPECT_EQ(m.TitleButtonSize, (TSize{25, 25}));
  // Three-part title: left end + the larger of right end (18) and a sixth
  // of the button strip + 35 (75 + 35).
  EXPECT_EQ(m.MinWidth, 15 + 110);
  EXPECT_FALSE(m.TitleFiveSect);
  EXPECT_TRUE(m.BottomBorderThreeSect);
  EXPECT_TRUE(m.TitleNeedRegion);
  EXPECT_TRUE(m.BottomNeedRegion);
  EXPECT_FALSE(m.TitleBtnTrans);
  EXPECT_EQ(m.AllFormCaptionXPos, -10000);

  const TFrameImages f = OwnImages();
  ASSERT_NE(f.TitleBar[0], nullptr);
  EXPECT_EQ(f.TitleBar[1]->Width(), 360);
  EXPECT_EQ(f.TitleBar[3], nullptr);  // no five-part title
  EXPECT_EQ(f.TitleButtons->Width(), 450);
}

TEST(SkinMetricsTest, NoSkinGivesTheReadersDefaults) {
  const TzelSkinReader none;
  const TSkinMetrics m = ReadSkinMetrics(none, kInactiveCaption);
  EXPECT_EQ(m.TitleHeight, 0);
  EXPECT_EQ(m.BottomBorderWidth, 0);
  EXPECT_EQ(m.TitleBtnPos, (TPoint{-1, -1}));
  EXPECT_EQ(m.TitleRegionMin, -1);
  EXPECT_EQ(m.FormColor, 0xFFFFFFFFu);
  EXPECT_EQ(m.TitleButtonSize, (TSize{0, 0}));
  EXPECT_EQ(m.MinWidth, 35);
  EXPECT_FALSE(m.TitleNeedRegion);
  EXPECT_EQ(ReadFrameImages(none).TitleBar[0], nullptr);
}

TEST(FrameMetricsTest, ClientRectangles) {
  const TSkinMetrics m = OwnMetrics();
  const TRect window{100, 50, 500, 350};
  struct TCase {
    const char* Name;
    TFrameState State;
    TRect Window;
    TRect Client;
  };
  auto state = [](auto AChange) {
    TFrameState s;
    AChange(s);
    return s;
  };
  const TCase cases[] = {
      {"sizeable", {}, window, {104, 81, 496, 326}},
      {"single",
       state([](TFrameState& s) { s.Style = TBorderStyle::Single; }),
       window,
       {104, 81, 496, 326}},
      {"dialog",
       state([](TFrameState& s) { s.Style = TBorderStyle::Dialog; }),
       window,
       {104, 81, 496, 326}},
      {"tool window",
       state([](TFrameState& s) { s.Style = TBorderStyle::ToolWindow; }),
       window,
       {104, 81, 496, 326}},
      {"no border", state([](TFrameState& s) { s.Style = TBorderStyle::None; }), window, window},
      {"title hidden",
       state([](TFrameState& s) { s.TitleVisible = false; }),
       window,
       {104, 50, 496, 326}},
      {"borders hidden",
       state([](TFrameState& s) { s.BorderVisible = false; }),
       window,
       {100, 81, 500, 350}},
      {"menu bar", state([](TFrameState& s) { s.MenuHeight = 20; }), window, {104, 101, 496, 326}},
      {"taller system title",
       state([](TFrameState& s) { s.SystemTitleHeight = 40; }),
       window,
       {104, 90, 496, 326}},
      {"lower system title",
       state([](TFrameState& s) { s.SystemTitleHeight = 19; }),
       window,
       {104, 81, 496, 326}},
      {"minimised",
       state([](TFrameState& s) { s.Show = TWindowShow::Minimized; }),
       {0, 0, 160, 31},
       {0, 31, 0, 31}},
      {"maximised",
       state([](TFrameState& s) { s.Show = TWindowShow::Maximized; }),
       {-4, -4, 1028, 772},
       {0, 27, 1024, 748}},
      // Smaller than its frame: empty, inside the window, never negative.
      {"too small", {}, {10, 10, 16, 40}, {14, 40, 14, 40}},
      {"too narrow", {}, {10, 10, 15, 100}, {14, 41, 14, 76}},
      {"inverted", {}, {10, 10, 5, 5}, {10, 10, 10, 10}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    const TRect client = ClientRect(m, c.State, c.Window);
    EXPECT_EQ(client, c.Client);
    EXPECT_GE(client.Width(), 0);
    EXPECT_GE(client.Height(), 0);
  }
}

TEST(FrameMetricsTest, MaximisedWindowCoversTheWorkAreaAndFourPixelsMore) {
  const TRect work{0, 0, 1024, 740};
  EXPECT_EQ(MaximizedRect(work), (TRect{-4, -4, 1028, 744}));
  EXPECT_EQ(MaximizedRect({1024, 20, 2048, 768}), (TRect{1020, 16, 2052, 772}));
  // Smaller than the work area + 8 either way: moved; large enough: kept.
  EXPECT_EQ(MaximizedPlacement({0, 0, 1031, 748}, work), MaximizedRect(work));
  EXPECT_EQ(MaximizedPlacement({0, 0, 1032, 747}, work), MaximizedRect(work));
  EXPECT_EQ(MaximizedPlacement({-4, -4, 1028, 744}, work), std::nullopt);
}

TEST(FrameMetricsTest, WhichButtonsAndIconShow) {
  struct TCase {
    const char* Name;
    TBorderStyle Style;
    TBorderIcons Icons;
    bool Icon, Close, Max, Min, Help;
  };
  const TBorderIcons all{true, true, true, false};
  const TCase cases[] = {
      {"sizeable", TBorderStyle::Sizeable, all, true, true, true, true, false},
      {"single", TBorderStyle::Single, all, true, true, true, true, false},
      {"no system menu",
       TBorderStyle::Sizeable,
       {false, true, true, true},
       false,
       false,
       false,
       false,
       false},
      {"dialog", TBorderStyle::Dialog, all, false, true, false, false, false},
      {"dialog with help",
       TBorderStyle::Dialog,
       {true, true, true, true},
       false,
       true,
       false,
       false,
       true},
      {"help beside minimise",
       TBorderStyle::Sizeable,
       {true, true, false, true},
       true,
       true,
       false,
       true,
       false},
      {"help alone",
       TBorderStyle::Single,
       {true, false, false, true},
       true,
       true,
       false,
       false,
       true},
      {"tool window", TBorderStyle::ToolWindow, all, false, true, false, false, false},
      {"sizeable tool window", TBorderStyle::SizeToolWin, all, false, true, false, false, false},
      {"no border", TBorderStyle::None, all, false, false, false, false, false},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TFrameState s;
    s.Style = c.Style;
    s.Icons = c.Icons;
    EXPECT_EQ(ShowsIcon(s), c.Icon);
    EXPECT_EQ(ShowsCloseButton(s), c.Close);
    EXPECT_EQ(ShowsMaxButton(s), c.Max);
    EXPECT_EQ(ShowsMinButton(s), c.Min);
    EXPECT_EQ(ShowsHelpButton(s), c.Help);
  }
  TFrameState hidden;
  hidden.TitleVisible = false;
  EXPECT_FALSE(ShowsCloseButton(hidden));
  EXPECT_FALSE(ShowsIcon(hidden));
}

std::vector<TCaptionButtonPlace> Places(std::initializer_list<TCaptionButtonPlace> AList) {
  return AList;
}

TEST(FrameMetricsTest, TitleLayouts) {
  const TSkinMetrics m = OwnMetrics();
  using E = TFrameElement;
  {
    SCOPED_TRACE("normal");
    const TTitleLayout t = LayoutTitle(m, {}, {300, 200});
    EXPECT_EQ(t.Buttons, Places({{E::Close, {269, 4, 294, 29}, 16},
                                 {E::Maximize, {242, 4, 267, 29}, 7},
                                 {E::Minimize, {215, 4, 240, 29}, 13}}));
    EXPECT_EQ(t.TitleBtnLeft, 213);
    EXPECT_EQ(t.ButtonAreaWidth, 3 * 25 + 2 * 2 + 15);
    EXPECT_EQ(t.Icon, (TRect{8, 5, 24, 21}));
    EXPECT_EQ(t.Caption, (TPoint{28, 5}));
    EXPECT_EQ(t.CaptionWidth, 300 - 28 - 94 - 4);
  }
  {
    SCOPED_TRACE("maximised: restore");
    TFrameState s;
    s.Show = TWindowShow::Maximized;
    EXPECT_EQ(LayoutTitle(m, s, {300, 200}).Buttons[1].FirstFrame, 10);
  }
  {
    SCOPED_TRACE("minimised: minimise shows restore, buttons from width - b - 5");
    TFrameState s;
    s.Show = TWindowShow::Minimized;
    const TTitleLayout t = LayoutTitle(m, s, {160, 31});
    EXPECT_EQ(t.Buttons, Places({{E::Close, {130, 0, 155, 25}, 16},
                                 {E::Maximize, {103, 0, 128, 25}, 7},
                                 {E::Minimize, {76, 0, 101, 25}, 10}}));
    EXPECT_EQ(t.Caption, (TPoint{28, 4}));
  }
  {
    SCOPED_TRACE("dialog with help");
    TFrameState s;
    s.Style = TBorderStyle::Dialog;
    s.Icons.Help = true;
    const TTitleLayout t = LayoutTitle(m, s, {300, 200});
    EXPECT_EQ(t.Buttons,
              Places({{E::Close, {269, 4, 294, 29}, 16}, {E::Help, {242, 4, 267, 29}, 4}}));
    EXPECT_EQ(t.TitleBtnLeft, 267);  // the help button's right edge
    EXPECT_TRUE(t.Icon.Empty());
    EXPECT_EQ(t.Caption, (TPoint{8, 5}));  // no icon: 20 further left
    EXPECT_EQ(t.ButtonAreaWidth, 25 + 0 + 15);
  }
  {
    SCOPED_TRACE("no system menu, fixed caption position");
    TFrameState s;
    s.Icons.SystemMenu = false;
    s.CaptionXPos = 50;
    const TTitleLayout t = LayoutTitle(m, s, {300, 200});
    EXPECT_TRUE(t.Buttons.empty());
    EXPECT_EQ(t.TitleBtnLeft, 300 - 6);
    EXPECT_EQ(t.Caption, (TPoint{50, 5}));
  }
  {
    SCOPED_TRACE("narrower than the buttons: no negative caption width");
    EXPECT_EQ(LayoutTitle(m, {}, {60, 200}).CaptionWidth, 0);
  }
}

}  // namespace
}  // namespace skin::test
