// A radio button over the system's BUTTON class. Buttons that follow each
// other in the tab order under one parent form a group; GroupStart begins a
// new one. The arrow keys move within a group, Tab enters it at the checked
// button.
//
// Thread safety: belongs to the window thread.
#ifndef QUILLORY_UI_RADIO_BUTTON_H_
#define QUILLORY_UI_RADIO_BUTTON_H_

#include "ui/check_box.h"
#include "ui/widget.h"

namespace ui {

struct TRadioButtonArgs {
  TWidgetArgs Widget;
  bool Checked = false;
  bool GroupStart = false;  // the first button of a group
  TLeftRight Alignment = TLeftRight::RightJustify;
};

class TRadioButton : public TWidget {
 public:
  explicit TRadioButton(const TRadioButtonArgs& AArgs);
  const TWidgetClass& Class() const override { return classes::RadioButton; }

  bool Checked() const;
  // Checking a button unchecks the others of its group; OnClick runs when
  // the state changes.
  void SetChecked(bool AOn);
  TLeftRight Alignment() const { return FAlignment; }
  void SetAlignment(TLeftRight AAlignment);

  // The button became checked.
  TNotifyEvent OnClick;
  // A double click on the button.
  TNotifyEvent OnDblClick;

 protected:
  void CommandNotification(WORD ACode) override;
  bool DialogChar(wchar_t AKey) override;
  bool ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const override;
  bool WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) override;

 private:
  void UncheckGroup();
  TLeftRight FAlignment;
};

}  // namespace ui

#endif  // QUILLORY_UI_RADIO_BUTTON_H_
