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
  if (ACode == EN_CHANGE && OnChange) OnChange();
}

TLabeledEdit::TLabeledEdit(const TLabeledEditArgs& AArgs) : TEdit(AArgs.Edit) {
  const TWidgetArgs& edit = AArgs.Edit.Widget;
  FLabel = std::make_unique<TLabel>(
      TLabelArgs{TWidgetArgs{edit.Parent, edit.Left, edit.Top, 0, 0, AArgs.LabelCaption, 0}});
  const RECT label = FLabel->BoundsRect();
  FLabel->SetBounds(edit.Left, edit.Top - (label.bottom - label.top) - kLabelSpacing,
                    label.right - label.left, label.bottom - label.top);
  // The label comes before the field in the tab order, so its access key
  // reaches the field.
  SetWindowPos(FLabel->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

TUpDown::TUpDown(TSpinEdit& AEdit, const TWidgetArgs& AArgs) : TWidget(AArgs), FEdit(AEdit) {
  CreateHandle(UPDOWN_CLASSW, WS_VISIBLE | UDS_ARROWKEYS, 0);
  // Up counts upwards (the control's default range counts the other way).
  SendMessageW(Handle(), UDM_SETRANGE32, 0, 100);
}

LRESULT TUpDown::Notification(const NMHDR& AHeader) {
  if (AHeader.code == static_cast<UINT>(UDN_DELTAPOS)) {
    const auto& change = reinterpret_cast<const NMUPDOWN&>(AHeader);
    FEdit.Step(change.iDelta > 0 ? 1 : -1);
    return TRUE;  // the control's own position is not used
  }
  return 0;
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
