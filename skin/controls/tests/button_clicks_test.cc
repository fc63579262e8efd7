// The push button's click rules as message sequences.
#include "skin/controls/button_clicks.h"

#include <gtest/gtest.h>

#include <vector>

namespace skin {
namespace {

using I = TButtonInput;

struct TStep {
  I Input;
  int Key;
  bool Pass;  // reaches the button's own procedure
  bool Click;
};

void RunSteps(const char* AName, const std::vector<TStep>& ASteps, TButtonContext AContext = {}) {
  TButtonClicks b;
  int clicks = 0, want = 0;
  for (size_t i = 0; i < ASteps.size(); ++i) {
    const TStep& s = ASteps[i];
    const TButtonReaction r = b.Handle(s.Input, s.Key, AContext);
    EXPECT_EQ(r.PassToControl, s.Pass) << AName << " step " << i;
    EXPECT_EQ(r.Click, s.Click) << AName << " step " << i;
    clicks += r.Click;
    want += s.Click;
  }
  EXPECT_EQ(clicks, want) << AName;
}

TEST(ButtonClicksTest, Keyboard) {
  TButtonContext focused;
  focused.Focused = true;
  RunSteps("space down, up",
           {{I::KeyDown, kKeySpace, false, false}, {I::KeyUp, kKeySpace, true, true}}, focused);
  RunSteps("space autorepeat clicks once",
           {{I::KeyDown, kKeySpace, false, false},
            {I::KeyDown, kKeySpace, false, false},
            {I::Char, ' ', true, false},
            {I::KeyUp, kKeySpace, true, true}},
           focused);
  RunSteps("space released without a press", {{I::KeyUp, kKeySpace, true, false}}, focused);
  RunSteps("space released after another key",
           {{I::KeyDown, 'A', true, false}, {I::KeyUp, kKeySpace, true, false}}, focused);
  RunSteps("enter clicks through WM_CHAR",
           {{I::KeyDown, kKeyEnter, false, false},
            {I::Char, kKeyEnter, true, true},
            {I::KeyUp, kKeyEnter, true, false}},
           focused);
  RunSteps("character 0 clicks", {{I::Char, 0, true, true}}, focused);
  RunSteps("other keys reach the button",
           {{I::KeyDown, 'X', true, false}, {I::Char, 'x', true, false}}, focused);
  RunSteps("space up without the focus",
           {{I::KeyDown, kKeySpace, false, false}, {I::KeyUp, kKeySpace, true, false}});
  TButtonContext disabled = focused;
  disabled.Enabled = false;
  RunSteps("space up while disabled",
           {{I::KeyDown, kKeySpace, false, false}, {I::KeyUp, kKeySpace, true, false}}, disabled);
  TButtonContext inactive = focused;
  inactive.ReallyActive = false;
  RunSteps("space up while the engine is off",
           {{I::KeyDown, kKeySpace, false, false}, {I::KeyUp, kKeySpace, true, false}}, inactive);
}

TEST(ButtonClicksTest, Mouse) {
  RunSteps("press, release", {{I::LButtonDown, 0, false, false}, {I::LButtonUp, 0, true, true}});
  RunSteps("release without press", {{I::LButtonUp, 0, true, false}});
  RunSteps("press, leave, come back, release", {{I::MouseEnter, 0, true, false},
                                                {I::LButtonDown, 0, false, false},
                                                {I::MouseLeave, 0, true, false},
                                                {I::MouseEnter, 0, true, false},
                                                {I::LButtonUp, 0, true, true}});
  RunSteps("double click clicks twice, the second release not", {{I::LButtonDown, 0, false, false},
                                                                 {I::LButtonUp, 0, true, true},
                                                                 {I::LButtonDblClk, 0, false, true},
                                                                 {I::LButtonUp, 0, true, false}});
  RunSteps("focus changes are withheld",
           {{I::KillFocus, 0, false, false}, {I::SetFocus, 0, true, false}});
}

TEST(ButtonClicksTest, PressedAndHotStates) {
  TButtonClicks b;
  TButtonContext c;
  b.Handle(I::MouseEnter, 0, c);
  EXPECT_TRUE(b.Hot());
  const TButtonReaction down = b.Handle(I::LButtonDown, 0, c);
  EXPECT_TRUE(down.TakeFocus);
  EXPECT_TRUE(down.Repaint);
  EXPECT_TRUE(b.Pressed());
  EXPECT_TRUE(b.Downed());
  // Leaving clears the pressed look but keeps the press that began here.
  b.Handle(I::MouseLeave, 0, c);
  EXPECT_FALSE(b.Hot());
  EXPECT_FALSE(b.Pressed());
  EXPECT_TRUE(b.Downed());
  b.Handle(I::LButtonUp, 0, c);
  EXPECT_FALSE(b.Downed());

  // The focus is taken only on the active form, by a button that can have it.
  const struct {
    bool FormActive, CanFocus, Enabled, Visible, Take;
  } cases[] = {{true, true, true, true, true},
               {false, true, true, true, false},
               {true, false, true, true, false},
               {true, true, false, true, false},
               {true, true, true, false, false}};
  for (const auto& k : cases) {
    TButtonClicks f;
    TButtonContext ctx;
    ctx.FormActive = k.FormActive;
    ctx.CanFocus = k.CanFocus;
    ctx.Enabled = k.Enabled;
    ctx.Visible = k.Visible;
    EXPECT_EQ(f.Handle(I::LButtonDown, 0, ctx).TakeFocus, k.Take);
  }
}

}  // namespace
}  // namespace skin
