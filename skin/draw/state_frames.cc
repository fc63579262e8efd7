#include "skin/draw/state_frames.h"

namespace skin {

int ButtonFrame(bool APressed, bool AHot) {
  return APressed ? 3 : AHot ? 2 : 1;
}

int SpeedButtonFrame(bool ADown, bool APressed, bool AHot) {
  return ButtonFrame(ADown || APressed, AHot);
}

int CheckBoxFrame(TCheckState AState, bool AEnabled) {
  const int frame = AState == TCheckState::Checked ? 1 : AState == TCheckState::Grayed ? 2 : 3;
  return AEnabled ? frame : frame + 3;
}

int RadioButtonFrame(bool AChecked, bool AEnabled) {
  return (AEnabled ? 1 : 3) + (AChecked ? 0 : 1);
}

int TabFrame(bool ASelected) {
  return ASelected ? 1 : 2;
}

int CaptionButtonFrame(TCaptionButton AButton, bool AHot, bool AMouseDown) {
  const int first = 4 + 3 * static_cast<int>(AButton);
  return first + (AHot ? (AMouseDown ? 2 : 1) : 0);
}

}  // namespace skin
