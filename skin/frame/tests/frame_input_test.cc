// Hit tests of every part of the frame, and the mouse decisions: caption
// button tracking, double and right clicks, the system menu's place.
#include "skin/frame/frame_input.h"

#include <gtest/gtest.h>

#include "skin/frame/tests/frame_test_util.h"

namespace skin::test {
namespace {

using H = THitTest;
using E = TFrameElement;
using A = TFrameAction;

struct THitCase {
  TPoint At;
  THitTest Want;
};

void ExpectHits(const TSkinMetrics& AMetrics, const TFrameState& AState, TSize ASize,
                std::initializer_list<THitCase> ACases) {
  const TTitleLayout title = LayoutTitle(AMetrics, AState, ASize);
  for (const THitCase& c : ACases) {
    EXPECT_EQ(FrameHitTest(AMetrics, AState, ASize, title, c.At), c.Want) << "at " << c.At;
  }
}

TEST(FrameHitTestTest, SizeableWindow) {
  TFrameState s;
  s.MenuHeight = 20;
  ExpectHits(OwnMetrics(), s, {300, 200},
             {{{-1, 0}, H::Nowhere},        {{300, 10}, H::Nowhere},   {{150, 0}, H::Top},
              {{150, 3}, H::Top},           {{1, 1}, H::TopLeft},      {{15, 2}, H::TopLeft},
              {{2, 15}, H::TopLeft},        {{298, 2}, H::TopRight},   {{0, 100}, H::Left},
              {{3, 100}, H::Left},          {{299, 100}, H::Right},    {{296, 100}, H::Right},
              {{150, 176}, H::Bottom},      {{150, 199}, H::Bottom},   {{2, 198}, H::BottomLeft},
              {{299, 199}, H::BottomRight}, {{150, 4}, H::Caption},    {{150, 30}, H::Caption},
              {{10, 10}, H::SysMenu},       {{23, 20}, H::SysMenu},    {{24, 20}, H::Caption},
              {{280, 15}, H::Close},        {{250, 15}, H::MaxButton}, {{225, 15}, H::MinButton},
              {{241, 15}, H::Caption},      {{150, 31}, H::Menu},      {{150, 50}, H::Menu},
              {{150, 51}, H::Client},       {{4, 100}, H::Client},     {{295, 175}, H::Client}});
}

TEST(FrameHitTestTest, FixedMaximisedMinimisedAndDialogWindows) {
  const TSkinMetrics m = OwnMetrics();
  TFrameState single;
  single.Style = TBorderStyle::Single;
  ExpectHits(m, single, {300, 200},
             {{{150, 0}, H::Caption},
              {{0, 100}, H::Border},
              {{150, 190}, H::Border},
              {{1, 1}, H::Caption},
              {{280, 15}, H::Close}});
  TFrameState max;
  max.Show = TWindowShow::Maximized;
  ExpectHits(m, max, {300, 200},
             {{{150, 0}, H::Caption}, {{0, 100}, H::Border}, {{250, 15}, H::MaxButton}});
  TFrameState min;
  min.Show = TWindowShow::Minimized;
  ExpectHits(m, min, {160, 26},
             {{{0, 0}, H::Caption},
              {{60, 20}, H::Caption},
              {{140, 10}, H::Close},
              {{80, 10}, H::MinButton},
              {{10, 10}, H::SysMenu}});
  TFrameState dialog;
  dialog.Style = TBorderStyle::Dialog;
  ExpectHits(m, dialog, {300, 200}, {{{250, 15}, H::Caption}, {{10, 10}, H::Caption}});
  TFrameState none;
  none.Style = TBorderStyle::None;
  ExpectHits(m, none, {300, 200}, {{{0, 0}, H::Client}, {{299, 199}, H::Client}});
}

TEST(FrameHitTestTest, ButtonsReachingIntoTheTopEdgeBelongToTheCaption) {
  TSkinMetrics m = OwnMetrics();
  m.TitleBtnPos.Y = 2;  // buttons from row 2: inside the top resize edge
  const TSize size{300, 200};
  const TTitleLayout t = LayoutTitle(m, {}, size);
  ASSERT_EQ(t.TitleBtnLeft, 213);
  ExpectHits(m, {}, size,
             {{{280, 2}, H::Close},      // top edge, on the button
              {{280, 1}, H::Top},        // above the buttons' top
              {{212, 3}, H::Top},        // left of the buttons
              {{213, 3}, H::Caption},    // the 2-pixel gap before them
              {{294, 3}, H::Caption},    // right end: width - button x
              {{295, 3}, H::TopRight},   // past it
              {{268, 3}, H::Caption}});  // between two buttons
  m.TitleBtnPos.Y = 4;                   // our skin: the buttons start below the edge
  ExpectHits(m, {}, size, {{{280, 3}, H::Top}, {{290, 3}, H::TopRight}, {{280, 4}, H::Close}});
}

TEST(FrameActionTest, ElementsDoubleAndRightClicks) {
  TFrameState normal, max, min, fixed;
  max.Show = TWindowShow::Maximized;
  min.Show = TWindowShow::Minimized;
  fixed.Icons.Maximize = false;
  EXPECT_EQ(ElementAction(E::Close, normal), A::Close);
  EXPECT_EQ(ElementAction(E::Help, normal), A::ContextHelp);
  EXPECT_EQ(ElementAction(E::Icon, normal), A::SystemMenuBelowIcon);
  EXPECT_EQ(ElementAction(E::Maximize, normal), A::Maximize);
  EXPECT_EQ(ElementAction(E::Maximize, max), A::Restore);
  EXPECT_EQ(ElementAction(E::Maximize, min), A::Restore);
  EXPECT_EQ(ElementAction(E::Maximize, fixed), A::None);
  EXPECT_EQ(ElementAction(E::Minimize, normal), A::Minimize);
  EXPECT_EQ(ElementAction(E::Minimize, min), A::Restore);
  EXPECT_EQ(ElementAction(E::None, normal), A::None);

  struct TDouble {
    THitTest Hit;
    TFrameElement Element;
    TFrameState State;
    TFrameAction Action;
    bool Nowhere;
  };
  const TDouble doubles[] = {
      {H::SysMenu, E::Icon, normal, A::Close, false},  // the icon closes
      {H::Caption, E::None, normal, A::Maximize, false},
      {H::Caption, E::None, max, A::Restore, false},
      {H::Caption, E::None, min, A::Restore, false},  // a minimised caption restores
      {H::Caption, E::None, fixed, A::None, false},
      {H::Close, E::Close, normal, A::None, true},  // buttons: the system must not act
      {H::Left, E::None, normal, A::None, true},
  };
  for (const TDouble& d : doubles) {
    const TDoubleClick got = DoubleClickAction(d.Hit, d.Element, d.State);
    EXPECT_EQ(got.Action, d.Action) << static_cast<int>(d.Hit);
    EXPECT_EQ(got.PassAsNowhere, d.Nowhere) << static_cast<int>(d.Hit);
  }

  EXPECT_EQ(RightButtonAction(H::Caption, E::None), A::SystemMenuAtPointer);
  EXPECT_EQ(RightButtonAction(H::Close, E::Close), A::None);
  EXPECT_EQ(RightButtonAction(H::MaxButton, E::Maximize), A::None);
  EXPECT_EQ(RightButtonAction(H::Client, E::None), A::None);
}

TEST(FrameActionTest, SystemMenuBelowTheIcon) {
  const TRect work{0, 0, 1024, 740};
  EXPECT_EQ(SystemMenuPosition({104, 81}, work, false, 31), (TPoint{104, 81}));
  EXPECT_EQ(SystemMenuPosition({-20, 81}, work, false, 31), (TPoint{0, 81}));
  EXPECT_EQ(SystemMenuPosition({1100, 81}, {1024, 0, 2048, 740}, false, 31), (TPoint{1100, 81}));
  EXPECT_EQ(SystemMenuPosition({10, 700}, work, true, 31), (TPoint{10, 693}));
}

TEST(CaptionButtonTrackerTest, ReleaseActsOnlyOnThePressedButton) {
  const TFrameState s;
  struct TStep {
    char Kind;  // m move, d down, u up
    TFrameElement At;
  };
  struct TCase {
    const char* Name;
    std::vector<TStep> Steps;
    TFrameAction Want;
  };
  const TCase cases[] = {
      {"press and release on close", {{'d', E::Close}, {'u', E::Close}}, A::Close},
      {"press, wander, come back",
       {{'d', E::Maximize}, {'m', E::Maximize}, {'u', E::Maximize}},
       A::Maximize},
      {"release outside", {{'d', E::Close}, {'u', E::None}}, A::None},
      {"moved off the buttons: forgotten",
       {{'d', E::Close}, {'m', E::None}, {'m', E::Close}, {'u', E::Close}},
       A::None},
      {"released on another button",
       {{'d', E::Close}, {'m', E::Minimize}, {'u', E::Minimize}},
       A::None},
      {"pressed on the caption, released on a button",
       {{'d', E::None}, {'m', E::Close}, {'u', E::Close}},
       A::None},
      {"release without a press", {{'m', E::Close}, {'u', E::Close}}, A::None},
      {"the icon", {{'d', E::Icon}, {'u', E::Icon}}, A::SystemMenuBelowIcon},
      {"help", {{'d', E::Help}, {'u', E::Help}}, A::ContextHelp},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TCaptionButtonTracker tracker;
    TFrameAction last = A::None;
    for (const TStep& step : c.Steps) {
      if (step.Kind == 'm') tracker.Move(step.At);
      if (step.Kind == 'd') tracker.Down(step.At, H::Caption, false);
      if (step.Kind == 'u') last = tracker.Up(step.At, s);
    }
    EXPECT_EQ(last, c.Want);
    EXPECT_FALSE(tracker.MouseDown());
  }
}

TEST(CaptionButtonTrackerTest, HoverRepaintsAndPressedShowsOnlyOnItsButton) {
  TCaptionButtonTracker t;
  EXPECT_TRUE(t.Move(E::Close));
  EXPECT_FALSE(t.Move(E::Close));
  EXPECT_TRUE(t.Move(E::None));
  // Presses reaching the system as HTNOWHERE: buttons, the icon, and the
  // caption of a maximised window filling its work area.
  EXPECT_TRUE(t.Down(E::Close, H::Close, false));
  EXPECT_TRUE(t.PaintPointer(TPoint{1, 1}).MouseDown);
  t.Move(E::Minimize);
  EXPECT_FALSE(t.PaintPointer(TPoint{1, 1}).MouseDown);  // not drawn pressed
  EXPECT_TRUE(t.Move(E::None));                          // press forgotten
  EXPECT_FALSE(t.MouseDown());
  EXPECT_TRUE(TCaptionButtonTracker().Down(E::Icon, H::SysMenu, false));
  EXPECT_FALSE(TCaptionButtonTracker().Down(E::None, H::Caption, false));
  EXPECT_TRUE(TCaptionButtonTracker().Down(E::None, H::Caption, true));
  EXPECT_FALSE(TCaptionButtonTracker().Down(E::None, H::Left, true));
}

}  // namespace
}  // namespace skin::test
