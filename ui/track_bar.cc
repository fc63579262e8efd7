#include "ui/track_bar.h"

#include <commctrl.h>

#include <algorithm>

namespace ui {

TTrackBar::TTrackBar(const TTrackBarArgs& AArgs)
    : TWidget(AArgs.Widget),
      FMin(AArgs.Min),
      FMax(std::max(AArgs.Min, AArgs.Max)),
      FFrequency(AArgs.Frequency),
      FOrientation(AArgs.Orientation),
      FLastPosition(std::clamp(AArgs.Position, FMin, FMax)) {
  DWORD style = WS_VISIBLE | WS_TABSTOP | (AArgs.Frequency > 0 ? TBS_AUTOTICKS : TBS_NOTICKS);
  style |= AArgs.Orientation == TOrientation::Vertical ? TBS_VERT : TBS_HORZ;
  CreateHandle(TRACKBAR_CLASSW, style, 0);
  Perform(TBM_SETRANGEMIN, FALSE, FMin);
  Perform(TBM_SETRANGEMAX, FALSE, FMax);
  if (FFrequency > 0) Perform(TBM_SETTICFREQ, static_cast<WPARAM>(FFrequency));
  Perform(TBM_SETPOS, TRUE, FLastPosition);
}

int TTrackBar::Position() const {
  return static_cast<int>(SendMessageW(Handle(), TBM_GETPOS, 0, 0));
}

void TTrackBar::SetPosition(int APosition) {
  FLastPosition = std::clamp(APosition, FMin, FMax);
  Perform(TBM_SETPOS, TRUE, FLastPosition);
}

void TTrackBar::Scroll(WORD /*ACode*/, WORD /*APosition*/) {
  const int position = Position();
  if (position == FLastPosition) return;
  FLastPosition = position;
  if (OnChange) OnChange();
}

bool TTrackBar::ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const {
  const std::string_view name = AInfo.Name;
  if (name == "Min") {
    AValue = int64_t{FMin};
  } else if (name == "Max") {
    AValue = int64_t{FMax};
  } else if (name == "Position") {
    AValue = int64_t{Position()};
  } else if (name == "Orientation") {
    AValue = static_cast<int64_t>(FOrientation);
  } else if (name == "Frequency") {
    AValue = int64_t{FFrequency};
  } else {
    return TWidget::ReadProperty(AInfo, AValue);
  }
  return true;
}

bool TTrackBar::WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) {
  const std::string_view name = AInfo.Name;
  if (name == "Position") {
    SetPosition(static_cast<int>(std::get<int64_t>(AValue)));
  } else if (name == "Min" || name == "Max" || name == "Orientation" || name == "Frequency") {
    return false;  // fixed at creation
  } else {
    return TWidget::WriteProperty(AInfo, AValue);
  }
  return true;
}

}  // namespace ui
