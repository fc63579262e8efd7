// Which frame of a skin strip a control shows in each state. Frames are
// numbered from 1, as SpitBitmap takes them.
//
// Thread safety: pure functions.
#ifndef QUILLORY_SKIN_DRAW_STATE_FRAMES_H_
#define QUILLORY_SKIN_DRAW_STATE_FRAMES_H_

namespace skin {

// "SKIN2_BUTTON": 3 frames, 3 pressed, else 2 hot, else 1.
inline constexpr int kButtonFrames = 3;
int ButtonFrame(bool APressed, bool AHot);

// A speed button drawn as a push button: 3 when down or pressed, 2 hot, 1.
int SpeedButtonFrame(bool ADown, bool APressed, bool AHot);

// "SKIN2_CHECKBOX": 6 frames, 1 checked, 2 grayed, 3 unchecked, 4 to 6 the
// same three disabled.
enum class TCheckState { Unchecked, Checked, Grayed };
inline constexpr int kCheckBoxFrames = 6;
int CheckBoxFrame(TCheckState AState, bool AEnabled);

// "SKIN2_RADIOBUTTON": 4 frames, enabled checked 1, enabled unchecked 2,
// disabled checked 3, disabled unchecked 4.
inline constexpr int kRadioButtonFrames = 4;
int RadioButtonFrame(bool AChecked, bool AEnabled);

// "SKIN2_TABCONTROL": 2 frames, 1 the selected tab, 2 the others.
inline constexpr int kTabFrames = 2;
int TabFrame(bool ASelected);

// "SKIN2_TITLEBUTTONS": 18 frames; each caption button has three in a row
// (normal, hot, pressed): help 4, maximise 7, restore 10, minimise 13,
// close 16. Pressed means hot with the button held down.
enum class TCaptionButton { Help, Maximize, Restore, Minimize, Close };
inline constexpr int kCaptionButtonFrames = 18;
int CaptionButtonFrame(TCaptionButton AButton, bool AHot, bool AMouseDown);

}  // namespace skin

#endif  // QUILLORY_SKIN_DRAW_STATE_FRAMES_H_
