#include "ui/check_box.h"

#include "ui/button_style.h"

namespace ui {

TCheckBox::TCheckBox(const TCheckBoxArgs& AArgs)
    : TWidget(AArgs.Widget), FAllowGrayed(AArgs.AllowGrayed), FAlignment(AArgs.Alignment) {
  CreateHandle(L"BUTTON", WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, 0);
  ApplyStyle();
  FLastState = AArgs.AllowGrayed || AArgs.State != TCheckBoxState::Grayed
                   ? AArgs.State
                   : TCheckBoxState::Unchecked;
  Perform(BM_SETCHECK, static_cast<WPARAM>(FLastState));
}

void TCheckBox::ApplyStyle() {
  SetButtonStyle(Handle(), FAllowGrayed ? BS_AUTO3STATE : BS_AUTOCHECKBOX,
                 FAlignment == TLeftRight::LeftJustify);
}

TCheckBoxState TCheckBox::State() const {
  if (!Handle()) return FLastState;
  return static_cast<TCheckBoxState>(SendMessageW(Handle(), BM_GETCHECK, 0, 0));
}

void TCheckBox::SetState(TCheckBoxState AState) {
  if (AState == TCheckBoxState::Grayed && !FAllowGrayed) AState = TCheckBoxState::Unchecked;
  Perform(BM_SETCHECK, static_cast<WPARAM>(AState));
  CommandNotification(BN_CLICKED);
}

void TCheckBox::SetAllowGrayed(bool AOn) {
  FAllowGrayed = AOn;
  ApplyStyle();
  if (!AOn && State() == TCheckBoxState::Grayed) SetState(TCheckBoxState::Unchecked);
}

void TCheckBox::SetAlignment(TLeftRight AAlignment) {
  FAlignment = AAlignment;
  ApplyStyle();
}

void TCheckBox::CommandNotification(WORD ACode) {
  if (ACode != BN_CLICKED) return;
  const TCheckBoxState state = State();
  if (state == FLastState) return;
  FLastState = state;
  if (OnClick) OnClick();
}

bool TCheckBox::DialogChar(wchar_t AKey) {
  if (!TWidget::DialogChar(AKey)) return false;
  // As a click: the system's automatic box moves to its next state.
  Perform(BM_CLICK);
  return true;
}

bool TCheckBox::ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const {
  const std::string_view name = AInfo.Name;
  if (name == "Alignment") {
    AValue = static_cast<int64_t>(FAlignment);
  } else if (name == "AllowGrayed") {
    AValue = FAllowGrayed;
  } else if (name == "Checked") {
    AValue = Checked();
  } else if (name == "State") {
    AValue = static_cast<int64_t>(State());
  } else if (name == "WordWrap") {
    AValue = false;
  } else {
    return TWidget::ReadProperty(AInfo, AValue);
  }
  return true;
}

bool TCheckBox::WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) {
  const std::string_view name = AInfo.Name;
  if (name == "Alignment") {
    const int64_t value = std::get<int64_t>(AValue);
    if (value < 0 || value > 1) return false;
    SetAlignment(static_cast<TLeftRight>(value));
  } else if (name == "AllowGrayed") {
    SetAllowGrayed(std::get<bool>(AValue));
  } else if (name == "Checked") {
    SetChecked(std::get<bool>(AValue));
  } else if (name == "State") {
    const int64_t value = std::get<int64_t>(AValue);
    if (value < 0 || value > 2) return false;
    SetState(static_cast<TCheckBoxState>(value));
  } else if (name == "WordWrap") {
    return false;
  } else {
    return TWidget::WriteProperty(AInfo, AValue);
  }
  return true;
}

}  // namespace ui
