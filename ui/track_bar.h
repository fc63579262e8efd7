// A track bar over the common controls' msctls_trackbar32 class,
// horizontal or vertical, with a tick every Frequency steps. The arrow
// keys, Page Up/Down, Home and End move it.
//
// Thread safety: belongs to the window thread.
#ifndef QUILLORY_UI_TRACK_BAR_H_
#define QUILLORY_UI_TRACK_BAR_H_

#include "ui/progress_bar.h"
#include "ui/widget.h"

namespace ui {

struct TTrackBarArgs {
  TWidgetArgs Widget;
  int Min = 0;
  int Max = 10;
  int Position = 0;
  int Frequency = 1;  // 0: no ticks
  TOrientation Orientation = TOrientation::Horizontal;
};

class TTrackBar : public TWidget {
 public:
  explicit TTrackBar(const TTrackBarArgs& AArgs);
  const TWidgetClass& Class() const override { return classes::TrackBar; }

  int Position() const;
  void SetPosition(int APosition);
  int Min() const { return FMin; }
  int Max() const { return FMax; }

  // The position changed by the user.
  TNotifyEvent OnChange;

 protected:
  void Scroll(WORD ACode, WORD APosition) override;
  bool ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const override;
  bool WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) override;

 private:
  int FMin;
  int FMax;
  int FFrequency;
  TOrientation FOrientation;
  int FLastPosition;
};

}  // namespace ui

#endif  // QUILLORY_UI_TRACK_BAR_H_
