#include "ui/radio_button.h"

#include "ui/button_style.h"

namespace ui {

TRadioButton::TRadioButton(const TRadioButtonArgs& AArgs)
    : TWidget(AArgs.Widget), FAlignment(AArgs.Alignment) {
  // Only the checked button of a group is a tab stop (the system moves that
  // bit along as the check moves).
  // BS_NOTIFY: double clicks are reported (BN_DOUBLECLICKED).
  CreateHandle(L"BUTTON",
               WS_VISIBLE | BS_AUTORADIOBUTTON | BS_NOTIFY | (AArgs.GroupStart ? WS_GROUP : 0) |
                   (AArgs.Checked ? WS_TABSTOP : 0),
               0);
  SetAlignment(AArgs.Alignment);
  if (AArgs.Checked) Perform(BM_SETCHECK, BST_CHECKED);
}

bool TRadioButton::Checked() const {
  return Handle() && SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TRadioButton::SetChecked(bool AOn) {
  if (AOn == Checked()) return;
  Perform(BM_SETCHECK, AOn ? BST_CHECKED : BST_UNCHECKED);
  if (!AOn) return;
  UncheckGroup();
  if (OnClick) OnClick();
}

void TRadioButton::UncheckGroup() {
  if (!Parent()) return;
  // The group: the siblings from the last WS_GROUP before this one to the
  // next WS_GROUP, in window order.
  HWND parent = Parent()->Handle();
  HWND first = Handle();
  while (!(GetWindowLongPtrW(first, GWL_STYLE) & WS_GROUP)) {
    HWND previous = GetWindow(first, GW_HWNDPREV);
    if (!previous) break;
    first = previous;
  }
  for (HWND w = first; w && GetParent(w) == parent; w = GetWindow(w, GW_HWNDNEXT)) {
    if (w != first && (GetWindowLongPtrW(w, GWL_STYLE) & WS_GROUP)) break;
    if (w == Handle()) continue;
    if (auto* other = dynamic_cast<TRadioButton*>(TWidget::FromHandle(w))) {
      other->Perform(BM_SETCHECK, BST_UNCHECKED);
    }
  }
}

void TRadioButton::SetAlignment(TLeftRight AAlignment) {
  FAlignment = AAlignment;
  SetButtonStyle(Handle(), BS_AUTORADIOBUTTON, AAlignment == TLeftRight::LeftJustify);
}

void TRadioButton::CommandNotification(WORD ACode) {
  if (ACode == BN_CLICKED && Checked() && OnClick) OnClick();
  if (ACode == BN_DOUBLECLICKED && OnDblClick) OnDblClick();
}

bool TRadioButton::DialogChar(wchar_t AKey) {
  if (!TWidget::DialogChar(AKey)) return false;
  Perform(BM_CLICK);
  return true;
}

bool TRadioButton::ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const {
  const std::string_view name = AInfo.Name;
  if (name == "Alignment") {
    AValue = static_cast<int64_t>(FAlignment);
  } else if (name == "Checked") {
    AValue = Checked();
  } else if (name == "WordWrap") {
    AValue = false;
  } else {
    return TWidget::ReadProperty(AInfo, AValue);
  }
  return true;
}

bool TRadioButton::WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) {
  const std::string_view name = AInfo.Name;
  if (name == "Alignment") {
    const int64_t value = std::get<int64_t>(AValue);
    if (value < 0 || value > 1) return false;
    SetAlignment(static_cast<TLeftRight>(value));
  } else if (name == "Checked") {
    SetChecked(std::get<bool>(AValue));
  } else if (name == "WordWrap") {
    return false;
  } else {
    return TWidget::WriteProperty(AInfo, AValue);
  }
  return true;
}

}  // namespace ui
