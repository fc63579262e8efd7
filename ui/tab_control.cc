#include "ui/tab_control.h"

#include <algorithm>

#include "platform/win32/wide.h"

namespace ui {

DWORD TabPositionStyle(TTabPosition APosition, bool AMultiLine) {
  switch (APosition) {
    case TTabPosition::Top:
      return AMultiLine ? TCS_MULTILINE : 0;
    case TTabPosition::Bottom:
      return TCS_BOTTOM | (AMultiLine ? TCS_MULTILINE : 0);
    case TTabPosition::Left:
      return TCS_VERTICAL | TCS_MULTILINE;
    case TTabPosition::Right:
      return TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE;
  }
  return 0;
}

TTabControl::TTabControl(const TTabControlArgs& AArgs)
    : TWidget(AArgs.Widget), FTabPosition(AArgs.TabPosition), FImages(AArgs.Images) {
  CreateHandle(WC_TABCONTROLW,
               WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS |
                   TabPositionStyle(AArgs.TabPosition, AArgs.MultiLine),
               0);
  if (FImages) Perform(TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(FImages->Handle()));
  for (size_t i = 0; i < AArgs.Tabs.size(); ++i) {
    std::wstring text = platform::win32::ToWide(AArgs.Tabs[i]);
    TCITEMW item{};
    item.mask = TCIF_TEXT | (FImages ? TCIF_IMAGE : 0);
    item.pszText = text.data();
    item.iImage = FImages ? static_cast<int>(i) % std::max(FImages->Count(), 1) : -1;
    Perform(TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
  }
  SetTabIndex(AArgs.TabIndex);
}

int TTabControl::TabCount() const {
  return static_cast<int>(SendMessageW(Handle(), TCM_GETITEMCOUNT, 0, 0));
}

int TTabControl::TabIndex() const {
  return static_cast<int>(SendMessageW(Handle(), TCM_GETCURSEL, 0, 0));
}

void TTabControl::SetTabIndex(int AIndex) {
  Perform(TCM_SETCURSEL, static_cast<WPARAM>(AIndex));
}

bool TTabControl::MultiLine() const {
  return Handle() && (GetWindowLongPtrW(Handle(), GWL_STYLE) & TCS_MULTILINE);
}

RECT TTabControl::DisplayRect() const {
  RECT rect;
  GetClientRect(Handle(), &rect);
  TabCtrl_AdjustRect(Handle(), FALSE, &rect);
  return rect;
}

LRESULT TTabControl::Notification(const NMHDR& AHeader) {
  if (AHeader.code == static_cast<UINT>(TCN_SELCHANGE) && OnChange) OnChange();
  return 0;
}

bool TTabControl::ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const {
  const std::string_view name = AInfo.Name;
  if (name == "TabPosition") {
    AValue = static_cast<int64_t>(FTabPosition);
  } else if (name == "MultiLine") {
    AValue = MultiLine();
  } else if (name == "TabIndex") {
    AValue = int64_t{TabIndex()};
  } else if (name == "Images") {
    AValue = static_cast<const void*>(FImages);
  } else {
    return TWidget::ReadProperty(AInfo, AValue);
  }
  return true;
}

bool TTabControl::WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) {
  const std::string_view name = AInfo.Name;
  if (name == "TabIndex") {
    SetTabIndex(static_cast<int>(std::get<int64_t>(AValue)));
  } else if (name == "TabPosition" || name == "MultiLine" || name == "Images") {
    return false;  // fixed at creation
  } else {
    return TWidget::WriteProperty(AInfo, AValue);
  }
  return true;
}

}  // namespace ui
