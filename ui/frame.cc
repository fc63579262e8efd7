#include "ui/frame.h"

namespace ui {

TFrame::TFrame(const TWidgetArgs& AArgs) : TWidget(AArgs) {
  CreateHandle(nullptr, WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT,
               L"TFrame");
}

bool TFrame::ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const {
  if (AInfo.Name != "AutoScroll") return TWidget::ReadProperty(AInfo, AValue);
  AValue = false;
  return true;
}

bool TFrame::WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) {
  if (AInfo.Name == "AutoScroll") return false;  // frames do not scroll
  return TWidget::WriteProperty(AInfo, AValue);
}

}  // namespace ui
