#include "ui/group_box.h"

#include "platform/win32/wide.h"

namespace ui {

TGroupBox::TGroupBox(const TWidgetArgs& AArgs) : TWidget(AArgs) {
  CreateHandle(nullptr, WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT,
               L"TGroupBox");
}

LRESULT TGroupBox::HandleMessage(UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  if (AMessage == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(Handle(), &ps);
    Paint(dc);
    EndPaint(Handle(), &ps);
    return 0;
  }
  if (AMessage == CM_TEXTCHANGED || AMessage == CM_ENABLEDCHANGED) Invalidate();
  return TWidget::HandleMessage(AMessage, AWParam, ALParam);
}

void TGroupBox::Paint(HDC ADc) {
  RECT client;
  GetClientRect(Handle(), &client);
  const std::wstring text = platform::win32::ToWide(Caption());
  TSelectObject font(ADc, FontHandle());
  TEXTMETRICW metrics;
  GetTextMetricsW(ADc, &metrics);
  RECT frame = client;
  frame.top += metrics.tmHeight / 2;
  DrawEdge(ADc, &frame, EDGE_ETCHED, BF_RECT);
  if (text.empty()) return;
  RECT caption{8, 0, 8, metrics.tmHeight};
  DrawTextW(ADc, text.c_str(), -1, &caption, DT_SINGLELINE | DT_CALCRECT);
  caption.right += 4;
  TBrushHandle brush(CreateSolidBrush(Color().Resolve()));
  FillRect(ADc, &caption, brush.Get());
  SetBkMode(ADc, TRANSPARENT);
  SetTextColor(ADc, Enabled() ? Font().Color.Resolve() : GetSysColor(COLOR_GRAYTEXT));
  OffsetRect(&caption, 2, 0);
  DrawTextW(ADc, text.c_str(), -1, &caption, DT_SINGLELINE);
}

}  // namespace ui
