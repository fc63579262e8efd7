#include "ui/edit.h"

#include <commctrl.h>

#include <algorithm>

#include "ui/numeric_text.h"

namespace ui {
namespace {

constexpr int kArrowsWidth = 16;
constexpr int kLabelSpacing = 3;

}  // namespace

TEdit::TEdit(const TEditArgs& AArgs) : TWidget(AArgs.Widget) {
  SetParentColor(false);
  SetColor(TColor::System(COLOR_WINDOW));
  CreateHandle(L"EDIT",
               WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL | (AArgs.ReadOnly ? ES_READONLY : 0),
               WS_EX_CLIENTEDGE);
}

void TEdit::CommandNotification(WORD ACode) {
  if (ACode == EN_CHANGE) CheckTextChanged();
}

LRESULT TEdit::HandleMessage(UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  if (AMessage == CM_TEXTCHANGED) {
    if (OnChange) OnChange();
    return 0;
  }
  return TWidget::HandleMessage(AMessage, AWParam, ALParam);
}

bool TEdit::ReadOnly() const {
  return Handle() && (GetWindowLongPtrW(Handle(), GWL_STYLE) & ES_READONLY);
}

void TEdit::SetReadOnly(bool AOn) {
  SendMessageW(Handle(), EM_SETREADONLY, AOn, 0);
}

int TEdit::BorderStyle() const {
  return Handle() && (GetWindowLongPtrW(Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE) ? 1 : 0;
}

void TEdit::SetBorderStyle(int AStyle) {
  if (!Handle() || AStyle == BorderStyle()) return;
  LONG_PTR ex_style = GetWindowLongPtrW(Handle(), GWL_EXSTYLE);
  ex_style = AStyle ? (ex_style | WS_EX_CLIENTEDGE) : (ex_style & ~LONG_PTR{WS_EX_CLIENTEDGE});
  SetWindowLongPtrW(Handle(), GWL_EXSTYLE, ex_style);
  SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  Perform(CM_BORDERCHANGED);
}

bool TEdit::ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const {
  if (AInfo.Name == "ReadOnly") {
    AValue = ReadOnly();
  } else if (AInfo.Name == "BorderStyle") {
    AValue = int64_t{BorderStyle()};
  } else {
    return TWidget::ReadProperty(AInfo, AValue);
  }
  return true;
}

bool TEdit::WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) {
  if (AInfo.Name == "ReadOnly") {
    SetReadOnly(std::get<bool>(AValue));
  } else if (AInfo.Name == "BorderStyle") {
    const int64_t style = std::get<int64_t>(AValue);
    if (style != 0 && style != 1) return false;
    SetBorderStyle(static_cast<int>(style));
  } else {
    return TWidget::WriteProperty(AInfo, AValue);
  }
  return true;
}

TLabeledEdit::TLabeledEdit(const TLabeledEditArgs& AArgs) : TEdit(AArgs.Edit) {
  const TWidgetArgs& edit = AArgs.Edit.Widget;
  FLabel = std::make_unique<TLabel>(TLabelArgs{
      TWidgetArgs{edit.Parent, edit.Left, edit.Top, 0, 0, AArgs.LabelCaption, 0, "", this}});
  const RECT label = FLabel->BoundsRect();
  FLabel->SetBounds(edit.Left, edit.Top - (label.bottom - label.top) - kLabelSpacing,
                    label.right - label.left, label.bottom - label.top);
  FLabel->SetFocusControl(this);  // its access key focuses the field
}

TUpDown::TUpDown(const TUpDownArgs& AArgs)
    : TWidget(AArgs.Widget),
      FMin(std::min(AArgs.MinValue, AArgs.MaxValue)),
      FMax(std::max(AArgs.MinValue, AArgs.MaxValue)),
      FPosition(std::clamp(AArgs.Position, FMin, FMax)),
      FIncrement(std::max(1, AArgs.Increment)) {
  CreateHandle(UPDOWN_CLASSW,
               WS_VISIBLE | UDS_ARROWKEYS | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_NOTHOUSANDS, 0);
  WindowRecreated();
  SetAssociate(AArgs.Associate);
}

TUpDown::TUpDown(TSpinEdit& AEdit, const TWidgetArgs& AArgs) : TWidget(AArgs), FEdit(&AEdit) {
  CreateHandle(UPDOWN_CLASSW, WS_VISIBLE | UDS_ARROWKEYS, 0);
  WindowRecreated();
}

void TUpDown::WindowRecreated() {
  if (FEdit) {
    // Up counts upwards (the control's default range counts the other way).
    SendMessageW(Handle(), UDM_SETRANGE32, 0, 100);
    SendMessageW(Handle(), UDM_SETPOS32, 0, 50);  // away from both ends, so both keys step
    SendMessageW(Handle(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(FEdit->Handle()), 0);
    return;
  }
  SendMessageW(Handle(), UDM_SETRANGE32, static_cast<WPARAM>(FMin), static_cast<LPARAM>(FMax));
  UDACCEL accel{0, static_cast<UINT>(FIncrement)};
  SendMessageW(Handle(), UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
  SendMessageW(Handle(), UDM_SETPOS32, 0, FPosition);
  if (FAssociate && FAssociate->Handle()) {
    SendMessageW(Handle(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(FAssociate->Handle()), 0);
  }
}

int32_t TUpDown::Position() const {
  if (FEdit || !Handle()) return FPosition;
  return static_cast<int32_t>(SendMessageW(Handle(), UDM_GETPOS32, 0, 0));
}

void TUpDown::SetPosition(int32_t AValue) {
  FPosition = std::clamp(AValue, FMin, FMax);
  if (!FEdit && Handle()) SendMessageW(Handle(), UDM_SETPOS32, 0, FPosition);
}

void TUpDown::SetAssociate(TWidget* AField) {
  if (FEdit) return;  // a spin edit's arrows belong to it
  FAssociate = AField;
  SendMessageW(Handle(), UDM_SETBUDDY,
               reinterpret_cast<WPARAM>(AField ? AField->Handle() : nullptr), 0);
  // The field shows the position at once (its own text counts no more).
  if (AField) SendMessageW(Handle(), UDM_SETPOS32, 0, FPosition);
}

LRESULT TUpDown::Notification(const NMHDR& AHeader) {
  if (FEdit && AHeader.code == static_cast<UINT>(UDN_DELTAPOS)) {
    const auto& change = reinterpret_cast<const NMUPDOWN&>(AHeader);
    FEdit->Step(change.iDelta > 0 ? 1 : -1);
    return TRUE;  // the control's own position is not used
  }
  return 0;  // stand-alone: the control steps its own position
}

void TUpDown::Scroll(WORD ACode, WORD /*APosition*/) {
  // Sent after each step, once the position and the field show it.
  if (FEdit || ACode != SB_THUMBPOSITION) return;
  const int32_t now = Position();
  if (now == FPosition) return;
  FPosition = now;
  if (OnChange) OnChange();
}

TSpinEdit::TSpinEdit(const TSpinEditArgs& AArgs)
    : TEdit(TEditArgs{TWidgetArgs{AArgs.Widget.Parent, AArgs.Widget.Left, AArgs.Widget.Top,
                                  AArgs.Widget.Width - kArrowsWidth, AArgs.Widget.Height,
                                  std::to_string(AArgs.Value), AArgs.Widget.Tag},
                      false}),
      FMin(AArgs.MinValue),
      FMax(AArgs.MaxValue),
      FIncrement(AArgs.Increment) {
  const TWidgetArgs& w = AArgs.Widget;
  FArrows = std::make_unique<TUpDown>(*this, TWidgetArgs{w.Parent, w.Left + w.Width - kArrowsWidth,
                                                         w.Top, kArrowsWidth, w.Height, "", 0});
}

void TSpinEdit::DoExit() {
  CheckOnExit();
  TEdit::DoExit();
}

int32_t TSpinEdit::Value() const {
  return NumericValue(Text(), FMin, FMax);
}

void TSpinEdit::SetValue(int32_t AValue) {
  SetText(std::to_string(std::clamp(AValue, FMin, FMax)));
}

void TSpinEdit::Step(int ADirection) {
  const int64_t next = int64_t{Value()} + int64_t{ADirection} * FIncrement;
  SetValue(static_cast<int32_t>(std::clamp<int64_t>(next, FMin, FMax)));
}

void TSpinEdit::CheckOnExit() {
  if (const std::optional<std::string> text = NumericTextOnExit(Text(), FMin, FMax)) SetText(*text);
}

}  // namespace ui
