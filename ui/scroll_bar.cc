#include "ui/scroll_bar.h"

#include <algorithm>

namespace ui {

TScrollBar::TScrollBar(const TScrollBarArgs& AArgs)
    : TWidget(AArgs.Widget),
      FKind(AArgs.Kind),
      FMin(AArgs.Min),
      FMax(std::max(AArgs.Min, AArgs.Max)),
      FPosition(FMin),
      FSmallChange(AArgs.SmallChange),
      FLargeChange(AArgs.LargeChange) {
  CreateHandle(
      L"SCROLLBAR",
      WS_VISIBLE | WS_TABSTOP | (AArgs.Kind == TScrollBarKind::Vertical ? SBS_VERT : SBS_HORZ), 0);
  SCROLLINFO info{sizeof info,
                  SIF_RANGE | SIF_PAGE,
                  FMin,
                  FMax + FLargeChange - 1,
                  static_cast<UINT>(FLargeChange),
                  0,
                  0};
  SetScrollInfo(Handle(), SB_CTL, &info, FALSE);
  SetPosition(AArgs.Position);
}

void TScrollBar::SetPosition(int APosition) {
  FPosition = std::clamp(APosition, FMin, FMax);
  SetScrollPos(Handle(), SB_CTL, FPosition, TRUE);
}

void TScrollBar::Scroll(WORD ACode, WORD /*APosition*/) {
  int position = FPosition;
  switch (ACode) {
    case SB_LINEUP:
      position -= FSmallChange;
      break;
    case SB_LINEDOWN:
      position += FSmallChange;
      break;
    case SB_PAGEUP:
      position -= FLargeChange;
      break;
    case SB_PAGEDOWN:
      position += FLargeChange;
      break;
    case SB_TOP:
      position = FMin;
      break;
    case SB_BOTTOM:
      position = FMax;
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      // The 32-bit track position (the message carries only 16 bits).
      SCROLLINFO info{sizeof info, SIF_TRACKPOS, 0, 0, 0, 0, 0};
      GetScrollInfo(Handle(), SB_CTL, &info);
      position = info.nTrackPos;
      break;
    }
    default:
      return;
  }
  const int old = FPosition;
  SetPosition(position);
  if (FPosition != old && OnChange) OnChange();
}

bool TScrollBar::ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const {
  const std::string_view name = AInfo.Name;
  if (name == "Kind") {
    AValue = static_cast<int64_t>(FKind);
  } else if (name == "Min") {
    AValue = int64_t{FMin};
  } else if (name == "Max") {
    AValue = int64_t{FMax};
  } else if (name == "Position") {
    AValue = int64_t{FPosition};
  } else if (name == "SmallChange") {
    AValue = int64_t{FSmallChange};
  } else if (name == "LargeChange") {
    AValue = int64_t{FLargeChange};
  } else {
    return TWidget::ReadProperty(AInfo, AValue);
  }
  return true;
}

bool TScrollBar::WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) {
  const std::string_view name = AInfo.Name;
  if (name == "Position") {
    SetPosition(static_cast<int>(std::get<int64_t>(AValue)));
  } else if (name == "SmallChange" || name == "LargeChange") {
    const int value = static_cast<int>(std::get<int64_t>(AValue));
    if (value < 1) return false;
    (name == "SmallChange" ? FSmallChange : FLargeChange) = value;
  } else if (name == "Kind" || name == "Min" || name == "Max") {
    return false;  // fixed at creation
  } else {
    return TWidget::WriteProperty(AInfo, AValue);
  }
  return true;
}

}  // namespace ui
