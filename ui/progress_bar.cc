#include "ui/progress_bar.h"

#include <commctrl.h>

#include <algorithm>

namespace ui {

TProgressBar::TProgressBar(const TProgressBarArgs& AArgs)
    : TWidget(AArgs.Widget),
      FMin(AArgs.Min),
      FMax(std::max(AArgs.Min, AArgs.Max)),
      FOrientation(AArgs.Orientation) {
  CreateHandle(PROGRESS_CLASSW,
               WS_VISIBLE | (AArgs.Orientation == TOrientation::Vertical ? PBS_VERTICAL : 0), 0);
  Perform(PBM_SETRANGE32, static_cast<WPARAM>(FMin), FMax);
  SetPosition(AArgs.Position);
}

int TProgressBar::Position() const {
  return static_cast<int>(SendMessageW(Handle(), PBM_GETPOS, 0, 0));
}

void TProgressBar::SetPosition(int APosition) {
  Perform(PBM_SETPOS, static_cast<WPARAM>(std::clamp(APosition, FMin, FMax)));
}

bool TProgressBar::ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const {
  const std::string_view name = AInfo.Name;
  if (name == "Min") {
    AValue = int64_t{FMin};
  } else if (name == "Max") {
    AValue = int64_t{FMax};
  } else if (name == "Position") {
    AValue = int64_t{Position()};
  } else if (name == "Orientation") {
    AValue = static_cast<int64_t>(FOrientation);
  } else {
    return TWidget::ReadProperty(AInfo, AValue);
  }
  return true;
}

bool TProgressBar::WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) {
  const std::string_view name = AInfo.Name;
  if (name == "Position") {
    SetPosition(static_cast<int>(std::get<int64_t>(AValue)));
  } else if (name == "Min" || name == "Max" || name == "Orientation") {
    return false;  // fixed at creation
  } else {
    return TWidget::WriteProperty(AInfo, AValue);
  }
  return true;
}

}  // namespace ui
