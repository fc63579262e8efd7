// A check box over the system's BUTTON class: checked, unchecked and, when
// AllowGrayed is on, grayed (Space and clicks then cycle through all three).
// Alignment says on which side of the box the text sits.
//
// Thread safety: belongs to the window thread.
#ifndef QUILLORY_UI_CHECK_BOX_H_
#define QUILLORY_UI_CHECK_BOX_H_

#include "ui/widget.h"

namespace ui {

enum class TCheckBoxState { Unchecked, Checked, Grayed };
// Where the caption sits beside the box (check boxes and radio buttons).
enum class TLeftRight { LeftJustify, RightJustify };

struct TCheckBoxArgs {
  TWidgetArgs Widget;
  TCheckBoxState State = TCheckBoxState::Unchecked;
  bool AllowGrayed = false;
  TLeftRight Alignment = TLeftRight::RightJustify;  // text right of the box
};

class TCheckBox : public TWidget {
 public:
  explicit TCheckBox(const TCheckBoxArgs& AArgs);
  const TWidgetClass& Class() const override { return classes::CheckBox; }

  TCheckBoxState State() const;
  // Setting the state runs OnClick when it changes, as a click would.
  void SetState(TCheckBoxState AState);
  bool Checked() const { return State() == TCheckBoxState::Checked; }
  void SetChecked(bool AOn) { SetState(AOn ? TCheckBoxState::Checked : TCheckBoxState::Unchecked); }
  bool AllowGrayed() const { return FAllowGrayed; }
  // Turning AllowGrayed off makes a grayed box unchecked.
  void SetAllowGrayed(bool AOn);
  TLeftRight Alignment() const { return FAlignment; }
  void SetAlignment(TLeftRight AAlignment);

  // The state changed (by the user or the program).
  TNotifyEvent OnClick;

 protected:
  void CommandNotification(WORD ACode) override;
  bool DialogChar(wchar_t AKey) override;
  bool ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const override;
  bool WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) override;

 private:
  void ApplyStyle();
  bool FAllowGrayed;
  TLeftRight FAlignment;
  TCheckBoxState FLastState = TCheckBoxState::Unchecked;
};

}  // namespace ui

#endif  // QUILLORY_UI_CHECK_BOX_H_
