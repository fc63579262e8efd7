#include "ui/label.h"

#include <cwctype>

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
  if (FWordWrap) flags |= DT_WORDBREAK;
  return flags;
}

void TLabel::AdjustSize() {
  if (!FAutoSize || !Handle()) return;
  const std::wstring text = platform::win32::ToWide(Caption());
  HDC dc = GetDC(Handle());
  // A word-wrapped label keeps its width and takes the height of its lines.
  const RECT current = BoundsRect();
  RECT rect{0, 0, FWordWrap ? current.right - current.left : 0, 0};
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
  const int width = FWordWrap ? bounds.right - bounds.left : rect.right - rect.left;
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
  if (FLayout != 0) {
    // Centred or bottom: the text's height decides where it starts.
    RECT measured = rect;
    DrawTextW(ADc, text.c_str(), -1, &measured, DrawFlags() | DT_CALCRECT);
    const int spare = (rect.bottom - rect.top) - (measured.bottom - measured.top);
    rect.top += FLayout == 1 ? spare / 2 : spare;
  }
  DrawTextW(ADc, text.c_str(), -1, &rect, DrawFlags());
}

void TLabel::SetFocusControl(TWidget* AControl) {
  if (FFocusControl) RemoveFreeNotification(*FFocusControl);
  FFocusControl = AControl;
  if (FFocusControl) FreeNotification(*FFocusControl);
}

void TLabel::Notification(TComponent& AComponent, TOperation AOperation) {
  if (AOperation == TOperation::Remove && &AComponent == FFocusControl) FFocusControl = nullptr;
}

bool TLabel::DialogChar(wchar_t AKey) {
  // The label itself never takes the focus; the control it labels does.
  if (!FFocusControl || !FFocusControl->CanFocus()) return false;
  const std::wstring caption = platform::win32::ToWide(Caption());
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != L'&') continue;
    if (caption[i + 1] == L'&') {
      ++i;
      continue;
    }
    if (static_cast<wchar_t>(std::towupper(caption[i + 1])) != AKey) return false;
    FFocusControl->SetFocus();
    return true;
  }
  return false;
}

bool TLabel::ReadProperty(const TPropertyInfo& AInfo, TPropertyValue& AValue) const {
  if (AInfo.Name == "Transparent") {
    AValue = FTransparent;
  } else if (AInfo.Name == "WordWrap") {
    AValue = FWordWrap;
  } else if (AInfo.Name == "Layout") {
    AValue = FLayout;
  } else {
    return TWidget::ReadProperty(AInfo, AValue);
  }
  return true;
}

bool TLabel::WriteProperty(const TPropertyInfo& AInfo, const TPropertyValue& AValue) {
  if (AInfo.Name == "Transparent") {
    FTransparent = std::get<bool>(AValue);
    Invalidate();
    return true;
  }
  if (AInfo.Name == "WordWrap") {
    FWordWrap = std::get<bool>(AValue);
    AdjustSize();
    Invalidate();
    return true;
  }
  if (AInfo.Name == "Layout") {
    const int64_t layout = std::get<int64_t>(AValue);
    if (layout < 0 || layout > 2) return false;
    FLayout = layout;
    Invalidate();
    return true;
  }
  return TWidget::WriteProperty(AInfo, AValue);
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
      return DLGC_STATIC;
    case WM_SETCURSOR:
      if (FCursor && LOWORD(ALParam) == HTCLIENT) {
        ::SetCursor(LoadCursorW(nullptr, FCursor));
        return TRUE;
      }
      break;
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
