// A date or time field over the common controls' SysDateTimePick32 class:
// a date with a calendar that drops down, or with up-down arrows, or a
// time (always with arrows).
//
// Thread safety: belongs to the window thread.
#ifndef QUILLORY_UI_DATE_TIME_PICKER_H_
#define QUILLORY_UI_DATE_TIME_PICKER_H_

#include "ui/widget.h"

namespace ui {

enum class TDateTimeKind { Date, Time };
enum class TDateMode { ComboBox, UpDown };

struct TDateTimePickerArgs {
  TWidgetArgs Widget;
  TDateTimeKind Kind = TDateTimeKind::Date;
  TDateMode DateMode = TDateMode::ComboBox;
  SYSTEMTIME Value{};  // wYear 0: now
};

class TDateTimePicker : public TWidget {
 public:
  explicit TDateTimePicker(const TDateTimePickerArgs& AArgs);
  const TWidgetClass& Class() const override { return classes::DateTimePicker; }

  SYSTEMTIME Value() const;
  void SetValue(const SYSTEMTIME& AValue);
  TDateTimeKind Kind() const { return FKind; }
  TDateMode DateMode() const { return FDateMode; }

  // The value changed by the user.
  TNotifyEvent OnChange;

 protected:
  LRESULT Notification(const NMHDR& AHeader) override;
  bool ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const override;
  bool WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) override;

 private:
  TDateTimeKind FKind;
  TDateMode FDateMode;
};

}  // namespace ui

#endif  // QUILLORY_UI_DATE_TIME_PICKER_H_
