#include "ui/date_time_picker.h"

#include <commctrl.h>

namespace ui {

TDateTimePicker::TDateTimePicker(const TDateTimePickerArgs& AArgs)
    : TWidget(AArgs.Widget), FKind(AArgs.Kind), FDateMode(AArgs.DateMode) {
  DWORD style = WS_VISIBLE | WS_TABSTOP;
  if (AArgs.Kind == TDateTimeKind::Time) {
    style |= DTS_TIMEFORMAT;  // includes DTS_UPDOWN
  } else {
    style |= DTS_SHORTDATEFORMAT | (AArgs.DateMode == TDateMode::UpDown ? DTS_UPDOWN : 0);
  }
  CreateHandle(DATETIMEPICK_CLASSW, style, 0);
  if (AArgs.Value.wYear) SetValue(AArgs.Value);
}

SYSTEMTIME TDateTimePicker::Value() const {
  SYSTEMTIME value{};
  SendMessageW(Handle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&value));
  return value;
}

void TDateTimePicker::SetValue(const SYSTEMTIME& AValue) {
  Perform(DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&AValue));
}

LRESULT TDateTimePicker::Notification(const NMHDR& AHeader) {
  if (AHeader.code == static_cast<UINT>(DTN_DATETIMECHANGE) && OnChange) OnChange();
  return 0;
}

bool TDateTimePicker::ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const {
  const std::string_view name = AInfo.Name;
  if (name == "Kind") {
    AValue = static_cast<int64_t>(FKind);
  } else if (name == "DateMode") {
    AValue = static_cast<int64_t>(FDateMode);
  } else {
    return TWidget::ReadProperty(AInfo, AValue);
  }
  return true;
}

bool TDateTimePicker::WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) {
  const std::string_view name = AInfo.Name;
  if (name == "Kind" || name == "DateMode") return false;  // fixed at creation
  return TWidget::WriteProperty(AInfo, AValue);
}

}  // namespace ui
