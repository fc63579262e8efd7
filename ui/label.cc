#include "ui/label.h"

#include "platform/win32/wide.h"

namespace ui {

TLabel::TLabel(const TLabelArgs& AArgs)
    : TWidget(AArgs.Widget),
      FAlignment(AArgs.Alignment),
      FAutoSize(AArgs.AutoSize),
      FTransparent(AArgs.Transparent),
      FRight(AArgs.Right) {
  if (FAlignment != TAlignment::Right || !FAutoSize) {
    FRight = AArgs.Widget.Left + AArgs.Widget.Width;
  }
  CreateHandle(nullptr, WS_VISIBLE | WS_CLIPSIBLINGS, FTransparent ? WS_EX_TRANSPARENT : 0,
               L"TLabel");
  AdjustSize();
}

void TLabel::SetCaption(const std::string& ACaption) {
  TWidget::SetCaption(ACaption);
  AdjustSize();
}

void TLabel::FontChanged() {
  TWidget::FontChanged();
  AdjustSize();
}

UINT TLabel::DrawFlags() const {
  UINT flags = DT_EXPANDTABS | DT_NOCLIP;
  if (FAlignment == TAlignment::Right) flags |= DT_RIGHT;
  if (FAlignment == TAlignment::Center) flags |= DT_CENTER;
  return flags;
}

void TLabel::AdjustSize() {
  if (!FAutoSize || !Handle()) return;
  const std::wstring text = platform::win32::ToWide(Caption());
  HDC dc = GetDC(Handle());
  RECT rect{0, 0, 0, 0};
  {
    TSelectObject font(dc, FontHandle());
    if (text.empty()) {
      TEXTMETRICW metrics;
      GetTextMetricsW(dc, &metrics);
      rect.bottom = metrics.tmHeight;
    } else {
      DrawTextW(dc, text.c_str(), -1, &rect, DrawFlags() | DT_CALCRECT);
    }
  }
  ReleaseDC(Handle(), dc);
  const RECT bounds = BoundsRect();
  const int width = rect.right - rect.left;
  const int left = FAlignment == TAlignment::Right ? FRight - width : bounds.left;
  SetBounds(left, bounds.top, width, rect.bottom - rect.top);
  if (FAlignment != TAlignment::Right) FRight = left + width;
}

void TLabel::Paint(HDC ADc) {
  RECT rect;
  GetClientRect(Handle(), &rect);
  if (FTransparent) {
    PaintParentBackground(ADc);
  } else {
    PaintBackground(ADc, rect);
  }
  TSelectObject font(ADc, FontHandle());
  SetBkMode(ADc, TRANSPARENT);
  SetTextColor(ADc, Font().Color.Resolve());
  const std::wstring text = platform::win32::ToWide(Caption());
  DrawTextW(ADc, text.c_str(), -1, &rect, DrawFlags());
}

LRESULT TLabel::HandleMessage(UINT AMessage, WPARAM AWParam, LPARAM ALParam) {
  switch (AMessage) {
    case WM_PAINT: {
      TPaintDc dc(Handle());
      Paint(dc.Get());
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;  // painted in WM_PAINT
    case WM_GETDLGCODE:
      return DLGC_STATIC;  // its access key moves the focus to the next control
    case WM_SETCURSOR:
      if (FCursor && LOWORD(ALParam) == HTCLIENT) {
        ::SetCursor(LoadCursorW(nullptr, FCursor));
        return TRUE;
      }
      break;
    case WM_MOUSEMOVE:
      if (!FMouseInside) {
        FMouseInside = true;
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
        TrackMouseEvent(&track);
        if (OnMouseEnter) OnMouseEnter();
      }
      return 0;
    case WM_MOUSELEAVE:
      FMouseInside = false;
      if (OnMouseLeave) OnMouseLeave();
      return 0;
    case WM_LBUTTONDOWN:
      SetCapture(Handle());
      return 0;
    case WM_LBUTTONUP: {
      const bool captured = GetCapture() == Handle();
      if (captured) ReleaseCapture();
      RECT rect;
      GetClientRect(Handle(), &rect);
      const POINT at{static_cast<short>(LOWORD(ALParam)), static_cast<short>(HIWORD(ALParam))};
      if (captured && PtInRect(&rect, at) && OnClick) OnClick();
      return 0;
    }
    default:
      break;
  }
  return TWidget::HandleMessage(AMessage, AWParam, ALParam);
}

}  // namespace ui
