// The state frame each control shows, per strip.
#include "skin/draw/state_frames.h"

#include <gtest/gtest.h>

namespace skin {
namespace {

TEST(StateFrameTest, PushAndSpeedButton) {
  // pressed, hot -> frame
  EXPECT_EQ(ButtonFrame(false, false), 1);
  EXPECT_EQ(ButtonFrame(false, true), 2);
  EXPECT_EQ(ButtonFrame(true, false), 3);
  EXPECT_EQ(ButtonFrame(true, true), 3);
  EXPECT_EQ(SpeedButtonFrame(true, false, true), 3);
  EXPECT_EQ(SpeedButtonFrame(false, false, true), 2);
  EXPECT_EQ(SpeedButtonFrame(false, false, false), 1);
}

TEST(StateFrameTest, CheckBoxSixFramesWithGrayedAndDisabled) {
  using C = TCheckState;
  const struct {
    C State;
    bool Enabled;
    int Frame;
  } cases[] = {
      {C::Checked, true, 1},  {C::Grayed, true, 2},  {C::Unchecked, true, 3},
      {C::Checked, false, 4}, {C::Grayed, false, 5}, {C::Unchecked, false, 6},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CheckBoxFrame(c.State, c.Enabled), c.Frame) << c.Frame;
  }
}

TEST(StateFrameTest, RadioButtonAndTab) {
  EXPECT_EQ(RadioButtonFrame(true, true), 1);
  EXPECT_EQ(RadioButtonFrame(false, true), 2);
  EXPECT_EQ(RadioButtonFrame(true, false), 3);
  EXPECT_EQ(RadioButtonFrame(false, false), 4);
  EXPECT_EQ(TabFrame(true), 1);
  EXPECT_EQ(TabFrame(false), 2);
}

TEST(StateFrameTest, CaptionButtonsNormalHotPressed) {
  using B = TCaptionButton;
  const struct {
    B Button;
    int Normal;
  } cases[] = {{B::Help, 4}, {B::Maximize, 7}, {B::Restore, 10}, {B::Minimize, 13}, {B::Close, 16}};
  for (const auto& c : cases) {
    EXPECT_EQ(CaptionButtonFrame(c.Button, false, false), c.Normal);
    EXPECT_EQ(CaptionButtonFrame(c.Button, false, true), c.Normal);  // held down elsewhere
    EXPECT_EQ(CaptionButtonFrame(c.Button, true, false), c.Normal + 1);
    EXPECT_EQ(CaptionButtonFrame(c.Button, true, true), c.Normal + 2);
  }
}

}  // namespace
}  // namespace skin
