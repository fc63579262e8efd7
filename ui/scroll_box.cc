#include "ui/scroll_box.h"

#include <algorithm>

namespace ui {

TScrollBox::TScrollBox(const TWidgetArgs& AArgs) : TWidget(AArgs) {
  CreateHandle(nullptr, WS_VISIBLE | WS_CLIPCHILDREN | WS_HSCROLL | WS_VSCROLL,
               WS_EX_CONTROLPARENT | WS_EX_CLIENTEDGE, L"TScrollBox");
}

void TScrollBox::UpdateRange() {
  if (!Handle()) return;
  SIZE content{0, 0};
  for (TWidget* child : Children()) {
    const RECT bounds = child->BoundsRect();
    content.cx = std::max<LONG>(content.cx, bounds.right + FPosition.x);
    content.cy = std::max<LONG>(content.cy, bounds.bottom + FPosition.y);
  }
  FContent = content;
  RECT client;
  GetClientRect(Handle(), &client);
  SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE, 0, 0, 0, 0, 0};
  info.nMax = content.cx - 1;
  info.nPage = static_cast<UINT>(client.right);
  SetScrollInfo(Handle(), SB_HORZ, &info, TRUE);
  info.nMax = content.cy - 1;
  info.nPage = static_cast<UINT>(client.bottom);
  SetScrollInfo(Handle(), SB_VERT, &info, TRUE);
  ScrollTo(FPosition.x, FPosition.y);
}

void TScrollBox::ScrollTo(int AX, int AY) {
  if (!Handle()) return;
  RECT client;
  GetClientRect(Handle(), &client);
  const int x = std::clamp(AX, 0, std::max<int>(0, FContent.cx - client.right));
  const int y = std::clamp(AY, 0, std::max<int>(0, FContent.cy - client.bottom));
  const int dx = FPosition.x - x;
  const int dy = FPosition.y - y;
  FPosition = {x, y};
  if (dx || dy) {
    ScrollWindowEx(Handle(), dx, dy, nullptr, nullptr, nullptr, nullptr,
                   SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
  }
  SetScrollPos(Handle(), SB_HORZ, x, TRUE);
  SetScrollPos(Handle(), SB_VERT, y, TRUE);
}

void TScrollBox::OnScroll(int ABar, WORD ACode) {
  const bool horizontal = ABar == SB_HORZ;
  RECT client;
  GetClientRect(Handle(), &client);
  const int page = horizontal ? client.right : client.bottom;
  int pos = horizontal ? FPosition.x : FPosition.y;
  switch (ACode) {
    case SB_LINEUP:
      pos -= 16;
      break;
    case SB_LINEDOWN:
      pos += 16;
      break;
    case SB_PAGEUP:
      pos -= page;
      break;
    case SB_PAGEDOWN:
      pos += page;
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO info{sizeof info, SIF_TRACKPOS, 0, 0, 0, 0, 0};
      GetScrollInfo(Handle(), ABar, &info);
      pos = info.nTrackPos;
      break;
    }
    default:
      return;
  }
  if (horizontal) {
    ScrollTo(pos, FPosition.y);
  } else {
    ScrollTo(FPosition.x, pos);
  }
}

LRESULT TScrollBox::HandleMessage(UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  if ((AMessage == WM_HSCROLL || AMessage == WM_VSCROLL) && ALParam == 0) {
    OnScroll(AMessage == WM_HSCROLL ? SB_HORZ : SB_VERT, LOWORD(AWParam));
    return 0;
  }
  if (AMessage == WM_SIZE) {
    const LRESULT result = TWidget::HandleMessage(AMessage, AWParam, ALParam);
    UpdateRange();
    return result;
  }
  return TWidget::HandleMessage(AMessage, AWParam, ALParam);
}

bool TScrollBox::ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const {
  const std::string_view name = AInfo.Name;
  if (name == "AutoScroll") {
    AValue = true;
  } else if (name == "BorderStyle") {
    AValue = int64_t{1};
  } else {
    return TWidget::ReadProperty(AInfo, AValue);
  }
  return true;
}

bool TScrollBox::WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) {
  if (AInfo.Name == "AutoScroll" || AInfo.Name == "BorderStyle") return false;
  return TWidget::WriteProperty(AInfo, AValue);
}

}  // namespace ui
