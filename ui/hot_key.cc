#include "ui/hot_key.h"

#include <commctrl.h>

namespace ui {

THotKey::THotKey(const THotKeyArgs& AArgs) : TWidget(AArgs.Widget) {
  CreateHandle(HOTKEY_CLASSW, WS_VISIBLE | WS_TABSTOP, WS_EX_CLIENTEDGE);
  SetHotKey(MAKEWORD(AArgs.Key, AArgs.Modifiers));
}

WORD THotKey::HotKey() const {
  return static_cast<WORD>(SendMessageW(Handle(), HKM_GETHOTKEY, 0, 0));
}

void THotKey::SetHotKey(WORD AValue) {
  Perform(HKM_SETHOTKEY, AValue);
}

bool THotKey::ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const {
  if (AInfo.Name != "HotKey") return TWidget::ReadProperty(AInfo, AValue);
  AValue = int64_t{HotKey()};
  return true;
}

bool THotKey::WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) {
  if (AInfo.Name != "HotKey") return TWidget::WriteProperty(AInfo, AValue);
  const int64_t value = std::get<int64_t>(AValue);
  if (value < 0 || value > 0xFFFF) return false;
  SetHotKey(static_cast<WORD>(value));
  return true;
}

}  // namespace ui
